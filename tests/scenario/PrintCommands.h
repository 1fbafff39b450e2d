#pragma once

#include <QString>
#include <QStringList>

namespace kovex {
class Program;
namespace test {
class FakePrinter;
}
} // namespace kovex

// The commands on the printer, the pages printed, the PDF files written and
// the pictures drawn.
namespace kovex::scenario {

// "printer portrait|landscape [failing|missing]".
void setPrinter(test::FakePrinter& printer, const QStringList& words);
// "page-setup ok|cancel [portrait|landscape]".
void queuePageSetup(test::FakePrinter& printer, const QStringList& words);
// "expect-printer portrait|landscape".
void expectPrinter(const test::FakePrinter& printer, const QString& orientation);
// "expect-printed ORIENTATION LEFT TOP RIGHT BOTTOM".
void expectPrinted(test::FakePrinter& printer, const Program& p, const QStringList& words);
// "expect-pdf NAME".
void expectPdf(test::FakePrinter& printer, const QString& name);

// "expect-pixel imgPH|BITMAP X Y COLOUR".
void expectPixel(const Program& p, const QStringList& words);

// "expect-pdf-pages FILE PAGES".
void expectPdfPages(const QString& file, int pages);
// "expect-pdf-text FILE PAGE" with a block.
void expectPdfText(const QString& file, int page, const QStringList& block);
// "expect-pdf-drawing FILE PAGE BITMAP", or "-differs" when `same` is false.
void expectPdfDrawing(const QStringList& words, bool same);
// "expect-pdf-word-colour FILE PAGE WORD COLOUR".
void expectPdfWordColour(const QStringList& words);

} // namespace kovex::scenario
