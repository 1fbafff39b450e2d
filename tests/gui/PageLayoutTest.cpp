#include "ViewFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTabWidget>

namespace kovex::test {
namespace {

bool shownOnPage(const QWidget* widget, const QWidget* page) {
    for (const QWidget* w = widget; w && w != page; w = w->parentWidget())
        if (w->isHidden())
            return false;
    return page->isAncestorOf(widget);
}

// Room the text of a label or button needs on one line.
int textWidth(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap()) {
        int widest = 0;
        for (const QString& line : label->text().split('\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        return widest;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 6;
    return 0;
}

// On every page, after start-up and with the longest texts the program
// writes, each control lies wholly inside its page, is not squeezed below
// its text, and overlaps no other control. Set KOVEX_SCREENSHOT_DIR to keep a
// picture of each page.
TEST_F(ViewTest, NoPageClipsOrOverlapsItsControls) {
    program.form1.setText("btnSaveMDB", "Save ON4ABC_01_kovex.mdb and ON4ABC_01_report.txt");
    program.form1.setText("lblkMode", "Correction = 0.5 = -3.01 dB");
    program.form1.setText("lblInputPower_calc", "Input power = 15.57 dBW = 36.1 W");
    program.form1.setText("lblEIRP", "EIRP = 123.4 dBW");
    program.form1.setText("lblFromFreq", "Frequency from 1240 to 1300 MHz");
    program.form1.setText("gpbFeederLossCalculator", " Feeder loss calculator  for 1240 MHz ");
    program.form1.setText("lblLoss1", "= 12.34 dB");
    window->refresh();
    const QString shots = qEnvironmentVariable("KOVEX_SCREENSHOT_DIR");
    auto* tabs = qobject_cast<QTabWidget*>(window->controlWidget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QWidget* page = tabs->widget(index);
        const QImage picture = window->grab().toImage();
        if (!shots.isEmpty())
            picture.save(QDir(shots).filePath(page->objectName() + ".png"));

        std::vector<std::pair<QString, QRect>> placed;
        for (const QString& name : program.form1.controlNames()) {
            const QWidget* widget = window->controlWidget(name);
            if (!shownOnPage(widget, page) || widget == page)
                continue;
            const QRect area(widget->mapTo(page, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(page->rect().contains(area)) << name.toStdString() << " leaves its page";
            EXPECT_GE(widget->width(), textWidth(widget)) << name.toStdString() << " clips its text";
            placed.emplace_back(name, area);
        }
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QWidget* a = window->controlWidget(placed[i].first);
                const QWidget* b = window->controlWidget(placed[j].first);
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                EXPECT_FALSE(placed[i].second.intersects(placed[j].second))
                    << placed[i].first.toStdString() << " overlaps " << placed[j].first.toStdString();
            }
    }
}

TEST_F(ViewTest, DrawingWindowHoldsThePictureAndItsButtons) {
    program.form2.imgPH = QImage(1009, 657, QImage::Format_RGB32);
    program.form2.imgPH.fill(Qt::yellow);
    program.form2.visible = true;
    window->refresh();
    DrawingWindow& drawing = window->drawingWindow();
    const QImage picture = drawing.grab().toImage();
    const QString shots = qEnvironmentVariable("KOVEX_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        picture.save(QDir(shots).filePath("TForm2.png"));
    const QWidget* image = drawing.controlWidget("imgPH");
    EXPECT_EQ(picture.pixelColor(image->geometry().center()), QColor(Qt::yellow));
    for (const char* name : {"btnReturn", "btnSaveDrawing", "btnPrintDrawing"}) {
        const QWidget* button = drawing.controlWidget(name);
        EXPECT_TRUE(drawing.rect().contains(button->geometry())) << name;
        EXPECT_FALSE(button->geometry().intersects(image->geometry())) << name;
    }
}

} // namespace
} // namespace kovex::test
