#pragma once

namespace kovex {

class EventTable;
class Program;

void btnAntennaResultsClick(Program& p);
void chkTiltClick(Program& p);
void edtTiltExit(Program& p);

void bindAntennaHandlers(EventTable& events);

} // namespace kovex
