#include "gui/QtPlatform.h"

#include "FakePlatform.h"
#include "app/Program.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace kovex::test {
namespace {

constexpr int kRenderDpi = 72;

// The real printer writing a PDF file; its page set-up dialog is confirmed
// at once, choosing `chosen` when given.
class ConfirmingPdfPrinter : public QtPrinter {
  public:
    ConfirmingPdfPrinter(const QString& file, std::optional<PageOrientation> chosen)
        : QtPrinter(file), m_chosen(chosen) {}
    bool pageSetupDialog() override {
        if (m_chosen)
            setOrientation(*m_chosen);
        return true;
    }

  private:
    std::optional<PageOrientation> m_chosen;
};

// A picture of one colour with a red band down its left side, so that a
// mirrored or shifted print shows.
QImage markedPicture() {
    QImage picture(1009, 657, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    return picture;
}

// The first page of the PDF file as an image of kRenderDpi dots per inch.
QImage renderedPage(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    EXPECT_FALSE(tool.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    const QString stem = pdf + "-page";
    QProcess::execute(tool, {"-r", QString::number(kRenderDpi), "-png", "-singlefile", pdf, stem});
    return QImage(stem + ".png");
}

// The smallest rectangle holding every pixel near the colour.
QRect areaOf(const QImage& page, QRgb colour) {
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(colour)) < 40 && std::abs(qGreen(pixel) - qGreen(colour)) < 40 &&
                std::abs(qBlue(pixel) - qBlue(colour)) < 40)
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

struct Printed {
    QImage page;
    QRectF expected; // in pixels of the rendered page
    PageOrientation afterwards;
    std::vector<QString> boxes;
};

// Prints the picture through "Print drawing" and works out, from the page
// layout alone, where the rectangle (50, 230) to (width - 50, height - 50) of
// the printable area lies on the rendered page.
Printed printThroughTheButton(std::optional<PageOrientation> chosen) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("page.pdf");
    ConfirmingPdfPrinter printer(pdf, chosen);
    FakePlatform fake;
    Program program({fake.dialogs, fake.clock, fake.locale, printer, fake.cursor});
    program.drawingForm.imgPH = markedPicture();
    program.click("btnPrintDrawing");

    Printed printed;
    for (const ShownMessage& box : fake.dialogs.shown)
        printed.boxes.push_back(box.text);
    printed.afterwards = printer.orientation();
    printer.setOrientation(chosen.value_or(PageOrientation::Landscape));
    const QPageLayout layout = printer.pageLayout();
    const double dpi = 1200;
    const QRect printable = layout.paintRectPixels(int(dpi));
    const QRect full = layout.fullRectPixels(int(dpi));
    const QRectF target(printable.left() + 50, printable.top() + 230, printable.width() - 100,
                        printable.height() - 280);
    const double scale = kRenderDpi / dpi;
    printed.expected =
        QRectF(target.left() * scale, target.top() * scale, target.width() * scale, target.height() * scale);
    printed.page = renderedPage(pdf);
    EXPECT_NEAR(printed.page.width(), full.width() * scale, 1.5);
    EXPECT_NEAR(printed.page.height(), full.height() * scale, 1.5);
    return printed;
}

void expectPictureIn(const Printed& printed) {
    const QRect picture = areaOf(printed.page, qRgb(0, 0, 255)) | areaOf(printed.page, qRgb(255, 0, 0));
    EXPECT_NEAR(picture.left(), printed.expected.left(), 1.5);
    EXPECT_NEAR(picture.top(), printed.expected.top(), 1.5);
    EXPECT_NEAR(picture.right() + 1, printed.expected.right(), 1.5);
    EXPECT_NEAR(picture.bottom() + 1, printed.expected.bottom(), 1.5);
    // The red band: the left tenth of the picture, stretched as the rest.
    const QRect band = areaOf(printed.page, qRgb(255, 0, 0));
    EXPECT_NEAR(band.left(), printed.expected.left(), 1.5);
    EXPECT_NEAR(band.width(), printed.expected.width() * 100 / 1009, 1.5);
}

TEST(PrintToPdf, LandscapePageHoldsTheStretchedPicture) {
    const Printed printed = printThroughTheButton(std::nullopt);
    EXPECT_TRUE(printed.boxes.empty());
    EXPECT_GT(printed.page.width(), printed.page.height());
    expectPictureIn(printed);
    EXPECT_EQ(printed.afterwards, PageOrientation::Portrait);
}

TEST(PrintToPdf, PortraitChosenInTheDialog) {
    const Printed printed = printThroughTheButton(PageOrientation::Portrait);
    EXPECT_LT(printed.page.width(), printed.page.height());
    expectPictureIn(printed);
    EXPECT_EQ(printed.afterwards, PageOrientation::Portrait);
}

// The system's page set-up dialog on the printer: cancelling it says so.
TEST(PrintToPdf, PageSetupDialogAnswers) {
    QTemporaryDir folder;
    QtPrinter printer(folder.filePath("page.pdf"));
    for (const bool confirm : {false, true}) {
        QTimer::singleShot(0, [confirm] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            confirm ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(printer.pageSetupDialog(), confirm);
    }
}

} // namespace
} // namespace kovex::test
