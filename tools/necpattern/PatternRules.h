// Turns a sampled pattern into the values of one row of the antenna table.
//
// The program reads one value for the same angle above and below the horizon
// and draws straight lines between the 10-degree samples, and neighbours live
// below the antenna. So every value is the largest gain it stands for:
//  - a sample is the largest gain within half a step (5 degrees) of its angle,
//    above or below the horizon, so no sample falls into a narrow null;
//  - the first sample is the antenna's maximum gain;
//  - the straight lines between samples never pass below the pattern (a
//    sample is raised where they would);
//  - the back value is the largest gain 90 to 180 degrees off the main
//    direction;
//  - nothing lies below a floor that stands for the null filling of real
//    installations (feeders, masts, ground).
#pragma once

#include "SphericalPattern.h"

#include <array>
#include <vector>

namespace necpattern {

enum class Coverage {
    MainPlane,  // a beam: the vertical plane through its main direction (+x)
    AllAzimuths // an omnidirectional or bidirectional antenna: whatever the azimuth
};

struct Rules {
    double floordBi = -10.0;
    int windowHalfDeg = 5;
};

struct PlaneValues {
    std::array<double, 10> gain{}; // dBi at 0, 10 .. 90 degrees off the main direction
    double back = 0;               // dBi, stands for 90 .. 180 degrees
    double halfPowerDeg = 0;       // 360 when the plane has no half-power points
};

struct TableRow {
    PlaneValues vertical;
    PlaneValues horizontal;
};

TableRow tableRow(const SphericalPattern& pattern, Coverage coverage, const Rules& rules = {});

// The largest gain at each angle psi = 0 .. 180 degrees off the main
// direction, above or below the horizon (181 values).
std::vector<double> verticalProfile(const SphericalPattern& pattern, Coverage coverage);
// The same in the horizontal plane, either side of the azimuth of its maximum.
std::vector<double> horizontalProfile(const SphericalPattern& pattern);
// The samples of a profile by the rules above; `maximum` is the antenna's gain.
PlaneValues sampleProfile(const std::vector<double>& profile, double maximum, const Rules& rules);
// Full width between the half-power points of the lobe holding the largest
// value of a closed cut sampled every degree (360 values); 360 if none.
double halfPowerWidth(const std::vector<double>& cut);
// The vertical plane through +x as a closed cut, 0 = +x, 90 = zenith.
std::vector<double> verticalCut(const SphericalPattern& pattern);

} // namespace necpattern
