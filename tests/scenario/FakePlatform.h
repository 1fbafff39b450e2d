#pragma once

#include "LocaleNames.h"
#include "Platform.h"

#include <QDir>
#include <QLocale>
#include <deque>

namespace kovex::scenario {

struct ShownMessage {
    QString kind; // warning, question, information, error
    QString text;
};

// Message boxes are recorded for the scenario to match; questions and the
// open-file dialog take the answers the scenario queued.
class FakeDialogs : public Dialogs {
  public:
    void warning(const QString& text) override { shown.push_back({"warning", text}); }
    bool question(const QString& text) override {
        shown.push_back({"question", text});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void information(const QString& text) override { shown.push_back({"information", text}); }
    void message(const QString& text) override { shown.push_back({"information", text}); }
    void error(const QString& text) override { shown.push_back({"error", text}); }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override {
        if (openResults.empty())
            return std::nullopt;
        const QString chosen = openResults.front();
        openResults.pop_front();
        if (chosen.isNull())
            return std::nullopt;
        return chosen;
    }

    std::deque<ShownMessage> shown;
    std::deque<bool> answers;
    // A null text stands for a cancelled dialog.
    std::deque<QString> openResults;
};

class FakeClock : public Clock {
  public:
    QDateTime now() const override { return current; }
    QDateTime current{QDate(2026, 1, 1), QTime(12, 0)};
};

// The user's locale as Qt's locale data describe it; "C" has no language.
class FakeLocale : public UserLocale {
  public:
    QString nativeLanguageName() const override {
        if (name == QLatin1String("C"))
            return QStringLiteral("C");
        return nativeLanguageNameOf(QLocale(name));
    }
    QString shortDateFormat() const override { return QLocale(name).dateFormat(QLocale::ShortFormat); }
    QString shortTimeFormat() const override { return QLocale(name).timeFormat(QLocale::ShortFormat); }

    QString name = QStringLiteral("en_GB");
};

} // namespace kovex::scenario
