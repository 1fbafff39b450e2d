#include "ViewFixture.h"
#include "gui/WindowFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <cmath>

namespace kovex::test {
namespace {

// Both windows on the test's screen, with a drawing to show.
class WindowResizeTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        program.drawingForm.imgPH = QImage(1009, 657, QImage::Format_RGB32);
        program.drawingForm.imgPH.fill(Qt::yellow);
        program.drawingForm.visible = true;
        settle();
    }

    void settle() {
        window->refresh();
        for (int round = 0; round < 10; ++round)
            QCoreApplication::sendPostedEvents();
    }

    static QSize roomOf(const QWidget& shown) {
        const qreal scale = shown.devicePixelRatio();
        const QSize room = shown.screen()->availableGeometry().size();
        return QSize(int(std::floor(std::floor(room.width() * scale) / scale)),
                     int(std::floor(std::floor(room.height() * scale) / scale)));
    }

    // Set KOVEX_SCREENSHOT_DIR to keep a picture of what the window shows.
    static void keepPicture(QWidget& shown, const QString& name) {
        const QString shots = qEnvironmentVariable("KOVEX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            shown.grab().save(QDir(shots).filePath(
                QString("%1-%2x%3-x%4.png")
                    .arg(name)
                    .arg(std::lround(shown.screen()->geometry().width() * shown.devicePixelRatio()))
                    .arg(std::lround(shown.screen()->geometry().height() * shown.devicePixelRatio()))
                    .arg(shown.devicePixelRatio())));
    }
};

// A button is cut off when part of it lies outside the window, or outside a
// scroll area around it that cannot scroll it into view.
void expectNoButtonCutOff(QWidget& shown, const std::string& where) {
    const QRect inside = shown.rect();
    for (QAbstractButton* button : shown.findChildren<QAbstractButton*>()) {
        if (button->window() != &shown || !button->isVisibleTo(&shown) || button->inherits("QToolButton"))
            continue;
        QWidget* scroller = nullptr;
        for (QWidget* up = button->parentWidget(); up && up != &shown; up = up->parentWidget())
            if (qobject_cast<QScrollArea*>(up))
                scroller = up;
        const QRect place(button->mapTo(&shown, QPoint(0, 0)), button->size());
        if (!scroller) {
            EXPECT_TRUE(inside.contains(place))
                << where << ": " << button->objectName().toStdString() << " " << button->text().toStdString();
            continue;
        }
        auto* area = static_cast<QScrollArea*>(scroller);
        const QRect area_place(area->mapTo(&shown, QPoint(0, 0)), area->size());
        EXPECT_TRUE(inside.contains(area_place))
            << where << ": the scroll area of " << button->objectName().toStdString();
        const QRect inContent(button->mapTo(area->widget(), QPoint(0, 0)), button->size());
        const QSize viewport = area->viewport()->size();
        const QSize reach(viewport.width() + area->horizontalScrollBar()->maximum(),
                          viewport.height() + area->verticalScrollBar()->maximum());
        EXPECT_TRUE(QRect(QPoint(0, 0), reach).contains(inContent))
            << where << ": " << button->objectName().toStdString() << " beyond the scrolling";
    }
}

TEST_F(WindowResizeTest, BothWindowsFitTheScreenWithEveryButtonInReach) {
    auto* tabs = qobject_cast<QTabWidget*>(window->controlWidget("PageControl1"));
    const QSize room = roomOf(*window);
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        settle();
        expectNoButtonCutOff(*window, "page " + std::to_string(page));
        keepPicture(*window, QString("TForm1-page%1").arg(page));
    }
    DrawingWindow& drawing = window->drawingWindow();
    EXPECT_LE(drawing.width(), roomOf(drawing).width());
    EXPECT_LE(drawing.height(), roomOf(drawing).height());
    expectNoButtonCutOff(drawing, "drawing");
    keepPicture(drawing, "TForm2");
}

// Made as small as they may be, the windows are 800 x 600 (or their whole
// content where that is smaller) and every page scrolls to every button.
TEST_F(WindowResizeTest, BothWindowsShrinkTo800By600AndThePagesScroll) {
    // A screen smaller than that bounds it too.
    const QSize least = window->minimumSize();
    EXPECT_LE(least.width(), kLeastWindowSize.width());
    EXPECT_LE(least.height(), kLeastWindowSize.height());
    if (roomOf(*window).height() > kLeastWindowSize.height()) {
        EXPECT_EQ(least, kLeastWindowSize);
    }
    window->resize(least);
    settle();
    EXPECT_EQ(window->size(), least);
    auto* tabs = qobject_cast<QTabWidget*>(window->controlWidget("PageControl1"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        settle();
        expectNoButtonCutOff(*window, "small, page " + std::to_string(page));
        keepPicture(*window, QString("TForm1-small-page%1").arg(page));
    }
    // a computation that changes texts leaves the user's size alone
    program.click("btnFieldResults");
    settle();
    EXPECT_EQ(window->size(), least);

    DrawingWindow& drawing = window->drawingWindow();
    const QSize drawingLeast = drawing.minimumSize();
    EXPECT_LE(drawingLeast.width(), kLeastWindowSize.width());
    EXPECT_LE(drawingLeast.height(), kLeastWindowSize.height());
    drawing.resize(drawingLeast);
    settle();
    EXPECT_EQ(drawing.size(), drawingLeast);
    expectNoButtonCutOff(drawing, "small drawing");
    keepPicture(drawing, "TForm2-small");
}

} // namespace
} // namespace kovex::test
