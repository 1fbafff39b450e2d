#pragma once

#include "support/KovexError.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// What a handler needs from outside the program: modal boxes, the open-file
// and save-file dialogs, the clock, the user's locale, the printer and the busy cursor. The
// widgets implement these for the real window; the scenario runner and the
// unit tests fake them.
namespace kovex {

// The answers to the question about unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void warning(const QString& text) = 0;  // warning box with OK
    virtual bool question(const QString& text) = 0; // box with Yes and No; true on Yes
    // A question with Save, Discard and Cancel; Escape and closing the box cancel.
    virtual SaveChoice saveDiscardOrCancel(const QString& text) = 0;
    virtual void information(const QString& text) = 0; // information box with OK
    virtual void message(const QString& text) = 0;     // plain box with OK
    virtual void error(const QString& text) = 0;       // the general error handler's box
    // The open-file dialog; nothing when the user cancels.
    virtual std::optional<QString> openFile(const QString& filterDescription, const QString& pattern,
                                            const QString& folder) = 0;
    // The save-file dialog, starting at `suggested` (a path); it confirms
    // replacing an existing file itself. Nothing when the user cancels.
    virtual std::optional<QString> saveFile(const QString& filterDescription, const QString& pattern,
                                            const QString& suggested) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class UserLocale {
  public:
    virtual ~UserLocale() = default;
    // The native name of the user's language ("français", "Nederlands", ...).
    virtual QString nativeLanguageName() const = 0;
    // Qt date and time formats of the user's short date and time.
    virtual QString shortDateFormat() const = 0;
    virtual QString shortTimeFormat() const = 0;
};

enum class PageOrientation { Portrait, Landscape };

// The printer and its page set-up dialog, which changes the printer's own
// settings.
class Printer {
  public:
    virtual ~Printer() = default;
    // False on a system without any printer: the page can go to a PDF file.
    virtual bool installed() const { return true; }
    // The next document goes into this PDF file instead of onto paper.
    virtual void printToPdf(const QString& file) { static_cast<void>(file); }
    virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    // The page set-up dialog on the printer's current settings; it may change
    // the printer, the paper and the orientation. False when cancelled.
    virtual bool pageSetupDialog() = 0;
    // The printable part of the page, in device pixels.
    virtual QSize pageSize() const = 0;
    // A document of one page: the picture stretched into `target` (device
    // pixels), each axis on its own.
    virtual void printPicture(const QImage& picture, const QRect& target) = 0;
};

// Printing on a system without a printer.
inline KovexError noPrinterInstalled() {
    return KovexError(QStringLiteral("There is no printer installed"));
}

class BusyCursor {
  public:
    virtual ~BusyCursor() = default;
    virtual void show() = 0;
    virtual void restore() = 0;
};

// Where no printer is attached (the command-line tools), printing fails as on
// a system without one, and the cursor is nobody's.
class NoPrinter : public Printer {
  public:
    bool installed() const override { return true; }
    PageOrientation orientation() const override { return PageOrientation::Portrait; }
    void setOrientation(PageOrientation) override {}
    bool pageSetupDialog() override { throw noPrinterInstalled(); }
    QSize pageSize() const override { return {}; }
    void printPicture(const QImage&, const QRect&) override { throw noPrinterInstalled(); }
};

// The hourglass for as long as the object lives, errors included.
class BusyCursorShown {
  public:
    explicit BusyCursorShown(BusyCursor& cursor) : m_cursor(cursor) { m_cursor.show(); }
    ~BusyCursorShown() { m_cursor.restore(); }
    BusyCursorShown(const BusyCursorShown&) = delete;
    BusyCursorShown& operator=(const BusyCursorShown&) = delete;

  private:
    BusyCursor& m_cursor;
};

class NoBusyCursor : public BusyCursor {
  public:
    void show() override {}
    void restore() override {}
};

// What the program remembers between runs: the cases opened or saved last,
// the latest first.
class Settings {
  public:
    virtual ~Settings() = default;
    virtual QStringList recentCases() const = 0;
    virtual void setRecentCases(const QStringList& paths) = 0;
};

inline Printer& noPrinter() {
    static NoPrinter printer;
    return printer;
}

inline BusyCursor& noBusyCursor() {
    static NoBusyCursor cursor;
    return cursor;
}

struct Platform {
    Dialogs& dialogs;
    const Clock& clock;
    const UserLocale& locale;
    Printer& printer = noPrinter();
    BusyCursor& cursor = noBusyCursor();
    Settings* settings = nullptr; // none: nothing is remembered, not even for the run
};

} // namespace kovex
