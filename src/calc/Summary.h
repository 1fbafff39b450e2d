#pragma once

namespace kovex {

class Session;

// Writes antenna column c of the summary grid from the case values and the
// controls, and the test points' distances and heights.
void WriteSummaryColumn(Session& p, int column);
void TabSheet5Enter(Session& p);
void btnNextAntennaClick(Session& p);
void btnClearAllResultsClick(Session& p);

} // namespace kovex
