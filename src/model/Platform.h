#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// What a handler needs from outside the program: modal boxes, the open-file
// dialog, the clock and the user's locale. The widgets implement these for the
// real window; the scenario runner and the unit tests fake them.
namespace kovex {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void warning(const QString& text) = 0;     // warning box with OK
    virtual bool question(const QString& text) = 0;    // box with Yes and No; true on Yes
    virtual void information(const QString& text) = 0; // information box with OK
    virtual void message(const QString& text) = 0;     // plain box with OK
    virtual void error(const QString& text) = 0;       // the general error handler's box
    // The open-file dialog; nothing when the user cancels.
    virtual std::optional<QString> openFile(const QString& filterDescription, const QString& pattern,
                                            const QString& folder) = 0;
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

struct Platform {
    Dialogs& dialogs;
    const Clock& clock;
    const UserLocale& locale;
};

} // namespace kovex
