#include "calc/SafetyCheck.h"

#include "support/NumberText.h"

#include <algorithm>
#include <cmath>

namespace kovex {

namespace {

constexpr double kSpeedOfLightMMHz = 299.792458; // λ in m = this / f in MHz
constexpr double kTwoPi = 6.283185307179586477;
constexpr double kGridStepM = 0.01;
// A typed power far beyond any station's would otherwise scan for ever: the
// grid widens so that no scan takes more points than this, each result
// still rounded up.
constexpr double kMostGridPoints = 100000;

double largestGaindBi(const VerticalPattern& pattern) {
    return std::max(*std::max_element(pattern.gaindBi.begin(), pattern.gaindBi.end()), pattern.backdBi);
}

// Beyond this distance even the largest gain of the pattern, at a range no
// shorter than the distance, gives less than the threshold.
double farthestReachM(const AntennaInput& antenna, double thresholdVm) {
    const double powerW = pointSourcePowerW(antenna.inputPowerdBW, largestGaindBi(antenna.pattern), 0);
    return num::finite(num::divide(pointSourceFieldVm(powerW, 1), thresholdVm));
}

double checkedFieldAtVm(const AntennaInput& antenna, double distanceM, double heightM) {
    const TestPointInput point{distanceM, heightM, 0};
    return checkedField(antenna, point, fieldAtPoint(antenna, point)).fieldVm;
}

} // namespace

double signedElevationDeg(const PointField& estimate, const AntennaInput& antenna,
                          const TestPointInput& point) {
    const double dh = antenna.heightM - point.heightM;
    return dh < 0 ? estimate.elevationDeg : -estimate.elevationDeg;
}

double offBeamAngleDeg(double elevationDeg, double tiltDeg) {
    return std::fabs(elevationDeg - tiltDeg);
}

double checkedGaindBi(const VerticalPattern& pattern, double estimatedGaindBi, double offBeamDeg) {
    return std::max(estimatedGaindBi, VerticalPatternGaindBi(pattern, offBeamDeg));
}

CheckedPoint checkedField(const AntennaInput& antenna, const TestPointInput& point,
                          const PointField& estimate) {
    CheckedPoint checked;
    checked.elevationDeg = signedElevationDeg(estimate, antenna, point);
    checked.offBeamDeg = offBeamAngleDeg(checked.elevationDeg, antenna.tiltDeg);
    checked.gaindBi = checkedGaindBi(antenna.pattern, estimate.gaindBi, checked.offBeamDeg);
    if (checked.gaindBi == estimate.gaindBi) {
        checked.fieldVm = estimate.fieldVm;
        return checked;
    }
    const double powerW = pointSourcePowerW(antenna.inputPowerdBW, checked.gaindBi, point.wallAttenuationdB);
    checked.fieldVm = pointSourceFieldVm(powerW, estimate.rangeM);
    return checked;
}

double nearFieldRadiusM(std::int32_t freqMinMHz, double antennaSpanM) {
    const double wavelengthM = num::divide(kSpeedOfLightMMHz, freqMinMHz);
    return std::max(wavelengthM / kTwoPi, antennaSpanM);
}

bool inNearField(double rangeM, double nearFieldRadiusM) {
    return std::fabs(rangeM) < nearFieldRadiusM;
}

double complianceDistanceM(const AntennaInput& antenna, double heightM, double thresholdVm) {
    const double reachM = farthestReachM(antenna, thresholdVm);
    const double stepM = std::max(kGridStepM, reachM / kMostGridPoints);
    const auto steps = static_cast<long>(std::ceil(reachM / stepM));
    for (long i = steps; i >= 1; --i) {
        const double distanceM = static_cast<double>(i) * stepM;
        if (checkedFieldAtVm(antenna, distanceM, heightM) >= thresholdVm)
            // The field falls below the threshold before the next grid point.
            return std::ceil(std::round((distanceM + stepM) * 1000) / 100) / 10;
    }
    return 0;
}

double exposureRatio(const std::vector<FieldAndLimit>& sources) {
    double ratio = 0;
    for (const FieldAndLimit& source : sources) {
        const double share = num::divide(source.fieldVm, source.limitVm);
        ratio += share * share;
    }
    return ratio;
}

} // namespace kovex
