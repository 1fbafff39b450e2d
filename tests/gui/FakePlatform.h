#pragma once

#include "Platform.h"

#include <QStringList>

namespace kovex::test {

// Records every box instead of showing it.
class RecordingDialogs : public Dialogs {
  public:
    void warning(const QString& text) override { shown << "warning: " + text; }
    bool question(const QString& text) override {
        shown << "question: " + text;
        return true;
    }
    void information(const QString& text) override { shown << "information: " + text; }
    void message(const QString& text) override { shown << "message: " + text; }
    void error(const QString& text) override { shown << "error: " + text; }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return {}; }

    QStringList shown;
};

class FixedClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2005, 12, 12), QTime(10, 30)); }
};

class EnglishLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override { return QStringLiteral("English"); }
    QString shortDateFormat() const override { return QStringLiteral("dd/MM/yyyy"); }
    QString shortTimeFormat() const override { return QStringLiteral("HH:mm"); }
};

struct FakePlatform {
    RecordingDialogs dialogs;
    FixedClock clock;
    EnglishLocale locale;
    Platform platform() { return {dialogs, clock, locale}; }
};

} // namespace kovex::test
