#pragma once

#include "model/Platform.h"
#include "support/LocaleNames.h"

#include <QDir>
#include <QLocale>
#include <QStringList>
#include <deque>

namespace kovex::test {

struct ShownMessage {
    QString kind; // warning, question, information, error
    QString text;
};

// Message boxes are recorded for the test to match; questions and the
// file dialogs take the answers the test queued, and a question asked
// beyond them takes `unqueuedAnswer`. A dialog with no answer queued is
// cancelled.
class FakeDialogs : public Dialogs {
  public:
    void warning(const QString& text) override { shown.push_back({"warning", text}); }
    bool question(const QString& text) override {
        shown.push_back({"question", text});
        if (answers.empty())
            return unqueuedAnswer;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    // The question about unsaved changes reads as a question; a queued
    // choice answers it, else a queued Yes saves and No discards.
    SaveChoice saveDiscardOrCancel(const QString& text) override {
        if (choices.empty())
            return question(text) ? SaveChoice::Save : SaveChoice::Discard;
        shown.push_back({"question", text});
        const SaveChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
    void information(const QString& text) override { shown.push_back({"information", text}); }
    // A plain box reads as an information box: both show one text with OK.
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

    std::optional<QString> saveFile(const QString&, const QString&, const QString& suggested) override {
        suggestions.push_back(suggested);
        if (saveResults.empty())
            return std::nullopt;
        const QString chosen = saveResults.front();
        saveResults.pop_front();
        if (chosen.isNull())
            return std::nullopt;
        return chosen;
    }

    std::deque<ShownMessage> shown;
    QStringList texts(const QString& kind) const {
        QStringList found;
        for (const ShownMessage& box : shown)
            if (box.kind == kind)
                found << box.text;
        return found;
    }

    std::deque<bool> answers;
    std::deque<SaveChoice> choices;
    bool unqueuedAnswer = false;
    // A null text stands for a cancelled dialog.
    std::deque<QString> openResults;
    std::deque<QString> saveResults;
    // What each save dialog started at.
    QStringList suggestions;
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

struct PrintedPage {
    PageOrientation orientation = PageOrientation::Portrait;
    QRect target;
    QImage picture;
};

// A printer of pages whose printable part is 4800 x 6800 device pixels. Its
// page set-up dialog takes the answers the test queued and is cancelled when
// there is none; an answer may change the orientation.
class FakePrinter : public Printer {
  public:
    struct SetupAnswer {
        bool confirmed = false;
        std::optional<PageOrientation> orientation;
    };

    bool installed() const override { return !missing; }
    void printToPdf(const QString& file) override { pdfFiles.push_back(file); }
    PageOrientation orientation() const override { return current; }
    void setOrientation(PageOrientation orientation) override { current = orientation; }
    bool pageSetupDialog() override {
        ++setupDialogsShown;
        if (setupAnswers.empty())
            return false;
        const SetupAnswer answer = setupAnswers.front();
        setupAnswers.pop_front();
        current = answer.orientation.value_or(current);
        return answer.confirmed;
    }
    QSize pageSize() const override {
        return current == PageOrientation::Portrait ? QSize(4800, 6800) : QSize(6800, 4800);
    }
    void printPicture(const QImage& picture, const QRect& target) override {
        if (fails)
            throw KovexError(QStringLiteral("Printing aborted"));
        printed.push_back({current, target, picture});
    }

    PageOrientation current = PageOrientation::Portrait;
    std::deque<SetupAnswer> setupAnswers;
    int setupDialogsShown = 0;
    std::deque<PrintedPage> printed;
    bool fails = false;
    // No printer installed: the pages go to the PDF files named here.
    bool missing = false;
    QStringList pdfFiles;
};

class FakeSettings : public Settings {
  public:
    QStringList recentCases() const override { return recent; }
    void setRecentCases(const QStringList& paths) override { recent = paths; }
    QStringList recent;
};

// Counts how often the hourglass was shown and how many are still up.
class FakeBusyCursor : public BusyCursor {
  public:
    void show() override {
        ++shown;
        ++busy;
    }
    void restore() override { --busy; }

    int shown = 0;
    int busy = 0;
};

// The fakes as one platform, for a test that needs no particular one.
struct FakePlatform {
    FakeDialogs dialogs;
    FakeClock clock;
    FakeLocale locale;
    FakePrinter printer;
    FakeBusyCursor cursor;
    FakeSettings settings;
    Platform platform() { return {dialogs, clock, locale, printer, cursor, &settings}; }
};

} // namespace kovex::test
