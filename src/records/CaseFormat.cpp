#include "records/CaseFormat.h"

#include "calc/KeptInputs.h"
#include "calc/SafetyCheckHandlers.h"
#include "calc/SummaryGrid.h"
#include "model/ControlNames.h"
#include "model/MainForm.h"
#include "records/AdministrativeRecord.h"
#include "support/JsonWriter.h"
#include "support/KovexError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace kovex {

namespace casefile {

namespace {

using namespace summary;

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kAdministrativeKey = QStringLiteral("administrative");
const QString kAntennaNumberKey = QStringLiteral("antennaNumber");
const QString kLastComputedKey = QStringLiteral("lastComputedAntenna");
const QString kSummaryKey = QStringLiteral("summary");
const QString kAntennasKey = QStringLiteral("antennas");
const QString kTogetherKey = QStringLiteral("together");
// The first version that keeps the safety check.
constexpr int kSafetyCheckVersion = 2;

const QString kItemKey = QStringLiteral("item");
const QString kTextKey = QStringLiteral("text");
const QString kRecordKey = QStringLiteral("key");
const QString kCheckedKey = QStringLiteral("checked");
const QString kVisibleKey = QStringLiteral("visible");
const QString kColourKey = QStringLiteral("colour");
const QString kBoldKey = QStringLiteral("bold");

bool hasItems(ControlKind kind) {
    return kind == ControlKind::Combo || kind == ControlKind::RadioGroup;
}

bool hasCheck(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::Radio;
}

// What a control of this kind keeps beside its text and its look.
QStringList keysOf(ControlKind kind) {
    QStringList keys{kTextKey};
    if (hasItems(kind))
        keys << kItemKey;
    if (hasCheck(kind))
        keys << kCheckedKey;
    if (kind == ControlKind::Lookup)
        keys << kRecordKey;
    return keys << kVisibleKey << kColourKey << kBoldKey;
}

// ---- writing

QString colourName(QRgb color) {
    return QStringLiteral("#%1").arg(color & 0xffffffu, 6, 16, QLatin1Char('0'));
}

// The kinds of the controls are those of a fresh window: the file's layout
// does not depend on any state.
const MainForm& controlKinds() {
    static const MainForm form;
    return form;
}

// The members of a control in the order of their names, as every object of
// the file has them.
void writeControl(json::Writer& w, const Control& control, const KeptControl& kept) {
    w.beginObject();
    w.key(kBoldKey);
    w.value(kept.bold);
    if (hasCheck(control.kind)) {
        w.key(kCheckedKey);
        w.value(kept.checked);
    }
    w.key(kColourKey);
    w.value(colourName(kept.color));
    if (hasItems(control.kind)) {
        w.key(kItemKey);
        w.value(kept.itemIndex);
    }
    if (control.kind == ControlKind::Lookup) {
        w.key(kRecordKey);
        w.value(kept.key);
    }
    w.key(kTextKey);
    w.value(kept.text);
    w.key(kVisibleKey);
    w.value(kept.visible);
    w.endObject();
}

// Writes the members `keys` of an object in the order of their names, the
// value of the i-th by `writeValue(i)`.
template <class WriteValue>
void writeInNameOrder(json::Writer& w, const QStringList& keys, WriteValue writeValue) {
    std::vector<qsizetype> order(static_cast<std::size_t>(keys.size()));
    std::iota(order.begin(), order.end(), qsizetype{0});
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    w.beginObject();
    for (qsizetype i : order) {
        w.key(keys[i]);
        writeValue(i);
    }
    w.endObject();
}

void writeControls(json::Writer& w, const KeptControls& kept) {
    QStringList names;
    for (const auto& entry : kept)
        names << entry.first;
    writeInNameOrder(w, names, [&](qsizetype i) {
        const auto& [name, state] = kept[std::size_t(i)];
        writeControl(w, controlKinds().ctl(name), state);
    });
}

void writeSummary(json::Writer& w, const std::map<int, QStringList>& columns) {
    QStringList keys;
    std::vector<const QStringList*> rows;
    for (const auto& [column, cells] : columns) {
        keys << QString::number(column);
        rows.push_back(&cells);
    }
    writeInNameOrder(w, keys, [&](qsizetype i) {
        w.beginArray();
        for (const QString& cell : *rows[std::size_t(i)])
            w.value(cell);
        w.endArray();
    });
}

void writeAntennas(json::Writer& w, const KeptAntennas& antennas) {
    QStringList keys;
    std::vector<const KeptControls*> inputs;
    for (int n = 1; n <= kMaxAntennas; ++n)
        if (const KeptControls* kept = antennas.find(n)) {
            keys << QString::number(n);
            inputs.push_back(kept);
        }
    writeInNameOrder(w, keys, [&](qsizetype i) { writeControls(w, *inputs[std::size_t(i)]); });
}

// ---- reading

// A file that is no case has no text; a damaged one says what is wrong.
struct Refusal : KovexError {
    explicit Refusal(const QString& detail = {}) : KovexError(detail) {}
};

struct NewerVersion : KovexError {
    explicit NewerVersion(int found) : KovexError(QString::number(found)), version(found) {}
    int version;
};

[[noreturn]] void damaged(const QString& detail) {
    throw Refusal{detail};
}

QJsonValue required(const QJsonObject& object, const QString& key, const QString& where) {
    if (!object.contains(key))
        damaged(where + " lacks \"" + key + "\"");
    return object.value(key);
}

void onlyKnownKeys(const QJsonObject& object, const QStringList& known, const QString& where) {
    for (const QString& key : object.keys())
        if (!known.contains(key))
            damaged(where + " holds \"" + key + "\", which a case does not have");
}

QString textOf(const QJsonValue& value, const QString& what) {
    if (!value.isString())
        damaged(what + " is not a text");
    return value.toString();
}

bool checkOf(const QJsonValue& value, const QString& what) {
    if (!value.isBool())
        damaged(what + " is not true or false");
    return value.toBool();
}

int wholeOf(const QJsonValue& value, const QString& what, int lowest, int highest) {
    const double number = value.isDouble() ? value.toDouble() : NAN;
    if (!(number == std::floor(number) && number >= lowest && number <= highest))
        damaged(QStringLiteral("%1 is not a whole number from %2 to %3").arg(what).arg(lowest).arg(highest));
    return static_cast<int>(number);
}

QJsonObject objectOf(const QJsonValue& value, const QString& what) {
    if (!value.isObject())
        damaged(what + " is not an object");
    return value.toObject();
}

QRgb colourOf(const QJsonValue& value, const QString& what) {
    static const QRegularExpression pattern(QStringLiteral("^#[0-9a-f]{6}$"));
    const QString name = textOf(value, what);
    if (!pattern.match(name).hasMatch())
        damaged(what + " is not a colour written as #rrggbb");
    return 0xff000000u | name.mid(1).toUInt(nullptr, 16);
}

// A control keeps exactly the values of its kind. The item of a list, when
// there is one, decides its text, as it does in the window.
KeptControl readControl(const Control& control, const QJsonValue& value, const QString& what) {
    const QJsonObject object = objectOf(value, what);
    onlyKnownKeys(object, keysOf(control.kind), what);
    const auto member = [&](const QString& key) { return required(object, key, what); };
    KeptControl kept;
    kept.text = textOf(member(kTextKey), "the text of " + what);
    if (hasItems(control.kind)) {
        const int lastItem = static_cast<int>(control.items.size()) - 1;
        kept.itemIndex = wholeOf(member(kItemKey), "the item of " + what, -1, lastItem);
        if (kept.itemIndex >= 0 && control.kind == ControlKind::Combo)
            kept.text = control.items[kept.itemIndex];
    }
    if (hasCheck(control.kind))
        kept.checked = checkOf(member(kCheckedKey), "the check of " + what);
    if (control.kind == ControlKind::Lookup)
        kept.key = textOf(member(kRecordKey), "the key of " + what);
    kept.visible = checkOf(member(kVisibleKey), "the visibility of " + what);
    kept.color = colourOf(member(kColourKey), "the colour of " + what);
    kept.bold = checkOf(member(kBoldKey), "the boldness of " + what);
    return kept;
}

// A control an older version did not keep, as the program starts with it.
KeptControl startState(const Control& control) {
    KeptControl kept;
    kept.text = control.text;
    kept.itemIndex = control.itemIndex;
    kept.checked = control.checked;
    kept.visible = control.visible;
    kept.color = control.color;
    kept.bold = control.bold;
    return kept;
}

// Every control of the group must be there, and nothing else; the controls
// `notYetKept` are not there and start as the program starts them.
KeptControls readControls(const QJsonValue& value, const std::vector<QString>& names, const MainForm& form,
                          const QString& where, const QStringList& notYetKept = {}) {
    const QJsonObject object = objectOf(value, where);
    QStringList known;
    KeptControls kept;
    for (const QString& name : names) {
        if (notYetKept.contains(name)) {
            kept.emplace_back(name, startState(controlKinds().ctl(name)));
            continue;
        }
        known << name;
        const QString what = "\"" + name + "\" of " + where;
        kept.emplace_back(name, readControl(form.ctl(name), required(object, name, where), what));
    }
    onlyKnownKeys(object, known, where);
    return kept;
}

std::map<int, QStringList> readSummary(const QJsonValue& value) {
    const QString where = QStringLiteral("the summary");
    const QJsonObject object = objectOf(value, where);
    std::map<int, QStringList> columns;
    QStringList known;
    for (int column : summaryColumnNumbers()) {
        const QString key = QString::number(column);
        known << key;
        const QString what = "column " + key + " of the summary";
        const QJsonValue rows = required(object, key, where);
        if (!rows.isArray() || rows.toArray().size() != kSummaryRows)
            damaged(what + QStringLiteral(" is not a list of %1 texts").arg(kSummaryRows));
        QStringList texts;
        for (const QJsonValue cell : rows.toArray())
            texts << textOf(cell, "a cell of " + what);
        columns.emplace(column, texts);
    }
    onlyKnownKeys(object, known, where);
    return columns;
}

KeptAntennas readAntennas(const QJsonValue& value, const MainForm& form, int version) {
    const QStringList notYetKept = version < kSafetyCheckVersion ? safetyCheckNames() : QStringList();
    const QJsonObject object = objectOf(value, QStringLiteral("the list of antennas"));
    KeptAntennas antennas;
    QStringList known;
    for (int n = 1; n <= kMaxAntennas; ++n) {
        const QString key = QString::number(n);
        known << key;
        if (object.contains(key))
            antennas.keep(
                n, readControls(object.value(key), antennaPageNames(), form, "antenna " + key, notYetKept));
    }
    onlyKnownKeys(object, known, QStringLiteral("the list of antennas"));
    return antennas;
}

// The format name tells a case from any other file; the version, read
// before anything else, tells a case this program can read.
int checkFormat(const QJsonDocument& document) {
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(kFormatKey).toString() != kFormatName)
        throw Refusal{};
    const QString version = QStringLiteral("the format version");
    const int found = wholeOf(required(top, kVersionKey, QStringLiteral("the file")), version, 1,
                              std::numeric_limits<int>::max());
    if (found > kFormatVersion)
        throw NewerVersion{found};
    return found;
}

KeptControls readTogether(const QJsonObject& top, const MainForm& form, int version) {
    const std::vector<QString>& names = togetherNames();
    if (version < kSafetyCheckVersion)
        return readControls(QJsonObject(), names, form, {}, QStringList(names.begin(), names.end()));
    return readControls(required(top, kTogetherKey, QStringLiteral("the file")), names, form,
                        QStringLiteral("the antennas on the air together"));
}

CaseContent readContent(const QJsonObject& top, const MainForm& form, int version) {
    const QString file = QStringLiteral("the file");
    QStringList members{kFormatKey,       kVersionKey, kAdministrativeKey, kAntennaNumberKey,
                        kLastComputedKey, kSummaryKey, kAntennasKey};
    if (version >= kSafetyCheckVersion)
        members << kTogetherKey;
    onlyKnownKeys(top, members, file);
    CaseContent content;
    content.administrative = readControls(required(top, kAdministrativeKey, file), administrativeNames(),
                                          form, QStringLiteral("the administrative record"));
    content.antennaNumber = textOf(required(top, kAntennaNumberKey, file), "\"" + kAntennaNumberKey + "\"");
    content.summaryColumns = readSummary(required(top, kSummaryKey, file));
    content.antennas = readAntennas(required(top, kAntennasKey, file), form, version);
    content.together = readTogether(top, form, version);
    const QString what = "\"" + kLastComputedKey + "\"";
    const int last = wholeOf(required(top, kLastComputedKey, file), what, 0, kMaxAntennas);
    if (last != 0 && !content.antennas.find(last))
        damaged(what + QStringLiteral(" names antenna %1, which keeps no inputs").arg(last));
    content.antennas.setLast(last);
    return content;
}

// A file saved by an editor may begin with a byte-order mark.
QByteArray withoutByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

// A cut or spoilt case still names its format near its start; other text
// is no case at all.
bool looksLikeCase(const QByteArray& bytes) {
    return bytes.left(256).contains("\"" + kFormatName.toUtf8() + "\"");
}

QString notACase(const QString& shownName) {
    return "The file \"" + shownName + "\" is not a kovex case; nothing was opened.";
}

} // namespace

const std::vector<QString>& administrativeNames() {
    static const std::vector<QString> names = [] {
        std::vector<QString> all;
        for (const AdministrativeField& field : kAdministrativeFields)
            all.push_back(field.control);
        return all;
    }();
    return names;
}

std::vector<int> summaryColumnNumbers() {
    std::vector<int> columns;
    for (int c = kFirstAntennaColumn; c <= kLastAntennaColumn; ++c)
        columns.push_back(c);
    for (int c = kMaxFieldColumn; c <= kFromAntennaColumn; ++c)
        columns.push_back(c);
    return columns;
}

const std::vector<QString>& togetherNames() {
    static const std::vector<QString> names = [] {
        std::vector<QString> all;
        for (int c = 1; c <= kMaxAntennas; ++c)
            all.push_back(ui::chkTogether[c]);
        return all;
    }();
    return names;
}

QByteArray caseBytes(const CaseContent& content) {
    json::Writer w;
    w.beginObject();
    w.key(kFormatKey);
    w.value(kFormatName);
    w.key(kVersionKey);
    w.value(kFormatVersion);
    w.key(kAdministrativeKey);
    writeControls(w, content.administrative);
    w.key(kAntennaNumberKey);
    w.value(content.antennaNumber);
    w.key(kLastComputedKey);
    w.value(content.antennas.last());
    w.key(kSummaryKey);
    writeSummary(w, content.summaryColumns);
    w.key(kAntennasKey);
    writeAntennas(w, content.antennas);
    w.key(kTogetherKey);
    writeControls(w, content.together);
    w.endObject();
    return w.document();
}

CaseContent readCase(const QByteArray& bytes, const MainForm& form, const QString& shownName) {
    const QByteArray json = withoutByteOrderMark(bytes);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    try {
        if (document.isNull()) {
            if (!looksLikeCase(json))
                throw Refusal{};
            damaged(QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
        }
        const int version = checkFormat(document);
        return readContent(document.object(), form, version);
    } catch (const Refusal& refusal) {
        if (refusal.text().isEmpty())
            throw KovexError(notACase(shownName));
        throw KovexError("The case \"" + shownName + "\" is damaged and was not opened: " + refusal.text() +
                         ".");
    } catch (const NewerVersion& newer) {
        throw KovexError("The case \"" + shownName + "\" was saved in version " +
                         QString::number(newer.version) +
                         " of the case format, which this kovex does not know (it reads version " +
                         QString::number(kFormatVersion) + "); nothing was opened.");
    }
}

} // namespace casefile

} // namespace kovex
