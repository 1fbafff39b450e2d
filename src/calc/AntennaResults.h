#pragma once

namespace kovex {

class Session;

// The antenna results around the power chain: first the antenna, its
// height, opening angles, tilt and band, then its gain, EIRP and
// polarization.
void showAntennaInputs(Session& p);
void showAntennaGain(Session& p);
// A height of exactly 0 suits a ground plane on the ground, not a beam: the
// user is warned, and the computation goes on.
void warnOfZeroHeight(Session& p, double typedHeightM);
void chkTiltClick(Session& p);
void edtTiltExit(Session& p);

} // namespace kovex
