#pragma once

#include "calc/SummaryGrid.h"
#include "model/KeptAntennas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace kovex {

class MainForm;

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
// The columns of the summary grid a case keeps, and their rows from 1.
std::vector<int> summaryColumnNumbers();
inline constexpr int kSummaryRows = summary::kRows - 1;
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

// The bytes of a case: the members of every object in the order of their
// names, the file's own members in the order they are read.
QByteArray caseBytes(const CaseContent& content);

// Reads a case for the controls of `form`, which tells only their kinds and
// items. A file that is no case, one of a newer format version, or a damaged
// one is refused with a KovexError that names the file as `shownName` and
// says why.
CaseContent readCase(const QByteArray& bytes, const MainForm& form, const QString& shownName);

} // namespace casefile

} // namespace kovex
