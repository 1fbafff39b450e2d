#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kovex {
class Session;
}

// What the scenarios check of a PDF file (through poppler's own tools, as
// a reader's viewer would see it) and of the whole window.
namespace kovex::scenario {

// pdfinfo's page count; -1 when the file is no PDF.
int pdfPageCount(const QString& file);
// pdftotext of one page (0: all), blanks of a run shown as one.
QString pdfText(const QString& file, int page);
// The page rendered by pdftoppm at `dpi`, without smoothing of lines.
QImage pdfPage(const QString& file, int page, int dpi);

// The colour most of the inked pixels of the last word `word` on the page
// have ("red", "blue", "black", or "other"); empty when the word is not
// there.
QString pdfWordColour(const QString& file, int page, const QString& word);

// How much of the zone picture's coloured lines and marks the two pictures
// fail to share: the share of coloured pixels of either that has no pixel
// of the same colour within two pixels in the other.
double drawingMismatch(const QImage& expected, const QImage& found);

// Every state of the window a user could see or a later action read: the
// controls, the summary grid, the case values, the kept antennas, the
// tables' current records and the drawing window.
QStringList windowState(const Session& p);

} // namespace kovex::scenario
