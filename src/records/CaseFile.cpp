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
#include <utility>

namespace kovex {

namespace casefile {

namespace {

// A case of twelve antennas is some 500 kB; anything far larger is no case,
// and is refused before it fills the memory.
constexpr qint64 kMaxCaseFileBytes = qint64{16} * 1024 * 1024;

} // namespace

// The controls whose state caseOf takes as it stands; the antenna pages
// count only once computed, through the kept antennas.
void markKeptControls(MainForm& f) {
    f.keepInCase(administrativeNames());
    f.keepInCase(togetherNames());
    f.keepInCase({ui::edtAntNr});
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
    p.mainForm.caseFile.savedRevision = p.mainForm.revision();
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
    casefile::markKeptControls(p.mainForm);
    p.mainForm.caseFile.startPages = keptControls(p, antennaPageNames());
    markSaved(p, QString());
    showRecentCases(p);
}

// Asked after every action by the window's title, so told from a count,
// not from the case written out. A value changed and changed back counts
// as a change.
bool caseHasUnsavedChanges(const MainForm& f) {
    return f.revision() != f.caseFile.savedRevision;
}

bool mayLeaveCase(Session& p) {
    if (!caseHasUnsavedChanges(p.mainForm))
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
