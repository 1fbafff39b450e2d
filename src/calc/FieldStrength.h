#pragma once

#include <array>
#include <cstdint>

namespace kovex {

class MainForm;
class Session;
struct Control;

// An antenna's gain in dBi at 0, 10, ..., 90 degrees from its direction of
// maximum radiation, and beyond.
struct VerticalPattern {
    std::array<double, 10> gaindBi{};
    double backdBi = 0;
};

// Straight lines between the pattern's points; the back value from 90
// degrees on and below 0.
double VerticalPatternGaindBi(const VerticalPattern& pattern, double angleDeg);

struct TestPointInput {
    double distanceM = 0;
    double heightM = 0;
    double wallAttenuationdB = 0;
};

struct AntennaInput {
    double inputPowerdBW = 0;
    std::int32_t heightM = 0;
    double tiltDeg = 0;
    VerticalPattern pattern;
};

struct PointField {
    double elevationDeg = 0;
    double gaindBi = 0;
    double powerW = 0;
    double rangeM = 0;
    double fieldVm = 0;
};

// The free-space field of a point source: the power fed to the antenna,
// raised by the pattern gain toward the point and lowered by the wall,
// spread over a sphere through the point. Throws the processor's texts for
// a distance of 0.
PointField fieldAtPoint(const AntennaInput& antenna, const TestPointInput& point);

// The two halves of that formula, for a gain found otherwise: the power
// toward the point in W, and its field in V/m at range r.
double pointSourcePowerW(double inputPowerdBW, double gaindBi, double wallAttenuationdB);
double pointSourceFieldVm(double powerW, double rangeM);

// Writes a field into the field edit of slot k as that slot shows it, in
// the font of its class.
void showFieldOfSlot(Control& edit, const MainForm& f, double fieldVm, int k);

// The field at every test point that has a distance and a height, the
// legend, the safety check and the summary column of the antenna; the last
// step of the field computation.
void showFields(Session& p);

} // namespace kovex
