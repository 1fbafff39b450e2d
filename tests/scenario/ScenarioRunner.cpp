#include "ScenarioRunner.h"

#include "DossierChecks.h"
#include "FakePlatform.h"
#include "app/Program.h"
#include "drawing/Dossier.h"
#include "jet/JetCheck.h"
#include "jet/JetDatabase.h"
#include "support/Cp1252.h"
#include "support/KovexError.h"
#include "tools/jetsql/JetSql.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUuid>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace kovex::scenario {

namespace {

using test::FakeBusyCursor;
using test::FakeClock;
using test::FakeDialogs;
using test::FakeLocale;
using test::FakePrinter;
using test::ShownMessage;

// The largest file system that fill-disk fills.
constexpr unsigned long long kMaxFilledDiskBytes = 64ull * 1024 * 1024;

struct Failure {
    QString text;
};

[[noreturn]] void fail(const QString& text) {
    throw Failure{text};
}

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace('\\', "\\\\")
        .replace('\r', "\\r")
        .replace('\n', "\\n")
        .replace('\t', "\\t")
        .replace('"', "\\\"");
    return '"' + shown + '"';
}

QString colourName(QRgb rgb) {
    switch (rgb & 0xffffff) {
    case 0x0000ff:
        return "blue";
    case 0xff0000:
        return "red";
    case 0x000000:
        return "black";
    case 0xffffff:
        return "white";
    case 0x00ff00:
        return "green";
    case 0xffff00:
        return "yellow";
    case 0xc0c0c0:
        return "silver";
    default:
        return QColor(rgb).name();
    }
}

QRgb parseColour(const QString& word) {
    if (word == "blue")
        return 0xff0000ff;
    if (word == "red")
        return 0xffff0000;
    if (word == "black")
        return 0xff000000;
    if (word == "white")
        return 0xffffffff;
    // The pure green of the drawing, not the web's darker one.
    if (word == "green")
        return 0xff00ff00;
    const QColor colour(word);
    if (!colour.isValid())
        fail("a colour, not " + word);
    return colour.rgb();
}

PageOrientation parseOrientation(const QString& word) {
    if (word == "portrait")
        return PageOrientation::Portrait;
    if (word == "landscape")
        return PageOrientation::Landscape;
    fail("portrait or landscape, not " + word);
}

QString orientationName(PageOrientation orientation) {
    return orientation == PageOrientation::Portrait ? "portrait" : "landscape";
}

bool parseBool(const QString& word) {
    if (word == "true" || word == "yes")
        return true;
    if (word == "false" || word == "no")
        return false;
    fail("true or false, not " + word);
}

int parseInt(const QString& word) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok)
        fail("a whole number, not " + word);
    return value;
}

// How SQLite itself turns a value into text: a REAL always shows a decimal
// point or an exponent.
QString sqliteText(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double) {
        QString text = QString::number(value.toDouble(), 'g', 15);
        if (!text.contains('.') && !text.contains('e') && !text.contains("inf") && !text.contains("nan")) {
            text += ".0";
        } else if (text.contains('e') && !text.section('e', 0, 0).contains('.')) {
            text.replace("e", ".0e");
        }
        return text;
    }
    return value.toString();
}

QVariant caseValue(const MainForm& f, QString name) {
    name.remove("PowerAndGain.").remove("BandAndTilt.");
    const std::map<QString, std::function<QVariant()>> values{
        {"ModeFactor", [&] { return f.values.ModeFactor; }},
        {"ModeCorrectiondB", [&] { return f.values.ModeCorrectiondB; }},
        {"TimeFactor", [&] { return f.values.TimeFactor; }},
        {"TimeCorrectiondB", [&] { return f.values.TimeCorrectiondB; }},
        {"InputPowerdBW", [&] { return f.values.PowerAndGain.InputPowerdBW; }},
        {"AntennaGaindBi", [&] { return f.values.PowerAndGain.AntennaGaindBi; }},
        {"InputPowerW", [&] { return f.values.InputPowerW; }},
        {"TiltDeg", [&] { return f.values.BandAndTilt.TiltDeg; }},
        {"VertOpeningAngleDeg", [&] { return f.values.BandAndTilt.VertOpeningAngleDeg; }},
        {"FreqMinMHz", [&] { return f.values.BandAndTilt.FreqMinMHz; }},
        {"FreqMaxMHz", [&] { return f.values.BandAndTilt.FreqMaxMHz; }},
        {"AntennaHeightM", [&] { return f.values.AntennaHeightM; }},
        {"AntennaAzimuthDeg", [&] { return f.values.AntennaAzimuthDeg; }},
        {"HorOpeningAngleDeg", [&] { return f.values.HorOpeningAngleDeg; }},
        {"EIRPdBW", [&] { return f.values.EIRPdBW; }},
        {"PolarizationCode", [&] { return f.values.PolarizationCode; }},
        {"AntennaTypeName", [&] { return f.values.AntennaTypeName; }},
        {"FieldLimitVm", [&] { return f.values.FieldLimitVm; }},
        {"Field5PercentVm", [&] { return f.values.Field5PercentVm; }},
        {"Field80PercentVm", [&] { return f.values.Field80PercentVm; }},
        {"AccessFileName", [&] { return f.values.AccessFileName; }},
        {"ReportFileName", [&] { return f.values.ReportFileName; }},
        {"DrawingAntennaNumber", [&] { return f.values.DrawingAntennaNumber; }},
        {"MaxTestPointDistanceM", [&] { return f.values.MaxTestPointDistanceM; }},
        {"MaxTestPointHeightM", [&] { return f.values.MaxTestPointHeightM; }},
        {"MinTestPointHeightM", [&] { return f.values.MinTestPointHeightM; }},
        {"SummaryAntennaColumn", [&] { return f.values.SummaryAntennaColumn; }},
        {"TpaiFileName", [&] { return f.values.TpaiFileName; }},
        {"CaseFileName", [&] { return QFileInfo(f.caseFile.path).fileName(); }},
        {"FailedControl", [&] { return f.failedControl; }},
        // Paths in the working folder read as "./name".
        {"StatusMessage", [&] { return QString(f.statusMessage).replace(QDir::currentPath(), "."); }},
        {"HelpTextFr", [&] { return f.values.HelpTextFr; }},
        {"HelpTextNl", [&] { return f.values.HelpTextNl; }},
        {"HelpTextDe", [&] { return f.values.HelpTextDe; }},
        {"HelpTextEn", [&] { return f.values.HelpTextEn; }},
    };
    auto found = values.find(name);
    if (found == values.end())
        fail("a case value named " + name);
    return found->second();
}

class Runner {
  public:
    Runner(QStringList lines, QString dataFolder)
        : m_lines(std::move(lines)), m_dataFolder(std::move(dataFolder)) {}

    Outcome run() {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        Outcome outcome;
        try {
            if (!folder.isValid())
                fail("a temporary working directory");
            seed(folder.path());
            QDir::setCurrent(folder.path());
            for (m_next = 0; m_next < m_lines.size();) {
                outcome.line = m_next + 1;
                const QString line = m_lines[m_next++];
                const QString trimmed = line.trimmed();
                if (trimmed.isEmpty() || trimmed.startsWith('#'))
                    continue;
                execute(splitWords(line));
            }
            outcome.line = static_cast<int>(m_lines.size());
            noUnmatchedMessage();
            noUnusedAnswer();
            noUnmatchedPrint();
        } catch (const Failure& failure) {
            outcome.passed = false;
            outcome.failure = failure.text;
        } catch (const std::exception& error) {
            outcome.passed = false;
            outcome.failure = QString::fromStdString(error.what());
        }
        m_program.reset();
        QDir::setCurrent(previous);
        return outcome;
    }

  private:
    void seed(const QString& folder) {
        for (const char* name : {"cableloss.mdb", "ant.mdb", "NOCALL_kovex.mdb"}) {
            const QString source = QDir(m_dataFolder).filePath(QString::fromLatin1(name));
            if (QFileInfo::exists(source) &&
                !QFile::copy(source, QDir(folder).filePath(QString::fromLatin1(name))))
                fail("a copy of " + source);
            QFile::setPermissions(QDir(folder).filePath(QString::fromLatin1(name)),
                                  QFile::ReadOwner | QFile::WriteOwner);
        }
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

    // The lines of a block up to "end": "| text" verbatim, "|" an empty line,
    // "|~ pattern" a regular expression.
    QStringList block() {
        QStringList lines;
        while (m_next < m_lines.size()) {
            const QString line = m_lines[m_next++];
            if (line.trimmed() == "end")
                return lines;
            if (line == "|")
                lines << QString();
            else if (line.startsWith("| ") || line.startsWith("|~ "))
                lines << line;
            else
                fail("a block line starting with \"| \" or \"end\", found " + quoted(line));
        }
        fail("end of the block");
    }

    void execute(const QStringList& w) {
        const QString& command = w[0];
        static const QStringList actions{"start", "restart", "type",  "type-repeated", "select",
                                         "click", "leave",   "focus", "show",          "updown"};
        if (actions.contains(command))
            noUnmatchedMessage();
        requireKnownControl(w);
        const std::map<QString, std::function<void()>> commands{
            {"locale", [&] { m_locale.name = arg(w, 1); }},
            {"clock", [&] { setClock(w); }},
            {"without", [&] { QFile::remove(arg(w, 1)); }},
            {"sql", [&] { runSql(arg(w, 1), arg(w, 2)); }},
            {"start", [&] { start(); }},
            {"restart", [&] { restart(); }},
            {"file", [&] { writeFile(arg(w, 1)); }},
            {"copy-file", [&] { copyFile(arg(w, 1), arg(w, 2)); }},
            {"make-folder", [&] { makeFolder(arg(w, 1)); }},
            {"replace-in-file", [&] { replaceInFile(arg(w, 1), arg(w, 2), arg(w, 3)); }},
            {"cut-file", [&] { cutFile(arg(w, 1), parseInt(arg(w, 2))); }},
            {"fill-disk", [&] { fillDisk(); }},
            {"umask", [&] { ::umask(static_cast<mode_t>(parseOctal(arg(w, 1)))); }},
            {"chmod", [&] { changeMode(arg(w, 1), parseOctal(arg(w, 2))); }},
            {"link", [&] { makeLink(arg(w, 1), arg(w, 2)); }},
            {"make-fifo", [&] { makeFifo(arg(w, 1)); }},
            {"expect-link", [&] { expectLink(arg(w, 1), parseBool(arg(w, 2))); }},
            {"expect-mode", [&] { expectMode(arg(w, 1), arg(w, 2)); }},
            {"expect-entries", [&] { expectEntries(arg(w, 1)); }},
            {"type", [&] { program().type(arg(w, 1), arg(w, 2)); }},
            {"type-repeated", [&] { program().type(arg(w, 1), arg(w, 2).repeated(parseInt(arg(w, 3)))); }},
            {"select", [&] { selectItem(arg(w, 1), arg(w, 2)); }},
            {"click", [&] { program().click(arg(w, 1)); }},
            {"leave", [&] { program().leave(arg(w, 1)); }},
            {"focus", [&] { program().focus(arg(w, 1)); }},
            {"show", [&] { program().showPage(arg(w, 1)); }},
            {"updown", [&] { program().upDown(arg(w, 1) == "up"); }},
            {"answer", [&] { queueAnswer(arg(w, 1)); }},
            {"open-file", [&] { queueFile(m_dialogs.openResults, arg(w, 1)); }},
            {"save-file", [&] { queueFile(m_dialogs.saveResults, arg(w, 1)); }},
            {"set", [&] { setProperty(arg(w, 1), arg(w, 2)); }},
            {"expect", [&] { expectProperty(arg(w, 1), arg(w, 2)); }},
            {"expect-value", [&] { expectValue(w); }},
            {"expect-message", [&] { expectMessage(arg(w, 1), arg(w, 2), false); }},
            {"expect-message-containing", [&] { expectMessage(arg(w, 1), arg(w, 2), true); }},
            {"expect-file", [&] { expectFile(arg(w, 1)); }},
            {"expect-no-file", [&] { expectNoFile(arg(w, 1)); }},
            {"expect-same-file", [&] { expectSameFile(arg(w, 1), arg(w, 2)); }},
            {"expect-query", [&] { expectQuery(arg(w, 1), arg(w, 2)); }},
            {"expect-mdb-export", [&] { expectMdbExport(arg(w, 1), arg(w, 2)); }},
            {"expect-pixel", [&] { expectPixel(w); }},
            {"printer", [&] { setPrinter(w); }},
            {"page-setup", [&] { queuePageSetup(w); }},
            {"expect-printed", [&] { expectPrinted(w); }},
            {"expect-pdf", [&] { expectPdf(arg(w, 1)); }},
            {"expect-printer", [&] { compare(orientationName(m_printer.current), arg(w, 1)); }},
            {"expect-pdf-pages", [&] { expectPdfPages(arg(w, 1), parseInt(arg(w, 2))); }},
            {"expect-pdf-text", [&] { expectPdfText(arg(w, 1), parseInt(arg(w, 2))); }},
            {"expect-pdf-drawing", [&] { expectPdfDrawing(w, true); }},
            {"expect-pdf-word-colour", [&] { expectPdfWordColour(w); }},
            {"expect-pdf-drawing-differs", [&] { expectPdfDrawing(w, false); }},
            {"file-size-limit", [&] { limitFileSize(arg(w, 1)); }},
            {"remember-window", [&] { m_rememberedWindow = windowState(program()); }},
            {"expect-window-unchanged", [&] { expectWindowUnchanged(); }},
        };
        auto found = commands.find(command);
        if (found == commands.end())
            fail("a known command, found " + command);
        found->second();
        if (actions.contains(command))
            noBusyCursor(command);
    }

    // A command on a control that no window holds would test nothing: a
    // misspelt name fails the scenario, naming it.
    void requireKnownControl(const QStringList& w) {
        static const QStringList onControls{"type", "type-repeated", "select", "click", "leave",
                                            "focus", "show", "set", "expect"};
        if (!onControls.contains(w[0]))
            return;
        static const QRegularExpression cell(R"(\[\d+,\d+\]$)");
        const QString name = arg(w, 1).section('.', 0, 0).remove(cell);
        Program& p = program();
        if (!p.mainForm.hasControl(name) && !p.drawingForm.hasControl(name))
            fail("a control named " + name + " in either window");
    }

    static QString arg(const QStringList& words, int index) {
        if (index >= words.size())
            fail(QString("%1 words after %2").arg(index).arg(words[0]));
        return words[index];
    }

    void setClock(const QStringList& w) {
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

    void selectItem(const QString& name, const QString& item) {
        Program& p = program();
        if (item.startsWith("key=")) {
            p.selectKey(name, item.mid(4));
            return;
        }
        if (item.startsWith('#')) {
            p.select(name, parseInt(item.mid(1)));
            return;
        }
        const int index = static_cast<int>(control(name).items.indexOf(item));
        if (index < 0)
            fail("an item " + quoted(item) + " in " + name);
        p.select(name, index);
    }

    static void queueFile(std::deque<QString>& results, const QString& name) {
        if (name == "cancel")
            results.push_back(QString());
        else
            results.push_back(QDir::current().absoluteFilePath(name));
    }

    Control& control(const QString& name) {
        Program& p = program();
        if (p.mainForm.hasControl(name))
            return p.mainForm.ctl(name);
        if (p.drawingForm.hasControl(name))
            return p.drawingForm.ctl(name);
        fail("a control named " + name);
    }

    void setProperty(const QString& target, const QString& value) {
        const QString name = target.section('.', 0, 0);
        const QString property = target.section('.', 1);
        Control& c = control(name);
        if (property == "text") {
            c.text = value;
            if (c.kind == ControlKind::Combo)
                c.itemIndex = static_cast<int>(c.items.indexOf(value));
        } else if (property == "index") {
            program().mainForm.setItemIndex(name, parseInt(value));
        } else if (property == "checked") {
            c.checked = parseBool(value);
        } else if (property == "visible") {
            c.visible = parseBool(value);
        } else {
            fail("a property text, index, checked or visible, found " + property);
        }
    }

    void expectProperty(const QString& target, const QString& expected) {
        static const QRegularExpression cellPattern(R"(^sgdTP\[(\d+),(\d+)\]$)");
        const auto cell = cellPattern.match(target);
        if (cell.hasMatch()) {
            const StringGrid& grid = program().mainForm.sgdTP;
            const int column = cell.captured(1).toInt();
            const int row = cell.captured(2).toInt();
            if (!grid.contains(column, row))
                fail("a cell inside the grid");
            compare(grid.cell(column, row), expected);
            return;
        }
        if (target == "TForm2.visible") {
            compare(program().drawingForm.visible ? "true" : "false", expected);
            return;
        }
        const QString name = target.section('.', 0, 0);
        const QString property = target.contains('.') ? target.section('.', 1) : QString("text");
        const Control& c = control(name);
        const std::map<QString, std::function<QString()>> properties{
            {"text", [&] { return c.text; }},
            {"label", [&] { return c.label; }},
            {"index", [&] { return QString::number(c.itemIndex); }},
            {"checked", [&] { return QString(c.checked ? "true" : "false"); }},
            {"visible", [&] { return QString(c.visible ? "true" : "false"); }},
            {"bold", [&] { return QString(c.bold ? "true" : "false"); }},
            {"count", [&] { return QString::number(c.items.size()); }},
            {"colour", [&] { return colourName(c.color); }},
            {"color", [&] { return colourName(c.color); }},
        };
        auto found = properties.find(property);
        if (found == properties.end())
            fail("a known property, found " + property);
        QString wanted = expected;
        if (property.startsWith("colo"))
            wanted = colourName(parseColour(expected));
        if (property == "checked" || property == "visible" || property == "bold")
            wanted = parseBool(expected) ? "true" : "false";
        compare(found->second(), wanted);
    }

    static void compare(const QString& found, const QString& expected) {
        if (found != expected)
            fail(quoted(expected) + ", found " + quoted(found));
    }

    void expectValue(const QStringList& w) {
        const QVariant value = caseValue(program().mainForm, arg(w, 1));
        if (w.size() >= 4) {
            bool okNumber = false;
            bool okTolerance = false;
            const double expected = w[2].toDouble(&okNumber);
            const double tolerance = w[3].toDouble(&okTolerance);
            if (!okNumber || !okTolerance)
                fail("a number and a tolerance");
            const double found = value.toDouble();
            if (!(std::fabs(found - expected) <= tolerance))
                fail(QString("%1 within %2, found %3").arg(w[2], w[3], QString::number(found, 'g', 17)));
            return;
        }
        compare(value.toString(), arg(w, 2));
    }

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

    void writeFile(const QString& name) {
        QByteArray bytes;
        for (const QString& line : block()) {
            if (line.startsWith("|~ "))
                fail("plain lines in a file block");
            const auto encoded = cp1252::encode(line.mid(2));
            if (!encoded)
                fail("text that Windows-1252 can hold: " + quoted(line));
            bytes += *encoded + "\r\n";
        }
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail("a written file " + name);
    }

    static QByteArray fileBytes(const QString& name) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            fail("a file named " + name);
        return file.readAll();
    }

    static void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail("a written file " + name);
    }

    static void makeFolder(const QString& name) {
        if (!QDir::current().mkpath(name))
            fail("a folder made as " + name);
    }

    static void copyFile(const QString& from, const QString& to) { writeBytes(to, fileBytes(from)); }

    // Edits a file as a user's text editor would: the UTF-8 text `from`,
    // found exactly once, becomes `to`.
    static void replaceInFile(const QString& name, const QString& from, const QString& to) {
        QByteArray bytes = fileBytes(name);
        if (bytes.count(from.toUtf8()) != 1)
            fail(quoted(from) + " once in " + name);
        writeBytes(name, bytes.replace(from.toUtf8(), to.toUtf8()));
    }

    // Keeps the first `size` bytes, as a save cut short would.
    static void cutFile(const QString& name, int size) {
        const QByteArray bytes = fileBytes(name);
        if (size < 0 || size > bytes.size())
            fail(QString("at most %1 bytes to keep of %2").arg(bytes.size()).arg(name));
        writeBytes(name, bytes.left(size));
    }

    // Fills the file system of the working folder to the last byte with the
    // file "filler", as a full disk would be; refused anywhere but on a small
    // file system made for the purpose (tests/full_disk.sh).
    static void fillDisk() {
        struct statvfs disk {};
        if (::statvfs(".", &disk) != 0 ||
            static_cast<unsigned long long>(disk.f_blocks) * disk.f_frsize > kMaxFilledDiskBytes)
            fail("a small file system of its own to fill (run through tests/full_disk.sh)");
        QFile filler("filler");
        if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
            fail("a filler file");
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.left(1)) == 1) {
        }
    }

    static uint parseOctal(const QString& word) {
        bool ok = false;
        const uint value = word.toUInt(&ok, 8);
        if (!ok || value > 07777)
            fail("permission bits in octal, not " + word);
        return value;
    }

    static void changeMode(const QString& name, uint mode) {
        if (::chmod(QFile::encodeName(name).constData(), static_cast<mode_t>(mode)) != 0)
            fail("a file named " + name + " whose mode can change");
    }

    static void makeFifo(const QString& name) {
        if (::mkfifo(QFile::encodeName(name).constData(), 0600) != 0)
            fail("a named pipe made as " + name);
    }

    static void makeLink(const QString& target, const QString& name) {
        if (!QFile::link(target, name))
            fail("a link " + name + " to " + target);
    }

    static void expectLink(const QString& name, bool link) {
        if (QFileInfo(name).isSymLink() != link)
            fail(name + (link ? " a link" : " no link") + ", found " + (link ? "none" : "one"));
    }

    // The permission bits in octal, as ls shows them in digits ("644").
    static void expectMode(const QString& name, const QString& mode) {
        struct stat status {};
        if (::lstat(QFile::encodeName(name).constData(), &status) != 0)
            fail("a file named " + name);
        compare(QString::number(status.st_mode & 07777, 8), mode);
    }

    // Every entry of the folder, hidden ones included, sorted and joined by
    // blanks: no temporary left behind.
    static void expectEntries(const QString& expected) {
        QStringList entries =
            QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        entries.sort();
        compare(entries.join(' '), expected);
    }

    static void expectSameFile(const QString& name, const QString& other) {
        const QByteArray bytes = fileBytes(name);
        const QByteArray otherBytes = fileBytes(other);
        if (bytes == otherBytes)
            return;
        qsizetype at = 0;
        while (at < bytes.size() && at < otherBytes.size() && bytes[at] == otherBytes[at])
            ++at;
        fail(QString("%1 the same as %2, found a difference at byte %3").arg(name, other).arg(at));
    }

    // "expect-mdb-export FILE TABLE" with a block: what mdbtools, a reader
    // independent of ours, exports of the table, as CSV lines.
    void expectMdbExport(const QString& fileName, const QString& table) {
        QStringList expected;
        for (const QString& line : block())
            expected << line.mid(2);
        QProcess exporter;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        exporter.setProcessEnvironment(environment);
        exporter.start(QStringLiteral("mdb-export"), {fileName, table});
        if (!exporter.waitForFinished(60000) || exporter.exitStatus() != QProcess::NormalExit ||
            exporter.exitCode() != 0)
            fail("mdb-export of " + table + " that runs, found " +
                 quoted(QString::fromUtf8(exporter.readAllStandardError()).trimmed()));
        QStringList found = QString::fromUtf8(exporter.readAllStandardOutput()).split('\n');
        if (!found.isEmpty() && found.last().isEmpty())
            found.removeLast();
        if (found != expected)
            fail("exported " + quoted(expected.join("\n")) + ", found " + quoted(found.join("\n")));
    }

    void expectFile(const QString& name) {
        const QStringList expected = block();
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            fail("a file named " + name);
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
            fail("every line of " + name + " ending in CR LF");
        QList<QByteArray> rawLines = bytes.split('\n');
        rawLines.removeLast();
        QStringList found;
        for (QByteArray raw : rawLines) {
            if (!raw.endsWith('\r') || raw.chopped(1).contains('\r'))
                fail("every line of " + name + " ending in CR LF");
            found << cp1252::decode(raw.chopped(1));
        }
        for (int i = 0; i < std::max(expected.size(), found.size()); ++i) {
            const QString prefix = QString("line %1 of %2: ").arg(i + 1).arg(name);
            if (i >= found.size())
                fail(prefix + expected[i].mid(2) + ", found the end of the file");
            if (i >= expected.size())
                fail(prefix + "the end of the file, found " + quoted(found[i]));
            if (expected[i].startsWith("|~ ")) {
                const QRegularExpression pattern(QRegularExpression::anchoredPattern(expected[i].mid(3)));
                if (!pattern.match(found[i]).hasMatch())
                    fail(prefix + "a match of " + expected[i].mid(3) + ", found " + quoted(found[i]));
            } else if (found[i] != expected[i].mid(2)) {
                fail(prefix + quoted(expected[i].mid(2)) + ", found " + quoted(found[i]));
            }
        }
    }

    static void expectNoFile(const QString& name) {
        if (QFileInfo::exists(name))
            fail("no file named " + name + ", found one");
    }

    // The rows a statement gives, values joined by "|".
    static QStringList queryRows(const QSqlDatabase& db, const QString& sql, QString& failure) {
        QStringList rows;
        QSqlQuery query(db);
        if (!query.exec(sql))
            failure = query.lastError().text();
        while (failure.isEmpty() && query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << sqliteText(query.value(i));
            rows << values.join('|');
        }
        return rows;
    }

    static bool isJetFile(const QString& fileName) {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) && file.read(19).mid(4) == "Standard Jet DB";
    }

    // A Jet file is queried as SQLite: its tables are copied into a
    // database in memory, and, when `writeBack`, written back as Jet after
    // the statement. Its structure is checked first, indexes and usage maps
    // included, which no SQL and no other reader looks at.
    static void onJetFile(const QString& fileName, const QSqlDatabase& db, bool writeBack, QString& failure,
                          const std::function<void()>& statement) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            fail("a readable file named " + fileName);
        const QByteArray bytes = file.readAll();
        const std::vector<QString> faults = jet::structuralFaults(bytes);
        if (!faults.empty())
            fail("a sound Jet file " + fileName + ", found " + quoted(faults.front()));
        try {
            jetsql::loadInto(jet::Database::read(bytes), db);
            statement();
            if (writeBack && failure.isEmpty())
                jet::saveFile(jetsql::toJet(db), fileName);
        } catch (const KovexError& error) {
            failure = error.text();
        } catch (const jetsql::Failure& error) {
            failure = error.message;
        }
    }

    // Runs a statement on a database file of the working directory; gives
    // the rows of a query, values joined by "|".
    static QStringList sqlRows(const QString& fileName, const QString& sql, bool writeBack = false) {
        if (!QFileInfo::exists(fileName))
            fail("a database file named " + fileName);
        const QString connection = QUuid::createUuid().toString();
        const bool jetFile = isJetFile(fileName);
        QStringList rows;
        QString failure;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(jetFile ? QStringLiteral(":memory:") : fileName);
            if (!db.open()) {
                failure = db.lastError().text();
            } else if (jetFile) {
                onJetFile(fileName, db, writeBack, failure, [&] { rows = queryRows(db, sql, failure); });
            } else {
                rows = queryRows(db, sql, failure);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
        if (!failure.isEmpty())
            fail("SQL that runs, found " + failure);
        return rows;
    }

    static void runSql(const QString& fileName, const QString& sql) { sqlRows(fileName, sql, true); }

    void expectQuery(const QString& fileName, const QString& sql) {
        QStringList expected;
        for (const QString& line : block())
            expected << line.mid(2);
        const QStringList found = sqlRows(fileName, sql);
        if (found != expected)
            fail("rows " + quoted(expected.join("\n")) + ", found " + quoted(found.join("\n")));
    }

    void expectPixel(const QStringList& w) {
        const QString source = arg(w, 1);
        const QImage image = source == "imgPH" ? program().drawingForm.imgPH : QImage(source, "BMP");
        if (image.isNull())
            fail("a picture in " + source);
        const int x = parseInt(arg(w, 2));
        const int y = parseInt(arg(w, 3));
        if (!image.valid(x, y))
            fail(QString("a pixel (%1, %2) inside the picture").arg(x).arg(y));
        const QRgb found = image.pixel(x, y);
        if ((found & 0xffffff) != (parseColour(arg(w, 4)) & 0xffffff))
            fail(arg(w, 4) + " at " + QString("(%1, %2)").arg(x).arg(y) + ", found " + colourName(found));
    }

    static void expectPdfPages(const QString& file, int pages) {
        const int found = pdfPageCount(file);
        if (found != pages)
            fail(QString("%1 pages in %2, found %3").arg(pages).arg(file).arg(found));
    }

    // The block's lines, each on a line of the page's text (0: the whole
    // file) in this order; blanks of a run count as one.
    void expectPdfText(const QString& file, int page) {
        const QStringList expected = block();
        const QStringList found = pdfText(file, page).split('\n');
        int at = 0;
        for (const QString& line : expected) {
            const bool pattern = line.startsWith("|~ ");
            const QString wanted = line.mid(pattern ? 3 : 2);
            const QRegularExpression regex(wanted);
            while (at < found.size() && !(pattern ? regex.match(found[at]).hasMatch() : found[at].contains(wanted)))
                ++at;
            if (at == found.size())
                fail(QString("%1 on page %2 of %3 after the lines before it").arg(quoted(wanted)).arg(page).arg(file));
        }
    }

    // "expect-pdf-drawing FILE PAGE BITMAP": the zone picture on that page,
    // rendered at 150 dpi, over the saved bitmap; lines and labels may move
    // by two pixels, a few pixels may differ with the smoothing of text.
    void expectPdfDrawing(const QStringList& w, bool same) {
        const QImage page = pdfPage(arg(w, 1), parseInt(arg(w, 2)), 150);
        const QImage bitmap = QImage(arg(w, 3), "BMP").convertToFormat(QImage::Format_RGB32);
        if (page.isNull() || bitmap.isNull())
            fail("a page " + arg(w, 2) + " of " + arg(w, 1) + " and a bitmap " + arg(w, 3));
        const QRectF box = dossier::drawingRect();
        const QRect pixels(qRound(box.left() * 150 / 72), qRound(box.top() * 150 / 72), bitmap.width(),
                           bitmap.height());
        // The title band carries the date and the antenna's own number.
        const int band = 78;
        const double mismatch = drawingMismatch(bitmap.copy(0, band, bitmap.width(), bitmap.height() - band),
                                                page.copy(pixels.adjusted(0, band, 0, 0)));
        if (same && mismatch > 0.02)
            fail(QString("the drawing of %1 on page %2, found %3 % of its coloured pixels elsewhere")
                     .arg(arg(w, 3), arg(w, 2)).arg(100 * mismatch, 0, 'f', 1));
        if (!same && mismatch < 0.2)
            fail(QString("another drawing than %1 on page %2, found only %3 % of its coloured pixels elsewhere")
                     .arg(arg(w, 3), arg(w, 2)).arg(100 * mismatch, 0, 'f', 1));
    }

    // "file-size-limit BYTES|none": a file written beyond that size fails
    // as on a full disk, whoever runs the scenario.
    static void limitFileSize(const QString& bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes == "none" ? limit.rlim_max : rlim_t(parseInt(bytes));
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            fail("a file size limit of " + bytes);
    }

    // "expect-pdf-word-colour FILE PAGE WORD COLOUR": the last such word on
    // the page is printed mostly in that colour.
    static void expectPdfWordColour(const QStringList& w) {
        const QString found = pdfWordColour(arg(w, 1), parseInt(arg(w, 2)), arg(w, 3));
        if (found != arg(w, 4))
            fail(QString("%1 in %2 on page %3, found %4").arg(arg(w, 3), arg(w, 4), arg(w, 2),
                                                             found.isEmpty() ? "no such word" : found));
    }

    void expectWindowUnchanged() {
        const QStringList now = windowState(program());
        for (int i = 0; i < std::max(now.size(), m_rememberedWindow.size()); ++i)
            if (i >= now.size() || i >= m_rememberedWindow.size() || now[i] != m_rememberedWindow[i])
                fail("the window as remembered: " + m_rememberedWindow.value(i) + ", found " + now.value(i));
    }

    // "printer portrait|landscape [failing|missing]": the orientation the
    // printer has, and whether its printing fails or no printer is installed.
    void setPrinter(const QStringList& w) {
        m_printer.current = parseOrientation(arg(w, 1));
        m_printer.fails = w.size() > 2 && arg(w, 2) == "failing";
        m_printer.missing = w.size() > 2 && arg(w, 2) == "missing";
    }

    // "expect-pdf name": the PDF file the next page went into, by its name
    // in the working folder.
    void expectPdf(const QString& name) {
        if (m_printer.pdfFiles.empty())
            fail("a page printed to a PDF file, found none");
        const QString file = m_printer.pdfFiles.front();
        m_printer.pdfFiles.pop_front();
        compare(QDir::current().relativeFilePath(file), name);
    }

    // "answer yes|no" for a question box; "answer save|discard|cancel" for
    // the question about unsaved changes.
    void queueAnswer(const QString& word) {
        static const std::map<QString, SaveChoice> choices{
            {"save", SaveChoice::Save}, {"discard", SaveChoice::Discard}, {"cancel", SaveChoice::Cancel}};
        const auto choice = choices.find(word);
        if (choice != choices.end())
            m_dialogs.choices.push_back(choice->second);
        else
            m_dialogs.answers.push_back(parseBool(word));
    }

    // "page-setup ok|cancel [portrait|landscape]": the answer to the next
    // page set-up dialog.
    void queuePageSetup(const QStringList& w) {
        const QString answer = arg(w, 1);
        if (answer != "ok" && answer != "cancel")
            fail("ok or cancel, not " + answer);
        FakePrinter::SetupAnswer queued{answer == "ok", std::nullopt};
        if (w.size() > 2)
            queued.orientation = parseOrientation(arg(w, 2));
        m_printer.setupAnswers.push_back(queued);
    }

    // "expect-printed orientation left top right bottom": the next printed
    // page, the drawing window's picture stretched into that rectangle (right
    // and bottom just outside it).
    void expectPrinted(const QStringList& w) {
        if (m_printer.printed.empty())
            fail("a printed page, found none");
        const test::PrintedPage page = m_printer.printed.front();
        m_printer.printed.pop_front();
        const QRect& t = page.target;
        const QString found = QString("%1 %2 %3 %4 %5")
                                  .arg(orientationName(page.orientation))
                                  .arg(t.left())
                                  .arg(t.top())
                                  .arg(t.left() + t.width())
                                  .arg(t.top() + t.height());
        compare(found, QStringList(w.mid(1)).join(' '));
        if (page.picture != program().drawingForm.imgPH)
            fail("the drawing window's picture printed, found another");
    }

    QStringList m_lines;
    QString m_dataFolder;
    int m_next = 0;
    FakeDialogs m_dialogs;
    FakeClock m_clock;
    FakeLocale m_locale;
    FakePrinter m_printer;
    FakeBusyCursor m_cursor;
    test::FakeSettings m_settings;
    std::unique_ptr<Program> m_program;
    QStringList m_rememberedWindow;
};

} // namespace

namespace {

// "\u{FEFF}": a character that would be invisible or unsafe in the file
// itself, by its code point; `i` stands on the "{" and ends behind the "}".
QString codePointEscape(const QString& line, qsizetype& i) {
    const qsizetype close = line.indexOf('}', i);
    bool ok = false;
    const uint code = close < 0 ? 0 : line.mid(i + 1, close - i - 1).toUInt(&ok, 16);
    if (!ok || code > 0x10FFFF)
        throw std::runtime_error("a code point in hexadecimal digits in \\u{...}");
    i = close + 1;
    return QStringView(QChar::fromUcs4(static_cast<char32_t>(code))).toString();
}

} // namespace

QStringList splitWords(const QString& line) {
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n)
            break;
        QString word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\' || i >= n) {
                    word += c;
                    continue;
                }
                const QChar escaped = line[i++];
                if (escaped == 'u' && i < n && line[i] == '{') {
                    word += codePointEscape(line, i);
                    continue;
                }
                word += escaped == 'r'   ? QChar('\r')
                        : escaped == 'n' ? QChar('\n')
                        : escaped == 't' ? QChar('\t')
                                         : escaped;
            }
            if (!closed)
                throw std::runtime_error("a closing quote");
        } else {
            while (i < n && !line[i].isSpace())
                word += line[i++];
        }
        words << word;
    }
    return words;
}

Outcome runScenarioFile(const QString& path, const QString& dataFolder) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {false, 0, "a readable scenario file"};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (QString& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return Runner(lines, dataFolder).run();
}

} // namespace kovex::scenario
