#include "records/TpaiFile.h"

#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "records/AdministrativeRecord.h"
#include "refdata/Session.h"
#include "support/Cp1252.h"
#include "support/KovexError.h"
#include "support/NumberText.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QLocale>
#include <algorithm>

namespace kovex {

namespace tpai {

namespace {

// Keys are padded with blanks so that "=" is always their last character;
// at a fixed width no key is a substring of another ("kovex_tp_d1  =" never
// occurs in a "kovex_tp_d10 =" line).
constexpr int kTestPointKeyWidth = 14;
constexpr int kAdministrativeKeyWidth = 19;

QString padKey(const QString& name, int width) {
    return name.leftJustified(width - 1, QLatin1Char(' ')) + QLatin1Char('=');
}

// One character per slot keeps the description and height keys at the
// same width for slots 10 to 12.
QChar slotCode(int k) {
    return k <= 9 ? QChar(u'0' + k) : QChar(u'a' + (k - 10));
}

QString administrativeKey(const AdministrativeField& field) {
    return padKey(QString::fromLatin1(field.tpaiKey), kAdministrativeKeyWidth);
}

QString languageKey() {
    return administrativeKey(languageField());
}

const QStringList& languageNames() {
    static const QStringList names{QString::fromUtf8("français"), QStringLiteral("Nederlands"),
                                   QStringLiteral("Deutsch")};
    return names;
}

} // namespace

QString descriptionKey(int k) {
    return padKey(QStringLiteral("kovex_m") + slotCode(k) + QStringLiteral("01"), kTestPointKeyWidth);
}

QString heightKey(int k) {
    return padKey(QStringLiteral("kovex_m") + slotCode(k) + QStringLiteral("02"), kTestPointKeyWidth);
}

QString distanceKey(int k) {
    return padKey(QStringLiteral("kovex_tp_d") + QString::number(k), kTestPointKeyWidth);
}

QString wallTypeKey(int k) {
    return padKey(QStringLiteral("kovex_tp_sa") + QString::number(k), kTestPointKeyWidth);
}

namespace {

// The keys are built once: the reader tries all of them on every line.
struct KeyedControl {
    QString key;
    QString control;
};

const std::vector<KeyedControl>& slotKeys() {
    static const std::vector<KeyedControl> keys = [] {
        std::vector<KeyedControl> all;
        for (int k = 1; k <= kTestPointSlots; ++k) {
            all.push_back({distanceKey(k), ui::edtD[k]});
            all.push_back({heightKey(k), ui::edtH[k]});
            all.push_back({descriptionKey(k), ui::edtLocation[k]});
            all.push_back({wallTypeKey(k), ui::cmbSA[k]});
        }
        return all;
    }();
    return keys;
}

// The language is written by the name of its item, and read by its
// initial.
const std::vector<KeyedControl>& recordKeys() {
    static const std::vector<KeyedControl> keys = [] {
        std::vector<KeyedControl> all;
        for (const AdministrativeField& field : kAdministrativeFields)
            if (field.tpaiKey != nullptr && !isLanguage(field))
                all.push_back({administrativeKey(field), QString(field.control)});
        return all;
    }();
    return keys;
}

QString slotField(const char* what, int k) {
    return QString::fromLatin1(what) + QStringLiteral(" of test point ") + QString::number(k);
}

// A slot's description travels with its height and its wall type with its
// distance, each pair written only when its number is there.
void addTestPoints(std::vector<Line>& lines, const MainForm& f) {
    for (int k = 1; k <= kTestPointSlots; ++k) {
        const QString height = f.text(ui::edtH[k]);
        if (height.isEmpty())
            continue;
        lines.push_back({descriptionKey(k) + f.text(ui::edtLocation[k]), slotField("Description", k)});
        lines.push_back({heightKey(k) + height, slotField("Height", k)});
    }
    for (int k = 1; k <= kTestPointSlots; ++k) {
        const QString distance = f.text(ui::edtD[k]);
        if (distance.isEmpty())
            continue;
        lines.push_back({distanceKey(k) + distance, slotField("Distance", k)});
        lines.push_back({wallTypeKey(k) + QString::number(f.itemIndex(ui::cmbSA[k])), {}});
    }
}

void addLanguage(std::vector<Line>& lines, const MainForm& f) {
    const int language = f.itemIndex(ui::cmbLanguage);
    if (language >= 0 && language < languageNames().size())
        lines.push_back({languageKey() + languageNames()[language], {}});
}

void addAdministrativeInfo(std::vector<Line>& lines, const MainForm& f) {
    for (const AdministrativeField& field : kAdministrativeFields) {
        if (field.tpaiKey == nullptr)
            continue;
        if (isLanguage(field))
            addLanguage(lines, f);
        else
            lines.push_back(
                {administrativeKey(field) + f.text(field.control), QString::fromLatin1(field.shownAs)});
    }
}

[[noreturn]] void refuseField(const QString& field, const QString& problem) {
    throw KovexError("The TPAI file was not saved: the field \"" + field + "\" holds " + problem + '.');
}

const QStringList& allKeys() {
    static const QStringList keys = [] {
        QStringList all{languageKey()};
        for (const auto* group : {&slotKeys(), &recordKeys()})
            for (const KeyedControl& keyed : *group)
                all << keyed.key;
        return all;
    }();
    return keys;
}

// The reader finds keys anywhere in a line, so a value holding another
// field's key would be read back into that field.
void refuseForeignKey(const Line& line) {
    for (const QString& key : allKeys())
        if (!line.text.startsWith(key) && line.text.contains(key))
            refuseField(line.field, "\"" + key + "\", which would be read back into another field");
}

QByteArray encodedLine(const Line& line) {
    if (line.text.contains(QLatin1Char('\r')) || line.text.contains(QLatin1Char('\n')))
        refuseField(line.field, QStringLiteral("a line break"));
    refuseForeignKey(line);
    if (const std::optional<char32_t> c = cp1252::firstUnencodable(line.text))
        refuseField(line.field, cp1252::describe(*c) + ", which has no Windows-1252 code");
    return *cp1252::encode(line.text);
}

} // namespace

std::vector<Line> fileLines(const MainForm& f, const QString& dateStamp) {
    std::vector<Line> lines{{QStringLiteral("<HEAD>"), {}},
                            {QStringLiteral("kovex_date   = ") + dateStamp, QStringLiteral("Date")},
                            {QStringLiteral("</HEAD>"), {}},
                            {QStringLiteral("<TESTPOINTS>"), {}}};
    addTestPoints(lines, f);
    lines.push_back({QStringLiteral("</TESTPOINTS>"), {}});
    lines.push_back({QStringLiteral("<ADMINISTRATIVE_INFOS>"), {}});
    addAdministrativeInfo(lines, f);
    for (const char* tag : {"</ADMINISTRATIVE_INFOS>", "<TAIL>", "</TAIL>"})
        lines.push_back({QString::fromLatin1(tag), {}});
    return lines;
}

QByteArray fileBytes(const std::vector<Line>& lines) {
    QByteArray bytes;
    for (const Line& line : lines)
        bytes += encodedLine(line) + "\r\n";
    return bytes;
}

// The date line is for information only: a character of the user's date
// format that the code page lacks (a right-to-left mark, "г.") is written
// as "?" rather than refusing the save.
QString dateStamp(const QDateTime& now, const QString& dateFormat, const QString& timeFormat) {
    const QLocale neutral = QLocale::c();
    return cp1252::replacingUnencodable(neutral.toString(now, dateFormat) + QLatin1Char(' ') +
                                        neutral.toString(now, timeFormat));
}

namespace {

// The value is whatever follows a key written at the start of the line. A
// wall type is a whole number, and one outside the list selects no item.
int readKeys(MainForm& f, QStringView line, const std::vector<KeyedControl>& keys) {
    int found = 0;
    for (const KeyedControl& keyed : keys) {
        if (!line.contains(keyed.key))
            continue;
        const QString value = line.mid(keyed.key.size()).toString();
        if (f.ctl(keyed.control).kind == ControlKind::Combo)
            f.setItemIndex(keyed.control, num::toInt(value));
        else
            f.setText(keyed.control, value);
        ++found;
    }
    return found;
}

// Only the first letter of the language counts, in either case.
int readLanguage(MainForm& f, QStringView line) {
    const QString key = languageKey();
    for (int item = 0; item < languageNames().size(); ++item) {
        const QChar initial = languageNames()[item][0];
        if (line.contains(key + initial.toLower()) || line.contains(key + initial.toUpper()))
            f.setItemIndex(ui::cmbLanguage, item);
    }
    return line.contains(key) ? 1 : 0;
}

// The file keeps no coordinate system: the form shown is the one whose
// coordinates are there, and stays as it was when both or neither are.
void followCoordinates(MainForm& f) {
    const bool lambert = !f.text(ui::edtLambertX).isEmpty();
    const bool degrees = !f.text(ui::edtLONdeg).isEmpty();
    if (degrees && !lambert)
        showCoordinateForm(f, CoordinateSystem::WGS84);
    else if (lambert && !degrees)
        showCoordinateForm(f, CoordinateSystem::Lambert);
}

} // namespace

int readLine(MainForm& f, QStringView line) {
    const int found = readKeys(f, line, slotKeys()) + readKeys(f, line, recordKeys()) + readLanguage(f, line);
    followCoordinates(f);
    return found;
}

// CR LF, a bare LF and a bare CR each end a line; an empty file has no line.
int readBytes(MainForm& f, const QByteArray& bytes) {
    int found = 0;
    const QString text = cp1252::decode(bytes);
    const auto isLineEnd = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    auto from = text.cbegin();
    while (from != text.cend()) {
        const auto end = std::find_if(from, text.cend(), isLineEnd);
        found += readLine(f, QStringView(from, end));
        if (end == text.cend())
            break;
        from = std::next(end);
        if (*end == QLatin1Char('\r') && from != text.cend() && *from == QLatin1Char('\n'))
            from = std::next(from);
    }
    return found;
}

// Both systems' forbidden characters are refused, so that a file written
// here can be copied to the other; the path separators among them keep the
// file in the working directory. A leading "." would hide the file; a
// character the Windows-1252 files cannot hold (an emoji, a direction mark
// that shows the name reversed) would make a name that those files cannot
// name.
bool isAllowedFileName(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || cp1252::firstUnencodable(name))
        return false;
    for (QChar c : name)
        if (forbidden.contains(c) || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            return false;
    return true;
}

void checkFileName(const QString& callsign, const QString& name) {
    if (callsign.trimmed().isEmpty() || !isAllowedFileName(name))
        throw KovexError(QStringLiteral("Invalid filename"));
}

} // namespace tpai

namespace {

// A TPAI file is a few kilobytes; a larger one is refused before anything is
// loaded, so that a wrong choice neither floods the memory nor loads half.
constexpr qint64 kMaxTpaiFileBytes = qint64{1024} * 1024;

QByteArray readWholeFile(const QString& path) {
    using wholefile::Fault;
    try {
        return wholefile::read(path, kMaxTpaiFileBytes);
    } catch (const wholefile::FileFault& fault) {
        if (fault.fault == Fault::TooLarge)
            throw KovexError(QStringLiteral(
                "The file is too large for a TPAI file (more than 1 MiB); nothing was loaded."));
        wholefile::failPlainly(fault.fault);
    }
}

QString dialogFolder(const Session& p) {
    return p.data.dialogFolder.isEmpty() ? QDir::currentPath() : p.data.dialogFolder;
}

} // namespace

void WriteTpaiFile(Session& p) {
    MainForm& f = p.mainForm;
    const QString name = f.text(ui::edtCallsign) + QStringLiteral("_tpai.txt");
    tpai::checkFileName(f.text(ui::edtCallsign), name);
    const QString stamp = tpai::dateStamp(p.platform.clock.now(), p.platform.locale.shortDateFormat(),
                                          p.platform.locale.shortTimeFormat());
    const QByteArray bytes = tpai::fileBytes(tpai::fileLines(f, stamp));
    // What the load would refuse is not saved.
    if (bytes.size() > kMaxTpaiFileBytes)
        throw KovexError(QStringLiteral("The TPAI file was not saved: it would be too large for a TPAI file "
                                        "(more than 1 MiB), which could not be loaded again."));
    f.values.TpaiFileName = name;
    wholefile::saveOrFail(name, bytes);
    f.noteWrittenFiles({name});
}

bool ReadTpaiFile(Session& p) {
    const std::optional<QString> chosen = p.platform.dialogs.openFile(
        QStringLiteral("TestPointAdmInfo (*.txt)"), QStringLiteral("*tpai.txt"), dialogFolder(p));
    if (!chosen)
        return false;
    const QByteArray bytes = readWholeFile(*chosen);
    // The whole file is read into a copy of the window first: a line that
    // fails stops the load before any control has changed.
    MainForm checked = p.mainForm;
    if (tpai::readBytes(checked, bytes) == 0)
        throw KovexError(
            "Nothing was loaded: no test points or administrative information were found in \r\r" + *chosen);
    p.mainForm.values.TpaiFileName = *chosen;
    tpai::readBytes(p.mainForm, bytes);
    return true;
}

} // namespace kovex
