#pragma once

#include "calc/FieldStrength.h"

#include <cstdint>
#include <vector>

namespace kovex {

// The regulator's estimate mirrors a point above the antenna below it and
// adds the tilt either way, so a tilted beam can look away from a point it
// actually covers. The safety check reads the pattern at the point's real
// angle from the tilted main direction as well and keeps the larger gain:
// its field is never below the estimate, and equals it without a tilt.
struct CheckedPoint {
    double elevationDeg = 0; // signed: positive above the antenna
    double offBeamDeg = 0;   // angle from the tilted main direction
    double gaindBi = 0;
    double fieldVm = 0;
};

// The elevation of the point seen from the antenna: the estimate's angle
// (the same rounded antenna height, the same degrees per radian), positive
// for a point above the antenna.
double signedElevationDeg(const PointField& estimate, const AntennaInput& antenna,
                          const TestPointInput& point);

// |e - tilt|: how far the point lies from the tilted main direction.
double offBeamAngleDeg(double elevationDeg, double tiltDeg);

// The larger of the estimate's gain and the pattern's gain off the beam.
double checkedGaindBi(const VerticalPattern& pattern, double estimatedGaindBi, double offBeamDeg);

// The checked field beside the estimate of the same point.
CheckedPoint checkedField(const AntennaInput& antenna, const TestPointInput& point,
                          const PointField& estimate);

// Closer than λ/2π at the band's lower edge, or than the antenna's own
// size, the point-source model does not hold.
double nearFieldRadiusM(std::int32_t freqMinMHz, double antennaSpanM);
bool inNearField(double rangeM, double nearFieldRadiusM);

// The horizontal distance from the mast beyond which the checked field at
// `heightM`, in the open, stays below `thresholdVm`; 0 when it never reaches
// it. Found on a 1 cm grid (coarser beyond 1 km) and rounded up to the next
// 0.1 m.
double complianceDistanceM(const AntennaInput& antenna, double heightM, double thresholdVm);

// Σ(E/L)² of fields E under their limits L: the exposure ratio of several
// sources at one point.
struct FieldAndLimit {
    double fieldVm = 0;
    double limitVm = 0;
};
double exposureRatio(const std::vector<FieldAndLimit>& sources);

} // namespace kovex
