#include "PrintCommands.h"

#include "DossierChecks.h"
#include "FakePlatform.h"
#include "ScenarioFailure.h"
#include "ScenarioWords.h"
#include "TextChecks.h"
#include "app/Program.h"
#include "drawing/Dossier.h"

#include <QDir>
#include <QImage>

namespace kovex::scenario {

// "failing": printing fails; "missing": no printer is installed.
void setPrinter(test::FakePrinter& printer, const QStringList& words) {
    printer.current = parseOrientation(arg(words, 1));
    printer.fails = words.size() > 2 && arg(words, 2) == "failing";
    printer.missing = words.size() > 2 && arg(words, 2) == "missing";
}

// The answer to the next page set-up dialog.
void queuePageSetup(test::FakePrinter& printer, const QStringList& words) {
    const QString answer = arg(words, 1);
    if (answer != "ok" && answer != "cancel")
        fail("ok or cancel, not " + answer);
    test::FakePrinter::SetupAnswer queued{answer == "ok", std::nullopt};
    if (words.size() > 2)
        queued.orientation = parseOrientation(arg(words, 2));
    printer.setupAnswers.push_back(queued);
}

void expectPrinter(const test::FakePrinter& printer, const QString& orientation) {
    compare(orientationName(printer.current), orientation);
}

// The next printed page: the drawing window's picture stretched into that
// rectangle (right and bottom just outside it).
void expectPrinted(test::FakePrinter& printer, const Program& p, const QStringList& words) {
    if (printer.printed.empty())
        fail("a printed page, found none");
    const test::PrintedPage page = printer.printed.front();
    printer.printed.pop_front();
    const QRect& t = page.target;
    const QString found = QString("%1 %2 %3 %4 %5")
                              .arg(orientationName(page.orientation))
                              .arg(t.left())
                              .arg(t.top())
                              .arg(t.left() + t.width())
                              .arg(t.top() + t.height());
    compare(found, QStringList(words.mid(1)).join(' '));
    if (page.picture != p.drawingForm.imgPH)
        fail("the drawing window's picture printed, found another");
}

// The PDF file the next page went into, by its name in the working folder.
void expectPdf(test::FakePrinter& printer, const QString& name) {
    if (printer.pdfFiles.empty())
        fail("a page printed to a PDF file, found none");
    const QString file = printer.pdfFiles.front();
    printer.pdfFiles.pop_front();
    compare(QDir::current().relativeFilePath(file), name);
}

// A pixel of the drawing window's picture or of a bitmap file.
void expectPixel(const Program& p, const QStringList& words) {
    const QString source = arg(words, 1);
    const QImage image = source == "imgPH" ? p.drawingForm.imgPH : QImage(source, "BMP");
    if (image.isNull())
        fail("a picture in " + source);
    const int x = parseInt(arg(words, 2));
    const int y = parseInt(arg(words, 3));
    if (!image.valid(x, y))
        fail(QString("a pixel (%1, %2) inside the picture").arg(x).arg(y));
    const QRgb found = image.pixel(x, y);
    if ((found & 0xffffff) != (parseColour(arg(words, 4)) & 0xffffff))
        fail(arg(words, 4) + " at " + QString("(%1, %2)").arg(x).arg(y) + ", found " + colourName(found));
}

void expectPdfPages(const QString& file, int pages) {
    const int found = pdfPageCount(file);
    if (found != pages)
        fail(QString("%1 pages in %2, found %3").arg(pages).arg(file).arg(found));
}

// The block's lines, each on a line of the page's text (0: the whole file)
// in this order; blanks of a run count as one.
void expectPdfText(const QString& file, int page, const QStringList& block) {
    const auto missing = firstMissingInOrder(block, pdfText(file, page).split('\n'));
    if (missing)
        fail(QString("%1 on page %2 of %3 after the lines before it")
                 .arg(quoted(*missing))
                 .arg(page)
                 .arg(file));
}

// The zone picture on that page, rendered at 150 dpi, over the saved
// bitmap; lines and labels may move by two pixels, a few pixels may differ
// with the smoothing of text.
void expectPdfDrawing(const QStringList& words, bool same) {
    const QImage page = pdfPage(arg(words, 1), parseInt(arg(words, 2)), 150);
    const QImage bitmap = QImage(arg(words, 3), "BMP").convertToFormat(QImage::Format_RGB32);
    if (page.isNull() || bitmap.isNull())
        fail("a page " + arg(words, 2) + " of " + arg(words, 1) + " and a bitmap " + arg(words, 3));
    const QRectF box = dossier::drawingRect();
    const QRect pixels(qRound(box.left() * 150 / 72), qRound(box.top() * 150 / 72), bitmap.width(),
                       bitmap.height());
    // The title band carries the date and the antenna's own number.
    const int band = 78;
    const double mismatch = drawingMismatch(bitmap.copy(0, band, bitmap.width(), bitmap.height() - band),
                                            page.copy(pixels.adjusted(0, band, 0, 0)));
    if (same && mismatch > 0.02)
        fail(QString("the drawing of %1 on page %2, found %3 % of its coloured pixels elsewhere")
                 .arg(arg(words, 3), arg(words, 2))
                 .arg(100 * mismatch, 0, 'f', 1));
    if (!same && mismatch < 0.2)
        fail(QString("another drawing than %1 on page %2, found only %3 % of its coloured pixels elsewhere")
                 .arg(arg(words, 3), arg(words, 2))
                 .arg(100 * mismatch, 0, 'f', 1));
}

// The last such word on the page is printed mostly in that colour.
void expectPdfWordColour(const QStringList& words) {
    const QString found = pdfWordColour(arg(words, 1), parseInt(arg(words, 2)), arg(words, 3));
    if (found != arg(words, 4))
        fail(QString("%1 in %2 on page %3, found %4")
                 .arg(arg(words, 3), arg(words, 4), arg(words, 2), found.isEmpty() ? "no such word" : found));
}

} // namespace kovex::scenario
