#pragma once

#include "model/Platform.h"

namespace kovex {

// Modal message boxes over the active window and the open-file dialog.
class QtDialogs : public Dialogs {
  public:
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    void information(const QString& text) override;
    void message(const QString& text) override;
    void error(const QString& text) override;
    std::optional<QString> openFile(const QString& filterDescription, const QString& pattern,
                                    const QString& folder) override;
};

class QtClock : public Clock {
  public:
    QDateTime now() const override;
};

class QtUserLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override;
    QString shortDateFormat() const override;
    QString shortTimeFormat() const override;
};

} // namespace kovex
