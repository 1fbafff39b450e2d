#include "gui/QtPlatform.h"

#include "gui/ControlView.h"
#include "support/KovexError.h"
#include "support/LocaleNames.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinterInfo>
#include <QSettings>
#include <memory>
#include <utility>

namespace kovex {

namespace {

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, withWidgetLineBreaks(text), buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtDialogs::warning(const QString& text) {
    showBox(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

bool QtDialogs::question(const QString& text) {
    return showBox(QMessageBox::Warning, QStringLiteral("Warning"), text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Qt's own buttons; with Cancel among them, Escape and the close box of the
// question cancel.
SaveChoice QtDialogs::saveDiscardOrCancel(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), withWidgetLineBreaks(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void QtDialogs::information(const QString& text) {
    showBox(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

void QtDialogs::message(const QString& text) {
    showBox(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok);
}

void QtDialogs::error(const QString& text) {
    showBox(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

std::optional<QString> QtDialogs::openFile(const QString& filterDescription, const QString& pattern,
                                           const QString& folder) {
    const QString filter = QStringLiteral("%1 (%2)").arg(filterDescription, pattern);
    const QString path =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

// A name typed without the extension of the pattern ("*.kovex") gets it,
// and the dialog asks before it replaces a file of that name.
std::optional<QString> QtDialogs::saveFile(const QString& filterDescription, const QString& pattern,
                                           const QString& suggested) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), suggested,
                       QStringLiteral("%1 (%2)").arg(filterDescription, pattern));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (pattern.startsWith(QLatin1String("*.")))
        dialog.setDefaultSuffix(pattern.mid(2));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

QDateTime QtClock::now() const {
    return QDateTime::currentDateTime();
}

QtPrinter::QtPrinter(const QString& pdfFile) {
    if (pdfFile.isEmpty())
        return;
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(pdfFile);
    m_toFile = true;
}

QPrinter& QtPrinter::printer() const {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool QtPrinter::installed() const {
    return m_toFile || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtPrinter::printToPdf(const QString& file) {
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(file);
    m_toChosenPdf = true;
}

// Without a printer Qt would print to a PDF file of no name; the user is
// told instead.
void QtPrinter::requirePrinter() const {
    if (!m_toFile && !m_toChosenPdf && QPrinterInfo::availablePrinterNames().isEmpty())
        throw noPrinterInstalled();
}

PageOrientation QtPrinter::orientation() const {
    return printer().pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                          : PageOrientation::Portrait;
}

void QtPrinter::setOrientation(PageOrientation orientation) {
    printer().setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

bool QtPrinter::pageSetupDialog() {
    requirePrinter();
    QPageSetupDialog dialog(&printer(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

// The device's own size is its printable part, where a painter on it starts.
QSize QtPrinter::pageSize() const {
    return {printer().width(), printer().height()};
}

void QtPrinter::printPicture(const QImage& picture, const QRect& target) {
    requirePrinter();
    // The file chosen is for this document only: the next asks again, or
    // goes to a printer installed meanwhile, never over this file.
    const bool toChosenPdf = std::exchange(m_toChosenPdf, false);
    struct BackToPaper {
        QPrinter& printer;
        bool active;
        ~BackToPaper() {
            if (active) {
                printer.setOutputFileName(QString());
                printer.setOutputFormat(QPrinter::NativeFormat);
            }
        }
    } backToPaper{printer(), toChosenPdf};
    QPainter painter;
    if (!painter.begin(&printer()))
        throw toChosenPdf ? noPrinterInstalled() : KovexError(QStringLiteral("Printing aborted"));
    painter.drawImage(target, picture);
    if (!painter.end())
        throw KovexError(QStringLiteral("Printing aborted"));
}

void QtBusyCursor::show() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursor::restore() {
    QApplication::restoreOverrideCursor();
}

namespace {

const QString kRecentCasesKey = QStringLiteral("recentCases");

std::unique_ptr<QSettings> settingsIn(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("kovex"), QStringLiteral("kovex"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

QtSettings::QtSettings(const QString& file) : m_file(file) {}

QStringList QtSettings::recentCases() const {
    return settingsIn(m_file)->value(kRecentCasesKey).toStringList();
}

void QtSettings::setRecentCases(const QStringList& paths) {
    settingsIn(m_file)->setValue(kRecentCasesKey, paths);
}

// The language alone counts, not its regional variant: Qt names Flemish
// Dutch "Vlaams", yet the user's language is "Nederlands".
QString QtUserLocale::nativeLanguageName() const {
    return nativeLanguageNameOf(QLocale::system());
}

QString QtUserLocale::shortDateFormat() const {
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString QtUserLocale::shortTimeFormat() const {
    return QLocale::system().timeFormat(QLocale::ShortFormat);
}

} // namespace kovex
