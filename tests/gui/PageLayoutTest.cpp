#include "ViewFixture.h"
#include "gui/WindowFit.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>
#include <cmath>

namespace kovex::test {
namespace {

// The pages as the user reads them: with the design font or a 12-point
// application font (and, as a test of its own, at a scale factor of 1.5),
// after a field computation whose inputs give the longest texts.
class PageLayoutTest : public ViewTest, public testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        m_designFont = QApplication::font();
        if (GetParam() > 0) {
            QFont font = m_designFont;
            font.setPointSize(GetParam());
            QApplication::setFont(font);
        }
        ViewTest::SetUp();
        settle();
        m_startSize = window->size();
    }
    void TearDown() override {
        window.reset();
        QApplication::setFont(m_designFont);
    }

    // The layouts run on posted events, as they do in the program's loop;
    // each layout that changes posts the next for the one around it.
    void settle() {
        window->refresh();
        for (int round = 0; round < 10; ++round)
            QCoreApplication::sendPostedEvents();
    }

    QTabWidget& pages() const { return *qobject_cast<QTabWidget*>(window->controlWidget("PageControl1")); }

    // What the user sees of a page: the widget that its form fills, inside
    // the page's scroll area.
    QWidget& content(int page) const { return *pages().widget(page)->findChild<QScrollArea*>()->widget(); }

    void showPage(int page) {
        pages().setCurrentIndex(page);
        settle();
    }

    void computeWithTheLongestTexts(int language);
    void keepPicture(const QString& name) const;

    std::string configuration() const {
        return "font " + std::to_string(QApplication::font().pointSize()) + " pt, scale " +
               std::to_string(window->devicePixelRatio());
    }

    // The design font at a scale factor of 1.
    bool atDesignSize() const { return GetParam() == 0 && window->devicePixelRatio() == 1.0; }

    QSize m_startSize;

  private:
    QFont m_designFont;
};

int longestItem(const Control& list) {
    int longest = 0;
    for (int i = 1; i < list.items.size(); ++i)
        if (list.items[i].size() > list.items[longest].size())
            longest = i;
    return longest;
}

int itemStartingWith(const Control& list, const QString& start) {
    for (int i = 0; i < list.items.size(); ++i)
        if (list.items[i].trimmed().startsWith(start))
            return i;
    ADD_FAILURE() << "no item " << start.toStdString();
    return 0;
}

void typeAndLeave(Program& program, const QString& name, const QString& text) {
    program.focus(name);
    program.type(name, text);
    program.leave(name);
}

// The inputs that make the program's texts longest: a band of four-digit
// frequencies and the highest limit, the longest mode, time, cable, antenna
// and wall names, losses of two digits, a negative input power, antenna 12,
// every test point in use and a callsign with a suffix.
void PageLayoutTest::computeWithTheLongestTexts(int language) {
    program.select("rdgLanguage", language);
    const MainForm& f = program.mainForm;
    typeAndLeave(program, "edtOutputPower", "1500");
    program.select("cmbFrequency", itemStartingWith(f.ctl("cmbFrequency"), "13 cm"));
    program.select("cmbMode", longestItem(f.ctl("cmbMode")));
    program.select("cmb6min", longestItem(f.ctl("cmb6min")));
    for (const QString k : {"1", "2", "3"}) {
        program.select("dblFeeder" + k, longestItem(f.ctl("dblFeeder" + k)));
        typeAndLeave(program, "edtLengthF" + k, "100");
    }
    program.select("dblAntennaType", longestItem(f.ctl("dblAntennaType")));
    typeAndLeave(program, "edtAntennaHeight", "10");
    for (int k = 1; k <= 12; ++k) {
        const QString slot = QString::number(k);
        typeAndLeave(program, "edtD" + slot, "100.5");
        typeAndLeave(program, "edtH" + slot, "-12.5");
        typeAndLeave(program, "edtLocation" + slot, "Bedroom of the neighbours on the first floor");
        program.select("cmbSA" + slot, longestItem(f.ctl("cmbSA" + slot)));
    }
    typeAndLeave(program, "edtAntNr", "12");
    program.click("btnFieldResults");
    typeAndLeave(program, "edtCallsign", "OT4ABCD_2");
    program.showPage("TabSheet5");
    ASSERT_TRUE(fake.dialogs.texts("error").isEmpty())
        << fake.dialogs.texts("error").join('\n').toStdString();
    ASSERT_TRUE(f.text("lblLevel4").contains("30.70")) << f.text("lblLevel4").toStdString();
    settle();
}

// Set KOVEX_SCREENSHOT_DIR to keep a picture of what the window shows.
void PageLayoutTest::keepPicture(const QString& name) const {
    const QString shots = qEnvironmentVariable("KOVEX_SCREENSHOT_DIR");
    if (shots.isEmpty())
        return;
    const QString scale = QString::number(window->devicePixelRatio()).replace('.', '_');
    const QString file =
        QString("%1-%2pt-x%3.png").arg(name).arg(QApplication::font().pointSize()).arg(scale);
    window->grab().save(QDir(shots).filePath(file));
}

bool shownIn(const QWidget* widget, const QWidget* area) {
    for (const QWidget* w = widget; w && w != area; w = w->parentWidget())
        if (w->isHidden())
            return false;
    return area->isAncestorOf(widget);
}

QString shownText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    return {};
}

// Room for a push button's text: the text and the button's own margins, not
// the style's least width of a button (the "i?" buttons are narrower).
QSize pushButtonNeeds(const QPushButton& button) {
    const QFontMetrics metrics = button.fontMetrics();
    const QStyle* style = button.style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    return QSize(metrics.horizontalAdvance(QString(button.text()).remove('&')), metrics.height()) +
           QSize(margins, margins);
}

// Whether the widget has room for its whole text: a label that wraps has the
// height its width needs, any other text its size hint (a group box its
// least size, which holds its title).
bool holdsItsText(const QWidget& widget) {
    const QSize size = widget.size();
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap())
        return size.height() >= label->heightForWidth(size.width());
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        const QSize needs = pushButtonNeeds(*button);
        return size.width() >= needs.width() && size.height() >= needs.height();
    }
    const QSize needs =
        qobject_cast<const QGroupBox*>(&widget) ? widget.minimumSizeHint() : widget.sizeHint();
    return size.width() >= needs.width() && size.height() >= needs.height();
}

bool isTabStop(const QWidget& widget, const QWidget& area) {
    return shownIn(&widget, &area) && widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus) &&
           !widget.focusProxy();
}

// The widgets the Tab key stops at, in the order it takes them.
std::vector<QWidget*> tabStops(QWidget& window, const QWidget& area) {
    std::vector<QWidget*> stops;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (isTabStop(*w, area))
            stops.push_back(w);
    return stops;
}

// An X server without a window manager applies any size asked of it,
// whatever least size the window asks for.
void shrinkAsTheSystemMay(QWidget& window) {
    const QSize least = window.minimumSize();
    window.windowHandle()->setMinimumSize(QSize(0, 0));
    window.windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    window.windowHandle()->resize(least.width() - 300, least.height() - 200);
    QCoreApplication::processEvents();
}

QRect placeIn(const QWidget& widget, const QWidget& area) {
    return QRect(widget.mapTo(&area, QPoint(0, 0)), widget.size());
}

// The group box a control belongs to, or the page itself.
const QWidget* groupOf(const QWidget& widget, const QWidget& area) {
    for (const QWidget* w = widget.parentWidget(); w && w != &area; w = w->parentWidget())
        if (qobject_cast<const QGroupBox*>(w))
            return w;
    return &area;
}

// Reading order: inside one group, the next stop lies to the right on the
// same line or on a line below, which may begin further left. From one group
// to another the next stop may also lie at the top of a column further
// right, as when the left column of a page is read to its end first; it
// never lies up and to the left.
bool readsAfter(const QRect& before, const QRect& next, bool sameGroup) {
    const bool sameLine = next.top() < before.bottom() && before.top() < next.bottom();
    const bool toTheRight = next.left() >= before.right() - 2;
    if (sameLine)
        return toTheRight;
    return next.top() > before.top() || (!sameGroup && toTheRight);
}

// At the design size the window keeps the size it started with and no page
// scrolls; with larger texts the window grows as far as the screen allows,
// and a page scrolls only where the window did not get the room it asked for.
TEST_P(PageLayoutTest, EveryTextIsWholeInEveryHelpLanguage) {
    for (int language = 0; language < 4; ++language) {
        SCOPED_TRACE("help language " + std::to_string(language) + ", " + configuration());
        computeWithTheLongestTexts(language);
        for (int page = 0; page < pages().count(); ++page) {
            showPage(page);
            keepPicture(QString("%1-lang%2").arg(pages().widget(page)->objectName()).arg(language));
            const QWidget& area = content(page);
            int texts = 0;
            for (const QWidget* widget : area.findChildren<QWidget*>()) {
                if (!shownIn(widget, &area) || shownText(*widget).isEmpty())
                    continue;
                ++texts;
                EXPECT_TRUE(holdsItsText(*widget))
                    << widget->objectName().toStdString() << " cuts \"" << shownText(*widget).toStdString()
                    << "\" at " << widget->width() << " x " << widget->height();
                EXPECT_TRUE(area.rect().contains(placeIn(*widget, area)))
                    << widget->objectName().toStdString() << " leaves its page";
            }
            EXPECT_GT(texts, 0);
            const bool roomy = window->width() >= window->sizeHint().width() &&
                               window->height() >= window->sizeHint().height();
            if (atDesignSize()) {
                EXPECT_EQ(window->size(), m_startSize) << "page " << page;
            }
            if (roomy || atDesignSize()) {
                const auto* scroll = pages().widget(page)->findChild<QScrollArea*>();
                EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "page " << page;
                EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << "page " << page;
            }
        }
        const auto* grid = widget<QTableWidget>("sgdTP");
        for (int column = 0; column < grid->columnCount(); ++column)
            EXPECT_TRUE(grid->item(0, column)->toolTip().isEmpty())
                << "heading of column " << column << " is cut";
    }
}

// The window fits on the screen, may be made smaller only down to 800 x 600,
// and the window system cannot make it smaller than that.
TEST_P(PageLayoutTest, WindowStaysOnTheScreenAndTheSystemCannotShrinkIt) {
    computeWithTheLongestTexts(3);
    // In the screen's own pixels, which a fractional scale rounds.
    const QSize room = window->screen()->availableGeometry().size();
    const qreal scale = window->devicePixelRatio();
    EXPECT_LE(std::ceil(window->width() * scale), std::floor(room.width() * scale)) << configuration();
    EXPECT_LE(std::ceil(window->height() * scale), std::floor(room.height() * scale)) << configuration();
    EXPECT_EQ(window->minimumSize(), kLeastWindowSize.boundedTo(window->size()));

    const QSize fitted = window->size();
    shrinkAsTheSystemMay(*window);
    settle();
    EXPECT_EQ(window->size(), fitted);
}

TEST_P(PageLayoutTest, NoControlOverlapsAnother) {
    computeWithTheLongestTexts(3);
    for (int page = 0; page < pages().count(); ++page) {
        showPage(page);
        const QWidget& area = content(page);
        std::vector<std::pair<QString, const QWidget*>> placed;
        for (const QString& name : program.mainForm.controlNames()) {
            const QWidget* widget = window->controlWidget(name);
            if (shownIn(widget, &area))
                placed.emplace_back(name, widget);
        }
        EXPECT_GT(placed.size(), 3u);
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QWidget* a = placed[i].second;
                const QWidget* b = placed[j].second;
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                EXPECT_FALSE(placeIn(*a, area).intersects(placeIn(*b, area)))
                    << placed[i].first.toStdString() << " overlaps " << placed[j].first.toStdString();
            }
    }
}

TEST_P(PageLayoutTest, TabKeyReachesEveryControlInReadingOrder) {
    computeWithTheLongestTexts(3);
    // The controls that only some choices show are shown too.
    program.click("rdbWGS84");
    program.click("chkOtherOperator");
    program.click("chkTilt");
    settle();
    ASSERT_FALSE(window->controlWidget("edtLATsec")->isHidden());
    ASSERT_FALSE(window->controlWidget("edtOtherOperator")->isHidden());
    for (int page = 0; page < pages().count(); ++page) {
        showPage(page);
        const QWidget& area = content(page);
        const std::vector<QWidget*> stops = tabStops(*window, area);
        for (const QString& name : program.mainForm.controlNames()) {
            QWidget* widget = window->controlWidget(name);
            if (isTabStop(*widget, area)) {
                EXPECT_NE(std::find(stops.begin(), stops.end(), widget), stops.end()) << name.toStdString();
            }
        }
        for (std::size_t i = 1; i < stops.size(); ++i) {
            const QWidget& before = *stops[i - 1];
            const QWidget& next = *stops[i];
            EXPECT_TRUE(readsAfter(placeIn(before, area), placeIn(next, area),
                                   groupOf(before, area) == groupOf(next, area)))
                << before.objectName().toStdString() << " then " << next.objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, PageLayoutTest, testing::Values(0, 12),
                         [](const testing::TestParamInfo<int>& font) {
                             return font.param == 0 ? std::string("DesignFont") : "Font12pt";
                         });

using SummaryLayoutTest = ViewTest;
using DrawingLayoutTest = ViewTest;

// A summary cell too narrow for its text shows the whole text as a tooltip;
// the cells keep the sizes the program gave them.
TEST_F(SummaryLayoutTest, CutCellsShowTheirWholeTextAsTooltip) {
    program.mainForm.sgdTP.setCell(1, 2, "Dipole 1/2 wave for all bands");
    program.mainForm.sgdTP.setCell(1, 1, "ANT1");
    program.mainForm.sgdTP.setCell(1, 29, "CW and SSB");
    window->refresh();
    const auto* table = widget<QTableWidget>("sgdTP");
    EXPECT_EQ(table->item(2, 1)->toolTip(), "Dipole 1/2 wave for all bands");
    EXPECT_EQ(table->item(29, 1)->toolTip(), "CW and SSB");
    EXPECT_EQ(table->item(1, 1)->toolTip(), "");
    EXPECT_EQ(table->item(2, 1)->text(), "Dipole 1/2 wave for all bands");
    EXPECT_EQ(program.mainForm.sgdTP.cell(1, 2), "Dipole 1/2 wave for all bands");
    for (int column = 1; column < table->columnCount(); ++column)
        EXPECT_EQ(table->columnWidth(column), program.mainForm.sgdTP.columnWidth(column)) << column;
    for (int row = 0; row < table->rowCount(); ++row)
        EXPECT_EQ(table->rowHeight(row), program.mainForm.sgdTP.rowHeight(row)) << row;

    // A shorter text in the same cell needs no tooltip any more.
    program.mainForm.sgdTP.setCell(1, 2, "Yagi");
    window->refresh();
    EXPECT_EQ(table->item(2, 1)->toolTip(), "");
}

// The picture keeps its size; where the screen cannot hold the window, the
// picture scrolls and the buttons stay in view.
TEST_F(DrawingLayoutTest, WindowHoldsThePictureAndItsButtons) {
    program.drawingForm.imgPH = QImage(1009, 657, QImage::Format_RGB32);
    program.drawingForm.imgPH.fill(Qt::yellow);
    program.drawingForm.visible = true;
    window->refresh();
    QCoreApplication::sendPostedEvents();
    DrawingWindow& drawing = window->drawingWindow();
    const QImage picture = drawing.grab().toImage();
    const QString shots = qEnvironmentVariable("KOVEX_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        picture.save(QDir(shots).filePath(QString("TForm2-x%1.png").arg(drawing.devicePixelRatio())));
    const QWidget* image = drawing.controlWidget("imgPH");
    EXPECT_EQ(image->size(), QSize(1009, 657));
    const QRect shown = placeIn(*image, drawing) & placeIn(*image->parentWidget(), drawing);
    EXPECT_EQ(picture.pixelColor(shown.center() * drawing.devicePixelRatio()), QColor(Qt::yellow));
    const QSize room = drawing.screen()->availableGeometry().size();
    const qreal scale = drawing.devicePixelRatio();
    EXPECT_LE(std::ceil(drawing.width() * scale), std::floor(room.width() * scale));
    EXPECT_LE(std::ceil(drawing.height() * scale), std::floor(room.height() * scale));
    if (scale == 1.0) {
        EXPECT_EQ(drawing.size(), drawing.sizeHint());
    }
    EXPECT_EQ(drawing.minimumSize(), kLeastWindowSize.boundedTo(drawing.size()));
    const QSize fitted = drawing.size();
    for (const char* name : {"btnReturn", "btnSaveDrawing", "btnPrintDrawing"}) {
        const QWidget* button = drawing.controlWidget(name);
        EXPECT_TRUE(drawing.rect().contains(placeIn(*button, drawing))) << name;
        EXPECT_FALSE(placeIn(*button, drawing).intersects(shown)) << name;
        EXPECT_TRUE(holdsItsText(*button)) << name;
    }
    shrinkAsTheSystemMay(drawing);
    EXPECT_EQ(drawing.size(), fitted);
}

} // namespace
} // namespace kovex::test
