#pragma once

#include "model/Platform.h"

#include <QPrinter>
#include <memory>

namespace kovex {

// Modal message boxes over the active window and the file dialogs.
class QtDialogs : public Dialogs {
  public:
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    SaveChoice saveDiscardOrCancel(const QString& text) override;
    void information(const QString& text) override;
    void message(const QString& text) override;
    void error(const QString& text) override;
    std::optional<QString> openFile(const QString& filterDescription, const QString& pattern,
                                    const QString& folder) override;
    std::optional<QString> saveFile(const QString& filterDescription, const QString& pattern,
                                    const QString& suggested) override;
};

class QtClock : public Clock {
  public:
    QDateTime now() const override;
};

// The system's default printer, or a PDF file when one is named (a system
// without a printer, the tests).
class QtPrinter : public Printer {
  public:
    explicit QtPrinter(const QString& pdfFile = QString());
    bool installed() const override;
    void printToPdf(const QString& file) override;
    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    bool pageSetupDialog() override;
    QSize pageSize() const override;
    void printPicture(const QImage& picture, const QRect& target) override;
    // Paper, orientation and margins as they stand.
    QPageLayout pageLayout() const { return printer().pageLayout(); }

  private:
    void requirePrinter() const;
    // Made when first needed: making it loads the print system, which costs
    // the start of the program several milliseconds and megabytes.
    QPrinter& printer() const;

    mutable std::unique_ptr<QPrinter> m_printer;
    bool m_toFile = false;
    // The next document goes to a PDF file the user chose for want of a printer.
    bool m_toChosenPdf = false;
};

// The hourglass over every window of the program.
class QtBusyCursor : public BusyCursor {
  public:
    void show() override;
    void restore() override;
};

// The recent cases in the user's settings of the program, or in the file
// named (the tests, which leave the user's own settings alone).
class QtSettings : public Settings {
  public:
    explicit QtSettings(const QString& file = QString());
    QStringList recentCases() const override;
    void setRecentCases(const QStringList& paths) override;

  private:
    QString m_file;
};

class QtUserLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override;
    QString shortDateFormat() const override;
    QString shortTimeFormat() const override;
};

} // namespace kovex
