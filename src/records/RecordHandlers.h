#pragma once

namespace kovex {

class EventTable;
class Program;

// The four buttons of the TPAI file, two on the test points page and two on
// the administrative page, each pair doing the same.
void Button1Click(Program& p);
void btnSaveTPAIClick(Program& p);
void btnLoadTPClick(Program& p);
void btnLoadTPAIClick(Program& p);

// Binds the handlers of the administrative record, its validation and the
// TPAI file.
void bindRecordHandlers(EventTable& events);

} // namespace kovex
