#include "ScenarioRunner.h"

#include "DatabaseChecks.h"
#include "DossierChecks.h"
#include "FakePlatform.h"
#include "FileCommands.h"
#include "ModelCommands.h"
#include "PrintCommands.h"
#include "ScenarioScript.h"
#include "ScenarioWords.h"
#include "app/Program.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <stdexcept>

namespace kovex::scenario {

namespace {

using test::ShownMessage;
using Words = QStringList;

// Whether a command is a user's action, which no message box may be left
// waiting before and which ends with the normal cursor; and whether its
// first word names a control.
enum CommandTraits { kSetUpOrCheck = 0, kUserAction = 1, kOnControl = 2 };

class Runner;

struct Command {
    int traits;
    void (*run)(Runner&, const Words&);
};

class Runner {
  public:
    Runner(QStringList lines, QString dataFolder)
        : m_script(std::move(lines)), m_dataFolder(std::move(dataFolder)) {}

    Outcome run() {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        Outcome outcome;
        try {
            runIn(folder);
        } catch (const Failure& failure) {
            outcome = {false, 0, failure.text};
        } catch (const std::exception& error) {
            outcome = {false, 0, QString::fromStdString(error.what())};
        }
        outcome.line = m_script.commandLine();
        m_program.reset();
        QDir::setCurrent(previous);
        return outcome;
    }

    static const std::map<QString, Command>& commands();

  private:
    void runIn(const QTemporaryDir& folder) {
        if (!folder.isValid())
            fail("a temporary working directory");
        seed(folder.path());
        QDir::setCurrent(folder.path());
        while (const auto words = m_script.nextCommand())
            execute(*words);
        noUnmatchedMessage();
        noUnusedAnswer();
        noUnmatchedPrint();
    }

    // The shipped databases, writable by the owner as an installation's are.
    void seed(const QString& folder) {
        for (const char* name : {"cableloss.mdb", "ant.mdb", "NOCALL_kovex.mdb"}) {
            const QString source = QDir(m_dataFolder).filePath(QString::fromLatin1(name));
            const QString target = QDir(folder).filePath(QString::fromLatin1(name));
            if (QFileInfo::exists(source) && !QFile::copy(source, target))
                fail("a copy of " + source);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
    }

    void execute(const Words& w) {
        const auto found = commands().find(w[0]);
        const int traits = found == commands().end() ? kSetUpOrCheck : found->second.traits;
        if (traits & kUserAction)
            noUnmatchedMessage();
        if (traits & kOnControl) {
            const QString target = arg(w, 1);
            requireKnownControl(program(), target);
        }
        if (found == commands().end())
            fail("a known command, found " + w[0]);
        found->second.run(*this, w);
        if (traits & kUserAction)
            noBusyCursor(w[0]);
    }

    Program& program() {
        if (!m_program)
            fail("start before this line");
        return *m_program;
    }

    void noUnmatchedMessage() {
        if (!m_dialogs.shown.empty()) {
            const ShownMessage& message = m_dialogs.shown.front();
            fail("no more message boxes, found " + message.kind + " " + quoted(message.text));
        }
    }

    // An answer queued for a box or a dialog that never came is a scenario
    // that no longer tests what it says.
    void noUnusedAnswer() {
        if (!m_dialogs.answers.empty() || !m_dialogs.choices.empty())
            fail("every queued answer used by a question box, found one left");
        if (!m_dialogs.openResults.empty())
            fail("every queued open-file result used by a dialog, found one left");
        if (!m_dialogs.saveResults.empty())
            fail("every queued save-file result used by a dialog, found one left");
        if (!m_printer.setupAnswers.empty())
            fail("every queued page set-up answer used by a dialog, found one left");
    }

    void noUnmatchedPrint() {
        if (!m_printer.printed.empty())
            fail("no more printed pages, found one");
    }

    // Every action ends with the normal cursor, failed ones too.
    void noBusyCursor(const QString& action) {
        if (m_cursor.busy != 0)
            fail("the normal cursor after " + action + ", found the busy cursor");
    }

    void setClock(const Words& w) {
        const QDateTime when = QDateTime::fromString(arg(w, 1) + ' ' + arg(w, 2), "yyyy-MM-dd HH:mm");
        if (!when.isValid())
            fail("a date and time as 2026-12-07 21:05");
        m_clock.current = when;
    }

    void start() {
        if (m_program)
            fail("a single start");
        m_program = std::make_unique<Program>(
            Platform{m_dialogs, m_clock, m_locale, m_printer, m_cursor, &m_settings});
        m_program->start();
        m_program->firstShow();
    }

    // Closes the program as the Close button does, which may ask to save the
    // case first, and starts a new one in the same working folder.
    void restart() {
        program().click("btnClose");
        if (!m_program->mainWindowClosed)
            fail("the program closed by restart, it stayed open");
        m_program.reset();
        start();
    }

    // "yes|no" for a question box; "save|discard|cancel" for the question
    // about unsaved changes.
    void queueAnswer(const QString& word) {
        static const std::map<QString, SaveChoice> choices{
            {"save", SaveChoice::Save}, {"discard", SaveChoice::Discard}, {"cancel", SaveChoice::Cancel}};
        const auto choice = choices.find(word);
        if (choice != choices.end())
            m_dialogs.choices.push_back(choice->second);
        else
            m_dialogs.answers.push_back(parseBool(word));
    }

    // A file of the working folder, or "cancel" for a cancelled dialog.
    static void queueFile(std::deque<QString>& results, const QString& name) {
        results.push_back(name == "cancel" ? QString() : QDir::current().absoluteFilePath(name));
    }

    // The next message box shown, of that kind ("information", "warning",
    // "error", "question"), with that text or a text containing it.
    void expectMessage(const QString& kind, const QString& text, bool part) {
        if (m_dialogs.shown.empty())
            fail(kind + " message " + quoted(text) + ", found no message box");
        const ShownMessage message = m_dialogs.shown.front();
        m_dialogs.shown.pop_front();
        const bool matches =
            message.kind == kind && (part ? message.text.contains(text) : message.text == text);
        if (!matches)
            fail(kind + " message " + (part ? "containing " : "") + quoted(text) + ", found " + message.kind +
                 " " + quoted(message.text));
    }

    void expectWindowUnchanged() {
        const QStringList now = windowState(program());
        for (int i = 0; i < std::max(now.size(), m_rememberedWindow.size()); ++i)
            if (i >= now.size() || i >= m_rememberedWindow.size() || now[i] != m_rememberedWindow[i])
                fail("the window as remembered: " + m_rememberedWindow.value(i) + ", found " + now.value(i));
    }

    Script m_script;
    QString m_dataFolder;
    test::FakeDialogs m_dialogs;
    test::FakeClock m_clock;
    test::FakeLocale m_locale;
    test::FakePrinter m_printer;
    test::FakeBusyCursor m_cursor;
    test::FakeSettings m_settings;
    std::unique_ptr<Program> m_program;
    QStringList m_rememberedWindow;
};

// Every command by name: what it is and what it does with its words.
const std::map<QString, Command>& Runner::commands() {
    using R = Runner;
    static const std::map<QString, Command> table{
        // The platform and the working folder.
        {"locale", {kSetUpOrCheck, [](R& r, const Words& w) { r.m_locale.name = arg(w, 1); }}},
        {"clock", {kSetUpOrCheck, [](R& r, const Words& w) { r.setClock(w); }}},
        {"printer", {kSetUpOrCheck, [](R& r, const Words& w) { setPrinter(r.m_printer, w); }}},
        {"without", {kSetUpOrCheck, [](R&, const Words& w) { QFile::remove(arg(w, 1)); }}},
        {"sql", {kSetUpOrCheck, [](R&, const Words& w) { runSql(arg(w, 1), arg(w, 2)); }}},
        {"file",
         {kSetUpOrCheck,
          [](R& r, const Words& w) {
              const QString name = arg(w, 1);
              writeFile(name, r.m_script.block());
          }}},
        {"copy-file", {kSetUpOrCheck, [](R&, const Words& w) { copyFile(arg(w, 1), arg(w, 2)); }}},
        {"make-folder", {kSetUpOrCheck, [](R&, const Words& w) { makeFolder(arg(w, 1)); }}},
        {"replace-in-file",
         {kSetUpOrCheck, [](R&, const Words& w) { replaceInFile(arg(w, 1), arg(w, 2), arg(w, 3)); }}},
        {"cut-file", {kSetUpOrCheck, [](R&, const Words& w) { cutFile(arg(w, 1), parseInt(arg(w, 2))); }}},
        {"fill-disk", {kSetUpOrCheck, [](R&, const Words&) { fillDisk(); }}},
        {"file-size-limit", {kSetUpOrCheck, [](R&, const Words& w) { limitFileSize(arg(w, 1)); }}},
        {"umask", {kSetUpOrCheck, [](R&, const Words& w) { setUmask(parseOctal(arg(w, 1))); }}},
        {"chmod", {kSetUpOrCheck, [](R&, const Words& w) { changeMode(arg(w, 1), parseOctal(arg(w, 2))); }}},
        {"link", {kSetUpOrCheck, [](R&, const Words& w) { makeLink(arg(w, 1), arg(w, 2)); }}},
        {"make-fifo", {kSetUpOrCheck, [](R&, const Words& w) { makeFifo(arg(w, 1)); }}},
        // The user's actions.
        {"start", {kUserAction, [](R& r, const Words&) { r.start(); }}},
        {"restart", {kUserAction, [](R& r, const Words&) { r.restart(); }}},
        {"type",
         {kUserAction | kOnControl, [](R& r, const Words& w) { r.program().type(arg(w, 1), arg(w, 2)); }}},
        {"type-repeated",
         {kUserAction | kOnControl,
          [](R& r, const Words& w) {
              r.program().type(arg(w, 1), arg(w, 2).repeated(parseInt(arg(w, 3))));
          }}},
        {"select",
         {kUserAction | kOnControl,
          [](R& r, const Words& w) { selectItem(r.program(), arg(w, 1), arg(w, 2)); }}},
        {"click", {kUserAction | kOnControl, [](R& r, const Words& w) { r.program().click(arg(w, 1)); }}},
        {"leave", {kUserAction | kOnControl, [](R& r, const Words& w) { r.program().leave(arg(w, 1)); }}},
        {"focus", {kUserAction | kOnControl, [](R& r, const Words& w) { r.program().focus(arg(w, 1)); }}},
        {"show", {kUserAction | kOnControl, [](R& r, const Words& w) { r.program().showPage(arg(w, 1)); }}},
        {"updown", {kUserAction, [](R& r, const Words& w) { r.program().upDown(arg(w, 1) == "up"); }}},
        {"set", {kOnControl, [](R& r, const Words& w) { setProperty(r.program(), arg(w, 1), arg(w, 2)); }}},
        // The answers to the dialogs still to come.
        {"answer", {kSetUpOrCheck, [](R& r, const Words& w) { r.queueAnswer(arg(w, 1)); }}},
        {"open-file",
         {kSetUpOrCheck, [](R& r, const Words& w) { queueFile(r.m_dialogs.openResults, arg(w, 1)); }}},
        {"save-file",
         {kSetUpOrCheck, [](R& r, const Words& w) { queueFile(r.m_dialogs.saveResults, arg(w, 1)); }}},
        {"page-setup", {kSetUpOrCheck, [](R& r, const Words& w) { queuePageSetup(r.m_printer, w); }}},
        // Checks of the model and the message boxes.
        {"expect",
         {kOnControl, [](R& r, const Words& w) { expectProperty(r.program(), arg(w, 1), arg(w, 2)); }}},
        {"expect-value", {kSetUpOrCheck, [](R& r, const Words& w) { expectValue(r.program(), w); }}},
        {"expect-message",
         {kSetUpOrCheck, [](R& r, const Words& w) { r.expectMessage(arg(w, 1), arg(w, 2), false); }}},
        {"expect-message-containing",
         {kSetUpOrCheck, [](R& r, const Words& w) { r.expectMessage(arg(w, 1), arg(w, 2), true); }}},
        {"remember-window",
         {kSetUpOrCheck, [](R& r, const Words&) { r.m_rememberedWindow = windowState(r.program()); }}},
        {"expect-window-unchanged", {kSetUpOrCheck, [](R& r, const Words&) { r.expectWindowUnchanged(); }}},
        // Checks of the files.
        {"expect-file",
         {kSetUpOrCheck,
          [](R& r, const Words& w) {
              const QString name = arg(w, 1);
              expectFile(name, r.m_script.block());
          }}},
        {"expect-no-file", {kSetUpOrCheck, [](R&, const Words& w) { expectNoFile(arg(w, 1)); }}},
        {"expect-same-file",
         {kSetUpOrCheck, [](R&, const Words& w) { expectSameFile(arg(w, 1), arg(w, 2)); }}},
        {"expect-link",
         {kSetUpOrCheck, [](R&, const Words& w) { expectLink(arg(w, 1), parseBool(arg(w, 2))); }}},
        {"expect-mode", {kSetUpOrCheck, [](R&, const Words& w) { expectMode(arg(w, 1), arg(w, 2)); }}},
        {"expect-entries", {kSetUpOrCheck, [](R&, const Words& w) { expectEntries(arg(w, 1)); }}},
        {"expect-query",
         {kSetUpOrCheck,
          [](R& r, const Words& w) {
              const QString name = arg(w, 1);
              const QString query = arg(w, 2);
              expectQuery(name, query, r.m_script.block());
          }}},
        {"expect-mdb-export",
         {kSetUpOrCheck,
          [](R& r, const Words& w) {
              const QString name = arg(w, 1);
              const QString tableName = arg(w, 2);
              expectMdbExport(name, tableName, r.m_script.block());
          }}},
        // Checks of what was printed and drawn.
        {"expect-pixel", {kSetUpOrCheck, [](R& r, const Words& w) { expectPixel(r.program(), w); }}},
        {"expect-printer",
         {kSetUpOrCheck, [](R& r, const Words& w) { expectPrinter(r.m_printer, arg(w, 1)); }}},
        {"expect-printed",
         {kSetUpOrCheck, [](R& r, const Words& w) { expectPrinted(r.m_printer, r.program(), w); }}},
        {"expect-pdf", {kSetUpOrCheck, [](R& r, const Words& w) { expectPdf(r.m_printer, arg(w, 1)); }}},
        {"expect-pdf-pages",
         {kSetUpOrCheck, [](R&, const Words& w) { expectPdfPages(arg(w, 1), parseInt(arg(w, 2))); }}},
        {"expect-pdf-text",
         {kSetUpOrCheck,
          [](R& r, const Words& w) {
              const QString name = arg(w, 1);
              const int page = parseInt(arg(w, 2));
              expectPdfText(name, page, r.m_script.block());
          }}},
        {"expect-pdf-drawing", {kSetUpOrCheck, [](R&, const Words& w) { expectPdfDrawing(w, true); }}},
        {"expect-pdf-drawing-differs",
         {kSetUpOrCheck, [](R&, const Words& w) { expectPdfDrawing(w, false); }}},
        {"expect-pdf-word-colour", {kSetUpOrCheck, [](R&, const Words& w) { expectPdfWordColour(w); }}},
    };
    return table;
}

} // namespace

Outcome runScenarioFile(const QString& path, const QString& dataFolder) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {false, 0, "a readable scenario file"};
    return Runner(scriptLines(file.readAll()), dataFolder).run();
}

QStringList commandNames() {
    QStringList names;
    for (const auto& entry : Runner::commands())
        names << entry.first;
    return names;
}

} // namespace kovex::scenario
