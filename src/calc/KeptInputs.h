#pragma once

#include "model/KeptAntennas.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kovex {

class Session;

// The controls that describe one antenna, on the Power, Antenna and Test
// points pages: its inputs (the power chain, the antenna record with its
// height, polarization and tilt, the twelve test-point slots), what the
// pages derive from them, and the fields computed.
const std::vector<QString>& antennaPageNames();

// The state of the named controls of the main window.
KeptControls keptControls(const Session& p, const std::vector<QString>& names);

// Writes kept states back into their controls, running no handler and
// computing nothing; a list of a reference table moves to the kept record's
// key. Gives one line for each such list that now shows another record than
// the one kept (the reference table changed or is missing).
QStringList putBackControls(Session& p, const KeptControls& kept);

// Puts an antenna's pages back as they were when its fields were computed. A
// list that cannot show its kept record is named in a warning.
void putBackAntenna(Session& p, const KeptControls& pages);

// Keeps the antenna pages as those of summary column `antenna`; the field
// computation calls it when it has written that column.
void keepAntennaInputs(Session& p, int antenna);

// Puts the kept inputs of the antenna numbered in edtAntNr back on the pages,
// so that it can be changed and computed again.
void btnRecallAntennaClick(Session& p);

} // namespace kovex
