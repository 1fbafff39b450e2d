#pragma once

namespace kovex {

class EventTable;
class Program;

void btnAntennaResultsClick(Program& p);
// A height of exactly 0 suits a ground plane on the ground, not a beam: the
// user is warned, and the computation goes on.
void warnOfZeroHeight(Program& p, double typedHeightM);
void chkTiltClick(Program& p);
void edtTiltExit(Program& p);

void bindAntennaHandlers(EventTable& events);

} // namespace kovex
