#include "calc/SafetyCheck.h"

#include "support/NumberText.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// The largest gain the pattern gives anywhere from angle `low` to `high`:
// between its points it is a straight line, so the largest lies at an end
// or at a point inside; the back value counts for any angle outside 0..90.
double largestGaindBiBetween(const VerticalPattern& pattern, double low, double high) {
    double gain = std::max(VerticalPatternGaindBi(pattern, low), VerticalPatternGaindBi(pattern, high));
    if (low < 0 || high >= 90)
        gain = std::max(gain, pattern.backdBi);
    for (int k = 0; k <= 9; ++k)
        if (10 * k >= low && 10 * k <= high)
            gain = std::max(gain, pattern.gaindBi[static_cast<std::size_t>(k)]);
    return gain;
}

// The range of |e - tilt| while e runs from `low` to `high`.
std::pair<double, double> offBeamRange(double low, double high, double tiltDeg) {
    const double a = offBeamAngleDeg(low, tiltDeg);
    const double b = offBeamAngleDeg(high, tiltDeg);
    const double nearest = tiltDeg >= low && tiltDeg <= high ? 0 : std::min(a, b);
    return {nearest, std::max(a, b)};
}

// Whether the checked field may reach the threshold somewhere between two
// distances: the largest gain of the angles the points there are seen at
// (by the estimate and by the check), at the shortest range.
bool mayReach(const AntennaInput& antenna, double heightM, double nearM, double farM, double thresholdVm) {
    const PointField nearPoint = fieldAtPoint(antenna, {nearM, heightM, 0});
    const PointField farPoint = fieldAtPoint(antenna, {farM, heightM, 0});
    const double lowDeg = std::min(nearPoint.elevationDeg, farPoint.elevationDeg);
    const double highDeg = std::max(nearPoint.elevationDeg, farPoint.elevationDeg);
    const double sign = antenna.heightM - heightM < 0 ? 1 : -1;
    const auto [offLow, offHigh] = offBeamRange(std::min(sign * lowDeg, sign * highDeg),
                                                std::max(sign * lowDeg, sign * highDeg), antenna.tiltDeg);
    const double gaindBi =
        std::max(largestGaindBiBetween(antenna.pattern, lowDeg + antenna.tiltDeg, highDeg + antenna.tiltDeg),
                 largestGaindBiBetween(antenna.pattern, offLow, offHigh));
    const double rangeM = std::min(std::fabs(nearPoint.rangeM), std::fabs(farPoint.rangeM));
    const double boundVm = pointSourceFieldVm(pointSourcePowerW(antenna.inputPowerdBW, gaindBi, 0), rangeM);
    // A hair of room for the rounding of the two ways to the same field.
    return boundVm >= thresholdVm * (1 - 1e-9);
}

constexpr long kBlockPoints = 100;

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
    // From far to near, block by block; a block whose bound stays below the
    // threshold is passed over, the others are scanned point by point.
    for (long last = steps; last >= 1; last -= kBlockPoints) {
        const long first = std::max(1L, last - kBlockPoints + 1);
        if (!mayReach(antenna, heightM, static_cast<double>(first) * stepM, static_cast<double>(last) * stepM,
                      thresholdVm))
            continue;
        for (long i = last; i >= first; --i) {
            const double distanceM = static_cast<double>(i) * stepM;
            if (checkedFieldAtVm(antenna, distanceM, heightM) >= thresholdVm)
                // The field falls below the threshold before the next grid point.
                return std::ceil(std::round((distanceM + stepM) * 1000) / 100) / 10;
        }
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
