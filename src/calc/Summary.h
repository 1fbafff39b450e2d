#pragma once

namespace kovex {

class EventTable;
class Program;

// Writes antenna column c of the summary grid from the case values and the
// controls, and the test points' distances and heights.
void WriteSummaryColumn(Program& p, int column);
void TabSheet5Enter(Program& p);
void btnNextAntennaClick(Program& p);
void btnClearAllResultsClick(Program& p);

void bindSummaryHandlers(EventTable& events);

} // namespace kovex
