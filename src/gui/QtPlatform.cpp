#include "gui/QtPlatform.h"

#include "gui/ControlView.h"
#include "support/LocaleNames.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>

namespace kovex {

namespace {

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, displayText(text), buttons, QApplication::activeWindow());
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

QDateTime QtClock::now() const {
    return QDateTime::currentDateTime();
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
