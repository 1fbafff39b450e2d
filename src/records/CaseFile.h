#pragma once

#include "model/KeptAntennas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace kovex {

class MainForm;
class Session;

// The station's case in one file: the administrative record, the summary
// grid and the inputs of every computed antenna. JSON in UTF-8, the format
// name and version first; every text as it stood in its control.
namespace casefile {

inline const QString kFormatName = QStringLiteral("kovex case");
// Version 2 added the safety check: its controls on the antenna pages and
// the antennas on the air together. Version 1 files open with them empty.
inline constexpr int kFormatVersion = 2;
inline const QString kPattern = QStringLiteral("*.kovex");

// The controls of the administrative record that a case keeps.
const std::vector<QString>& administrativeNames();
// The boxes of the Summary page that say which antennas are on the air
// together.
const std::vector<QString>& togetherNames();

struct CaseContent {
    KeptControls administrative;
    QString antennaNumber; // the text of edtAntNr
    // The summary grid's columns 1..12 and 14..17, rows 1 to the last.
    std::map<int, QStringList> summaryColumns;
    KeptAntennas antennas;
    // The boxes of the antennas on the air together.
    KeptControls together;

    bool operator==(const CaseContent&) const = default;
};

// The case as the window holds it.
CaseContent caseOf(const Session& p);
QByteArray caseBytes(const CaseContent& content);

// Reads a case for the controls of `form`. A file that is no case, one of a
// newer format version, or a damaged one is refused with a KovexError that
// names the file as `shownName` and says why.
CaseContent readCase(const QByteArray& bytes, const MainForm& form, const QString& shownName);

// Puts a read case into the window without computing anything: the pages
// show the inputs of the antenna computed last (those the program started
// with when no antenna is kept), the file names follow the callsign.
void putBackCase(Session& p, const CaseContent& content);

} // namespace casefile

// Remembers the case as the program starts it: a new case, unchanged.
void startNewCase(Session& p);
// True when the case differs from the one last saved or opened.
bool caseHasUnsavedChanges(const Session& p);
// Before the case is left: when it has unsaved changes, asks whether to save
// them, discard them or stay. False when the case should stay (the question
// or the save was cancelled).
bool mayLeaveCase(Session& p);

void mnuOpenCaseClick(Session& p);
// Opens the k-th (1..5) of the cases opened or saved last.
void mnuRecentCaseClick(Session& p, int k);
void mnuSaveCaseClick(Session& p);
void mnuSaveCaseAsClick(Session& p);

} // namespace kovex
