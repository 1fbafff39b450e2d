// kovex-sweep: types every text of a hostile list into every editable field
// of the main window, each in turn, and then runs every handler of the
// program, answering the question boxes yes in one round and no in the next.
// It fails on a handler that shows more than one box for one failure, on a
// file written outside the working folder, and on a file left half-written;
// a crash or undefined behaviour stops it (the sanitizer build reports it).
#include "FakePlatform.h"
#include "app/Program.h"
#include "model/MainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace kovex;

namespace {

QStringList hostileTexts() {
    return {QString(),
            QStringLiteral("   "),
            QStringLiteral("0,5"),
            QStringLiteral("1e309"),
            QStringLiteral("-1e309"),
            QStringLiteral("nan"),
            QStringLiteral("inf"),
            QStringLiteral("-0"),
            QString(100000, QLatin1Char('9')),
            QStringLiteral("\x01\t\r\n\x1b[0m"),
            QString::fromUtf8("\u03a9\u05d0\u200f \xf0\x9f\x93\xa1"),
            QStringLiteral("../x"),
            QStringLiteral("..\\x"),
            QStringLiteral("\"'`"),
            QStringLiteral("'; DROP TABLE File1Table; --")};
}

// The files a finished action may leave: the shipped databases and what the
// program writes under its own names. Anything else is a temporary file left
// behind by a save that did not finish.
bool isFinishedFile(const QString& name) {
    for (const char* suffix : {".mdb", "_tpai.txt", "_report.txt", ".jpeg", ".kovex"})
        if (name.endsWith(QLatin1String(suffix)))
            return true;
    return false;
}

class Sweep {
  public:
    Sweep(const QString& dataFolder) : m_dataFolder(dataFolder) {}

    int run() {
        QTemporaryDir outside;
        QDir(outside.path()).mkdir(QStringLiteral("work"));
        const QString work = QDir(outside.path()).filePath(QStringLiteral("work"));
        seed(work);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work);
        const QStringList fields = editableFields();
        const QStringList texts = hostileTexts();
        for (const QString& field : fields)
            for (const QString& text : texts)
                tryCombination(field, text, outside.path());
        QDir::setCurrent(previous);
        std::printf(
            "%lld combinations of %lld fields and %lld texts, %lld handler runs, %lld failures shown, "
            "%lld faults\n",
            static_cast<long long>(m_combinations), static_cast<long long>(fields.size()),
            static_cast<long long>(texts.size()), static_cast<long long>(m_handlerRuns),
            static_cast<long long>(m_failuresShown), static_cast<long long>(m_faults));
        return m_faults == 0 ? 0 : 1;
    }

  private:
    void seed(const QString& work) {
        for (const QFileInfo& database :
             QDir(m_dataFolder).entryInfoList({QStringLiteral("*.mdb")}, QDir::Files))
            QFile::copy(database.filePath(), QDir(work).filePath(database.fileName()));
    }

    static QStringList editableFields() {
        test::FakePlatform fake;
        Program program(fake.platform());
        QStringList fields;
        for (const QString& name : program.mainForm.controlNames()) {
            const Control& control = program.mainForm.ctl(name);
            if (control.kind == ControlKind::Edit || (control.kind == ControlKind::Combo && control.freeText))
                fields << name;
        }
        return fields;
    }

    void tryCombination(const QString& field, const QString& text, const QString& outside) {
        test::FakePlatform fake;
        fake.dialogs.unqueuedAnswer = m_combinations % 2 == 0;
        Program program(fake.platform());
        program.start();
        program.firstShow();
        program.type(field, text);
        program.leave(field);
        checkBoxes(fake, field, text, QStringLiteral("typing"));
        for (const auto& [control, event] : program.events.bound()) {
            // An open dialog answers with the working folder's TPAI file in
            // one round and is cancelled in the next.
            fake.dialogs.openResults.push_back(m_combinations % 2 == 0 ? QString() : firstTpaiFile());
            raise(program, control, event);
            ++m_handlerRuns;
            checkBoxes(fake, field, text, control);
            fake.dialogs.openResults.clear();
        }
        checkFolders(field, text, outside);
        ++m_combinations;
    }

    static QString firstTpaiFile() {
        const QFileInfoList found = QDir::current().entryInfoList({QStringLiteral("*tpai.txt")}, QDir::Files);
        return found.isEmpty() ? QString() : found.first().absoluteFilePath();
    }

    static void raise(Program& program, const QString& control, Event event) {
        switch (event) {
        case Event::Click:
            program.click(control);
            break;
        case Event::Change:
            program.type(control, program.mainForm.text(control));
            break;
        case Event::Exit:
            program.leave(control);
            break;
        case Event::Enter:
            program.focus(control);
            break;
        case Event::Show:
            program.showPage(control);
            break;
        }
    }

    // A failure is shown once: one action never shows two error boxes.
    void checkBoxes(test::FakePlatform& fake, const QString& field, const QString& text,
                    const QString& action) {
        const qsizetype errors = fake.dialogs.texts(QStringLiteral("error")).size();
        m_failuresShown += errors;
        if (errors > 1)
            fault(field, text, action + " showed " + QString::number(errors) + " error boxes");
        fake.dialogs.shown.clear();
    }

    void checkFolders(const QString& field, const QString& text, const QString& outside) {
        const QStringList around =
            QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (around != QStringList{QStringLiteral("work")})
            fault(field, text, "files outside the working folder: " + around.join(", "));
        const QStringList inside =
            QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& name : inside) {
            if (!isFinishedFile(name) || !QFileInfo(name).isFile()) {
                fault(field, text, "a file left half-written: " + name);
                QFile::remove(name);
                QDir(name).removeRecursively();
            }
        }
        for (const QString& name :
             QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            if (name != QLatin1String("work"))
                QFile::remove(QDir(outside).filePath(name));
    }

    void fault(const QString& field, const QString& text, const QString& what) {
        ++m_faults;
        if (m_faults <= 20)
            std::printf("FAULT %s = \"%s\": %s\n", qPrintable(field), qPrintable(text.left(40)),
                        qPrintable(what));
    }

    QString m_dataFolder;
    qint64 m_combinations = 0;
    qint64 m_handlerRuns = 0;
    qint64 m_failuresShown = 0;
    qint64 m_faults = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return Sweep(QString::fromUtf8(KOVEX_DATA_DIR)).run();
}
