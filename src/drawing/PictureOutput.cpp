#include "drawing/PictureOutput.h"

#include "model/ControlNames.h"
#include "records/TpaiFile.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <optional>

namespace kovex {

namespace {

// The print rectangle leaves room above the picture for notes by hand.
constexpr int kPrintMarginPx = 50;
constexpr int kPrintTopPx = 230;

// Puts the printer back to the orientation it had, whatever happened in
// between.
class OrientationKept {
  public:
    explicit OrientationKept(Printer& printer) : m_printer(printer), m_orientation(printer.orientation()) {}
    ~OrientationKept() {
        try {
            m_printer.setOrientation(m_orientation);
        } catch (const std::exception&) {
            // The error that ended the printing is the one to show.
        }
    }
    OrientationKept(const OrientationKept&) = delete;
    OrientationKept& operator=(const OrientationKept&) = delete;

  private:
    Printer& m_printer;
    PageOrientation m_orientation;
};

// The whole bitmap is made in memory first: the image writer does not check
// every write it makes, so writing it to the file directly could leave a
// shorter file than its header says. 32-bit pixels are written as a 24-bit
// bitmap.
QByteArray bitmapBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        wholefile::failPlainly(wholefile::Fault::WriteFailed);
    return bytes;
}

bool noDrawingYet(Session& p) {
    if (!p.drawingForm.imgPH.isNull())
        return false;
    p.platform.dialogs.information(kNoDrawingYet);
    return true;
}

// Without a printer the page goes into a PDF file the user names, after the
// callsign and the antenna number by default, named in `pdf`; false when
// the user cancels.
bool pdfChosenWithoutPrinter(Session& p, QString& pdf) {
    Printer& printer = p.platform.printer;
    if (printer.installed())
        return true;
    const QString suggested = p.mainForm.text(ui::edtCallsign) + QLatin1Char('_') +
                              p.mainForm.text(ui::edtAntNr) + QStringLiteral(".pdf");
    const std::optional<QString> chosen = p.platform.dialogs.saveFile(
        QStringLiteral("PDF file"), QStringLiteral("*.pdf"), QDir::current().filePath(suggested));
    if (!chosen)
        return false;
    pdf = *chosen;
    printer.printToPdf(pdf);
    return true;
}

} // namespace

QString drawingFileName(const MainForm& f) {
    return f.text(ui::edtCallsign) + QLatin1Char('_') + QString::number(f.integer(ui::edtAntNr)) +
           QStringLiteral(".jpeg");
}

void btnSaveDrawingClick(Session& p) {
    if (noDrawingYet(p))
        return;
    const QString name = drawingFileName(p.mainForm);
    tpai::checkFileName(p.mainForm.text(ui::edtCallsign), name);
    {
        const BusyCursorShown busy(p.platform.cursor);
        wholefile::saveOrFail(name, bitmapBytes(p.drawingForm.imgPH));
    }
    p.mainForm.noteWrittenFiles({name});
    p.platform.dialogs.message(name + QStringLiteral(" saved !"));
}

// A cancelled page set-up cancels the printing.
void btnPrintDrawingClick(Session& p) {
    if (noDrawingYet(p))
        return;
    QString pdf;
    if (!pdfChosenWithoutPrinter(p, pdf))
        return;
    Printer& printer = p.platform.printer;
    const OrientationKept kept(printer);
    printer.setOrientation(PageOrientation::Landscape);
    if (!printer.pageSetupDialog())
        return;
    const QSize page = printer.pageSize();
    printer.printPicture(p.drawingForm.imgPH, QRect(QPoint(kPrintMarginPx, kPrintTopPx),
                                                    QPoint(page.width() - kPrintMarginPx - 1,
                                                           page.height() - kPrintMarginPx - 1)));
    if (!pdf.isEmpty())
        p.mainForm.noteWrittenFiles({pdf});
}

} // namespace kovex
