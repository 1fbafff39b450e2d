#pragma once

namespace kovex {

class Session;

// Writes antenna column c of the summary grid from the case values and the
// controls, and the test points' distances and heights.
void WriteSummaryColumn(Session& p, int column);
// The maxima of the test points and the exposure ratios, as the page shows
// them when entered.
void refreshSummary(Session& p);
void TabSheet5Enter(Session& p);
// The step before the regulator's files are written: the highest field of
// every point, exactly as entering the Summary page computes it, so that the
// files never carry the maxima of an earlier computation. Points with fields
// of other antennas but none of antenna 1 are left out of the files; the
// user is asked first. False when the save is not to go on.
bool maximaReadyForFiles(Session& p);
void btnNextAntennaClick(Session& p);
void btnClearAllResultsClick(Session& p);

} // namespace kovex
