#include "records/CaseFile.h"

#include "calc/KeptInputs.h"
#include "calc/SafetyCheckHandlers.h"
#include "calc/SummaryGrid.h"
#include "model/ControlNames.h"
#include "records/AdministrativeRecord.h"
#include "refdata/Session.h"
#include "support/KovexError.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <any>
#include <cmath>
#include <limits>
#include <utility>

namespace kovex {

namespace casefile {

namespace {

using namespace summary;

// A case of twelve antennas is some 500 kB; anything far larger is no case,
// and is refused before it fills the memory.
constexpr qint64 kMaxCaseFileBytes = qint64{16} * 1024 * 1024;

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

std::vector<int> summaryColumnNumbers() {
    std::vector<int> columns;
    for (int c = kFirstAntennaColumn; c <= kLastAntennaColumn; ++c)
        columns.push_back(c);
    for (int c = kMaxFieldColumn; c <= kFromAntennaColumn; ++c)
        columns.push_back(c);
    return columns;
}

constexpr int kSummaryRows = kRows - 1; // rows 1..46; row 0 holds the headings

// ---- writing

QString colourName(QRgb color) {
    return QStringLiteral("#%1").arg(color & 0xffffffu, 6, 16, QLatin1Char('0'));
}

QJsonValue controlValue(const Control& control, const KeptControl& kept) {
    QJsonObject object{{kTextKey, kept.text},
                       {kVisibleKey, kept.visible},
                       {kColourKey, colourName(kept.color)},
                       {kBoldKey, kept.bold}};
    if (hasItems(control.kind))
        object.insert(kItemKey, kept.itemIndex);
    if (hasCheck(control.kind))
        object.insert(kCheckedKey, kept.checked);
    if (control.kind == ControlKind::Lookup)
        object.insert(kRecordKey, kept.key);
    return object;
}

// The kinds of the controls are those of a fresh window: the file's layout
// does not depend on any state.
const MainForm& controlKinds() {
    static const MainForm form;
    return form;
}

QJsonObject controlsObject(const KeptControls& kept) {
    QJsonObject object;
    for (const auto& [name, state] : kept)
        object.insert(name, controlValue(controlKinds().ctl(name), state));
    return object;
}

QJsonObject summaryObject(const std::map<int, QStringList>& columns) {
    QJsonObject object;
    for (const auto& [column, rows] : columns)
        object.insert(QString::number(column), QJsonArray::fromStringList(rows));
    return object;
}

QJsonObject antennasObject(const KeptAntennas& antennas) {
    QJsonObject object;
    for (int n = 1; n <= kMaxAntennas; ++n)
        if (const KeptControls* inputs = antennas.find(n))
            object.insert(QString::number(n), controlsObject(*inputs));
    return object;
}

// A member of the top object, its value indented one level.
QByteArray member(const QString& key, const QJsonValue& value) {
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Indented).trimmed();
    // "[\n    value\n]": the value as the array's only element.
    // An element of the array stands where a member of the top object does.
    const QByteArray inner = json.mid(1, json.size() - 2).trimmed();
    const QByteArray name = QJsonDocument(QJsonArray{key}).toJson(QJsonDocument::Compact);
    return "    " + name.mid(1, name.size() - 2) + ": " + inner;
}

// ---- reading

// A file that is no case has no text; a damaged one says what is wrong.
struct Refusal {
    QString text;
};

struct NewerVersion {
    int version = 0;
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
            antennas.keep(n, readControls(object.value(key), antennaPageNames(), form, "antenna " + key,
                                          notYetKept));
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
    static const std::vector<QString> names{ui::edtName,
                                            ui::edtFirstName,
                                            ui::edtAddress,
                                            ui::edtZipCode,
                                            ui::edtCity,
                                            ui::edtPhoneNr,
                                            ui::edtEmail,
                                            ui::edtCallsign,
                                            ui::edtNote,
                                            ui::cmbLanguage,
                                            ui::chkAntLocationPersonnalAddress,
                                            ui::edtAntAddress,
                                            ui::edtAntZipCode,
                                            ui::edtAntCity,
                                            ui::rdbLambert,
                                            ui::edtLambertX,
                                            ui::edtLambertY,
                                            ui::edtLONdeg,
                                            ui::edtLONmin,
                                            ui::edtLONsec,
                                            ui::edtLATdeg,
                                            ui::edtLATmin,
                                            ui::edtLATsec,
                                            ui::chkOtherOperator,
                                            ui::edtOtherOperator,
                                            ui::edtNoteSite,
                                            ui::rdbExistingSite};
    return names;
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

CaseContent caseOf(const Session& p) {
    const MainForm& f = p.mainForm;
    CaseContent content;
    content.administrative = keptControls(p, administrativeNames());
    content.antennaNumber = f.text(ui::edtAntNr);
    for (int column : summaryColumnNumbers()) {
        QStringList rows;
        for (int row = 1; row <= kSummaryRows; ++row)
            rows << f.sgdTP.cell(column, row);
        content.summaryColumns.emplace(column, rows);
    }
    content.antennas = f.keptAntennas;
    content.together = keptControls(p, togetherNames());
    return content;
}

QByteArray caseBytes(const CaseContent& content) {
    const QList<QByteArray> members{
        member(kFormatKey, kFormatName),
        member(kVersionKey, kFormatVersion),
        member(kAdministrativeKey, controlsObject(content.administrative)),
        member(kAntennaNumberKey, content.antennaNumber),
        member(kLastComputedKey, content.antennas.last()),
        member(kSummaryKey, summaryObject(content.summaryColumns)),
        member(kAntennasKey, antennasObject(content.antennas)),
        member(kTogetherKey, controlsObject(content.together)),
    };
    return "{\n" + members.join(",\n") + "\n}\n";
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
        if (refusal.text.isEmpty())
            throw KovexError(notACase(shownName));
        throw KovexError("The case \"" + shownName + "\" is damaged and was not opened: " + refusal.text +
                         ".");
    } catch (const NewerVersion& newer) {
        throw KovexError("The case \"" + shownName + "\" was saved in version " +
                         QString::number(newer.version) +
                         " of the case format, which this kovex does not know (it reads version " +
                         QString::number(kFormatVersion) + "); nothing was opened.");
    }
}

void putBackCase(Session& p, const CaseContent& content) {
    MainForm& f = p.mainForm;
    putBackControls(p, content.administrative);
    f.setChecked(ui::rdbNewSite, !f.checked(ui::rdbExistingSite));
    // The help speaks the correspondence language, as after loading a TPAI file.
    if (f.itemIndex(ui::cmbLanguage) >= 0)
        setHelpLanguage(p, f.itemIndex(ui::cmbLanguage));
    setFileNamesFromCallsign(p);

    for (const auto& [column, rows] : content.summaryColumns)
        for (int row = 1; row <= rows.size(); ++row)
            f.sgdTP.setCell(column, row, rows[row - 1]);
    f.setText(ui::edtAntNr, content.antennaNumber);
    bool isNumber = false;
    const int number = content.antennaNumber.trimmed().toInt(&isNumber);
    if (isNumber && number >= 1 && number <= kMaxAntennas)
        f.ctl(ui::UpDown1).itemIndex = number;

    f.keptAntennas = content.antennas;
    const KeptControls* last = content.antennas.find(content.antennas.last());
    putBackAntenna(p, last ? *last : f.caseFile.startPages);
    putBackControls(p, content.together);
    showExposureRatios(p);
}

} // namespace casefile

namespace {

const QString kFilterDescription = QStringLiteral("kovex case");
const QString kSaveFirstQuestion =
    QStringLiteral("The case has changes that are not saved.\rDo you want to save them first?");

QString shownName(const QString& path) {
    return QFileInfo(path).fileName();
}

QStringList recentCases(const Session& p) {
    return p.platform.settings ? p.platform.settings->recentCases().mid(0, kRecentCases) : QStringList();
}

void showRecentCases(Session& p) {
    const QStringList recent = recentCases(p);
    for (int k = 1; k <= kRecentCases; ++k) {
        Control& item = p.mainForm.ctl(ui::mnuRecentCase[k]);
        item.visible = k <= recent.size();
        item.text = item.visible ? "&" + QString::number(k) + ' ' + QDir::toNativeSeparators(recent[k - 1])
                                 : QString();
    }
}

// The case opened or saved last comes first, once; a case whose file is
// gone is forgotten.
void updateRecentCases(Session& p, const QString& path, bool remember) {
    if (!p.platform.settings)
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = recentCases(p);
    recent.removeAll(full);
    if (remember)
        recent.prepend(full);
    p.platform.settings->setRecentCases(recent.mid(0, kRecentCases));
    showRecentCases(p);
}

// The baseline against which unsaved changes are told.
void markSaved(Session& p, const QString& path) {
    p.mainForm.caseFile.path = path;
    casefile::CaseContent content = casefile::caseOf(p);
    p.mainForm.caseFile.savedBytes = casefile::caseBytes(content);
    p.mainForm.caseFile.savedContent = std::move(content);
    if (!path.isEmpty())
        updateRecentCases(p, path, true);
}

QByteArray readCaseFile(const QString& path) {
    using wholefile::Fault;
    const QString file = "The file \"" + shownName(path) + "\" ";
    try {
        return wholefile::read(path, casefile::kMaxCaseFileBytes);
    } catch (const wholefile::FileFault& fault) {
        switch (fault.fault) {
        case Fault::NotFound:
            throw KovexError(file + "was not found; nothing was opened.");
        case Fault::TooLarge:
            throw KovexError(file + "is far too large for a kovex case; nothing was opened.");
        case Fault::ReadFailed:
            throw KovexError(file + "cannot be read (" + fault.detail + "); nothing was opened.");
        default:
            throw KovexError(file + "cannot be read; nothing was opened.");
        }
    }
}

void writeCaseFile(const QString& path, const QByteArray& bytes) {
    using wholefile::Fault;
    const QString refused = "The case was not saved as \"" + shownName(path) + "\": ";
    try {
        wholefile::save(path, bytes);
    } catch (const wholefile::FileFault& fault) {
        switch (fault.fault) {
        case Fault::NotReplaceable:
            throw KovexError(refused + "the file there cannot be replaced.");
        case Fault::CannotCreate:
            throw KovexError(refused + fault.detail + '.');
        default:
            throw KovexError(refused + fault.detail + "; a file already there is left as it was.");
        }
    }
}

QString withCaseExtension(const QString& path) {
    const QString extension = casefile::kPattern.mid(1);
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

// The dialog starts at the case's own file, else in the working folder at
// a name after the callsign.
QString suggestedPath(const Session& p) {
    if (!p.mainForm.caseFile.path.isEmpty())
        return p.mainForm.caseFile.path;
    const QString callsign = p.mainForm.text(ui::edtCallsign);
    const QString name = callsign.isEmpty() ? QStringLiteral("case") : callsign;
    return QDir::current().filePath(withCaseExtension(name));
}

bool saveAs(Session& p) {
    const std::optional<QString> chosen =
        p.platform.dialogs.saveFile(kFilterDescription, casefile::kPattern, suggestedPath(p));
    if (!chosen)
        return false;
    const QString path = withCaseExtension(*chosen);
    writeCaseFile(path, casefile::caseBytes(casefile::caseOf(p)));
    markSaved(p, path);
    p.mainForm.noteWrittenFiles({path});
    return true;
}

bool save(Session& p) {
    if (p.mainForm.caseFile.path.isEmpty())
        return saveAs(p);
    writeCaseFile(p.mainForm.caseFile.path, casefile::caseBytes(casefile::caseOf(p)));
    markSaved(p, p.mainForm.caseFile.path);
    p.mainForm.noteWrittenFiles({p.mainForm.caseFile.path});
    return true;
}

} // namespace

void startNewCase(Session& p) {
    p.mainForm.caseFile.startPages = keptControls(p, antennaPageNames());
    markSaved(p, QString());
    showRecentCases(p);
}

bool caseHasUnsavedChanges(const Session& p) {
    const casefile::CaseContent now = casefile::caseOf(p);
    const auto* saved = std::any_cast<casefile::CaseContent>(&p.mainForm.caseFile.savedContent);
    if (saved && now == *saved)
        return false;
    // Parts of the window the file does not keep may differ.
    return casefile::caseBytes(now) != p.mainForm.caseFile.savedBytes;
}

bool mayLeaveCase(Session& p) {
    if (!caseHasUnsavedChanges(p))
        return true;
    switch (p.platform.dialogs.saveDiscardOrCancel(kSaveFirstQuestion)) {
    case SaveChoice::Save:
        return save(p);
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

namespace {

// Everything is read and checked before anything in the window changes.
void openCase(Session& p, const QString& path) {
    const casefile::CaseContent content = casefile::readCase(readCaseFile(path), p.mainForm, shownName(path));
    casefile::putBackCase(p, content);
    markSaved(p, path);
}

} // namespace

void mnuOpenCaseClick(Session& p) {
    if (!mayLeaveCase(p))
        return;
    const std::optional<QString> chosen =
        p.platform.dialogs.openFile(kFilterDescription, casefile::kPattern, QDir::currentPath());
    if (chosen)
        openCase(p, *chosen);
}

void mnuRecentCaseClick(Session& p, int k) {
    const QStringList recent = recentCases(p);
    if (k < 1 || k > recent.size() || !mayLeaveCase(p))
        return;
    if (!QFileInfo::exists(recent[k - 1]))
        updateRecentCases(p, recent[k - 1], false);
    openCase(p, recent[k - 1]);
}

void mnuSaveCaseClick(Session& p) {
    save(p);
}

void mnuSaveCaseAsClick(Session& p) {
    saveAs(p);
}

} // namespace kovex
