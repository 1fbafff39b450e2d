#include "calc/SafetyCheck.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kovex;

namespace {

// A beam of 22.3 dBi whose gain falls to 2.8 dBi some 40 degrees off its
// axis, with little behind it.
VerticalPattern beamPattern() {
    VerticalPattern pattern;
    pattern.gaindBi = {22.3, 16, 9, 5, 3, 2.5, 0, -3, -6, -8};
    pattern.backdBi = -5.9;
    return pattern;
}

AntennaInput tiltedBeam(double tiltDeg, std::int32_t heightM) {
    return AntennaInput{20, heightM, tiltDeg, beamPattern()};
}

CheckedPoint checkAt(const AntennaInput& antenna, const TestPointInput& point) {
    return checkedField(antenna, point, fieldAtPoint(antenna, point));
}

// The field of the point source worked out here from the gain, as a second
// opinion on the formula.
double independentFieldVm(double inputPowerdBW, double gaindBi, double rangeM) {
    const double watts = std::pow(10.0, (inputPowerdBW + gaindBi) / 10);
    return std::sqrt(30 * watts * 377 / (120 * 3.14159265358979)) / rangeM;
}

} // namespace

// An array 10 m high tilted up 20 degrees, a window 8 m away at 13 m: the
// estimate reads the pattern 40.6 degrees off the beam, the point lies 0.6
// degrees from it.
TEST(SafetyCheck, PointAboveATiltedBeamTakesItsRealAngle) {
    const AntennaInput antenna = tiltedBeam(20, 10);
    const TestPointInput window{8, 13, 0};
    const PointField estimate = fieldAtPoint(antenna, window);
    const CheckedPoint checked = checkedField(antenna, window, estimate);
    EXPECT_NEAR(estimate.elevationDeg + antenna.tiltDeg, 40.556, 0.001);
    EXPECT_NEAR(checked.elevationDeg, 20.556, 0.001);
    EXPECT_NEAR(checked.offBeamDeg, 0.556, 0.001);
    EXPECT_NEAR(checked.gaindBi, 22.3 - 0.63 * 0.5556, 0.001);
    EXPECT_NEAR(checked.fieldVm, independentFieldVm(20, checked.gaindBi, std::hypot(8, 3)), 1e-3);
    EXPECT_NEAR(checked.fieldVm / estimate.fieldVm, std::pow(10, (checked.gaindBi - estimate.gaindBi) / 20),
                1e-9);
}

// A downward tilt that carries the estimate's angle below 0 takes the back
// value; the point lies 4.3 degrees off the beam.
TEST(SafetyCheck, DownwardTiltReadsTheFrontOfThePattern) {
    const AntennaInput antenna = tiltedBeam(-10, 12);
    const TestPointInput point{20, 10, 0};
    const PointField estimate = fieldAtPoint(antenna, point);
    const CheckedPoint checked = checkedField(antenna, point, estimate);
    EXPECT_EQ(estimate.gaindBi, -5.9);
    EXPECT_NEAR(checked.elevationDeg, -5.7105, 0.0001);
    EXPECT_NEAR(checked.offBeamDeg, 4.2895, 0.0001);
    EXPECT_NEAR(checked.gaindBi, 22.3 - 0.63 * 4.2895, 0.0001);
}

TEST(SafetyCheck, PointExactlyOnTheBeamTakesTheMaximumGain) {
    AntennaInput antenna = tiltedBeam(0, 10);
    const TestPointInput point{8, 13, 0};
    antenna.tiltDeg = fieldAtPoint(antenna, point).elevationDeg;
    const CheckedPoint checked = checkAt(antenna, point);
    EXPECT_EQ(checked.offBeamDeg, 0);
    EXPECT_EQ(checked.gaindBi, 22.3);
    // At the antenna's own height without a tilt the point is on the beam too.
    const CheckedPoint level = checkAt(tiltedBeam(0, 10), {5, 10, 0});
    EXPECT_EQ(level.offBeamDeg, 0);
    EXPECT_EQ(level.gaindBi, 22.3);
}

TEST(SafetyCheck, FromNinetyDegreesOffTheBeamTheBackValueCounts) {
    VerticalPattern pattern = beamPattern();
    EXPECT_EQ(checkedGaindBi(pattern, -30, 90), -5.9);
    EXPECT_EQ(checkedGaindBi(pattern, -30, 125), -5.9);
    EXPECT_NEAR(checkedGaindBi(pattern, -30, 85), -7, 1e-12);
    // Never below the estimate's gain.
    EXPECT_EQ(checkedGaindBi(pattern, 30, 0), 30);
}

// Random antennas and points: the check is never below the estimate, and
// without a tilt it is the estimate itself.
TEST(SafetyCheck, NeverBelowTheEstimateAndEqualWithoutTilt) {
    std::mt19937 random(24);
    std::uniform_real_distribution<double> gain(-10, 25), tilt(-35, 35), distance(0.5, 200), height(-20, 60),
        wall(-12, 0), power(-10, 35);
    for (int run = 0; run < 20000; ++run) {
        AntennaInput antenna;
        antenna.inputPowerdBW = power(random);
        antenna.heightM = static_cast<std::int32_t>(height(random));
        for (double& value : antenna.pattern.gaindBi)
            value = gain(random);
        antenna.pattern.backdBi = gain(random);
        const TestPointInput point{distance(random) * (run % 7 == 0 ? -1 : 1), height(random), wall(random)};
        antenna.tiltDeg = run % 2 == 0 ? 0 : tilt(random);
        const PointField estimate = fieldAtPoint(antenna, point);
        const CheckedPoint checked = checkedField(antenna, point, estimate);
        ASSERT_GE(checked.fieldVm, estimate.fieldVm) << run;
        ASSERT_GE(checked.gaindBi, estimate.gaindBi) << run;
        if (antenna.tiltDeg == 0) {
            ASSERT_EQ(checked.fieldVm, estimate.fieldVm) << run;
            ASSERT_EQ(checked.offBeamDeg, estimate.elevationDeg) << run;
        }
    }
}

TEST(NearField, RadiusIsTheLargerOfTheWavelengthRuleAndTheSpan) {
    EXPECT_NEAR(nearFieldRadiusM(10, 0), 4.7713, 0.0001);
    EXPECT_EQ(num::fixed(nearFieldRadiusM(10, 0), 3, 2), "4.77");
    EXPECT_NEAR(nearFieldRadiusM(144, 0), 0.33134, 0.00001);
    EXPECT_EQ(nearFieldRadiusM(144, 2.5), 2.5);
    EXPECT_EQ(nearFieldRadiusM(10, 2.5), nearFieldRadiusM(10, 0));
    EXPECT_TRUE(inNearField(4.77, nearFieldRadiusM(10, 0)));
    EXPECT_FALSE(inNearField(4.78, nearFieldRadiusM(10, 0)));
    EXPECT_FALSE(inNearField(2.5, 2.5));
    EXPECT_TRUE(inNearField(-2.4, 2.5));
}

TEST(ExposureRatio, SumsTheSquaredSharesOfTheLimits) {
    EXPECT_EQ(exposureRatio({}), 0);
    // 0.6² + 0.8²: two fields each below their limit, together exactly at it.
    EXPECT_NEAR(exposureRatio({{8.22, 13.7}, {10.96, 13.7}}), 1, 1e-12);
    EXPECT_NEAR(exposureRatio({{13.7 * std::sqrt(0.05), 13.7}}), 0.05, 1e-12);
    EXPECT_NEAR(exposureRatio({{3, 13.7}, {10, 24.734}}), 0.04795 + 0.16346, 1e-5);
    EXPECT_THROW(exposureRatio({{1, 0}}), KovexError);
}

TEST(ComplianceDistance, IsotropicSourceMatchesTheClosedForm) {
    // 100 W isotropic at 10 m, points at 10 m: E = sqrt(30 P) / d, so the
    // 13.7 V/m limit is reached out to sqrt(3000) / 13.7 = 3.998 m.
    AntennaInput antenna;
    antenna.inputPowerdBW = 20;
    antenna.heightM = 10;
    EXPECT_EQ(complianceDistanceM(antenna, 10, 13.7), 4.0);
    // 5 % of the limit: 17.88 m.
    EXPECT_EQ(complianceDistanceM(antenna, 10, 13.7 * 0.223606), 17.9);
    // 4 m lower the sphere of 3.998 m radius no longer reaches the height.
    EXPECT_EQ(complianceDistanceM(antenna, 6, 13.7), 0);
    // With 8.998 m of radius it reaches 4 m lower out to sqrt(8.998² - 16).
    antenna.inputPowerdBW = 20 + 20 * std::log10(8.998 / 3.998);
    EXPECT_EQ(complianceDistanceM(antenna, 6, 13.7), 8.1);
}

TEST(ComplianceDistance, AnyPowerEndsInTimeWithADistanceNotShorterThanTheReach) {
    // 10 MW isotropic: the limit is reached out to sqrt(30e7) / 13.7 = 1264 m,
    // beyond the fine grid.
    AntennaInput antenna;
    antenna.inputPowerdBW = 70;
    antenna.heightM = 10;
    const double reachM = std::sqrt(1e7 * 377 / 12.566370614359172954) / 13.7;
    const double distanceM = complianceDistanceM(antenna, 10, 13.7);
    EXPECT_GE(distanceM, reachM);
    EXPECT_LE(distanceM, reachM + 0.2);
    antenna.inputPowerdBW = 250;
    EXPECT_GT(complianceDistanceM(antenna, 10, 13.7), 1e9);
    // No threshold, no distance: a failure, never a scan without end.
    EXPECT_THROW(complianceDistanceM(antenna, 10, 0), KovexError);
}

TEST(ComplianceDistance, TiltedBeamReachesWhereTheEstimateDoesNot) {
    // Tilted up 20 degrees, the beam runs through the points 3 m above the
    // antenna some 8 m out, which the estimate reads 40 degrees off it.
    const AntennaInput antenna = tiltedBeam(20, 10);
    const double limitVm = 13.7;
    const double distanceM = complianceDistanceM(antenna, 13, limitVm);
    ASSERT_GT(distanceM, 8);
    const auto checkedVm = [&](double d) { return checkAt(antenna, {d, 13, 0}).fieldVm; };
    // Just inside the distance the checked field reaches the limit, the
    // estimate does not; beyond it, on a grid of its own, the check stays below.
    EXPECT_GE(checkedVm(distanceM - 0.1), limitVm);
    EXPECT_LT(fieldAtPoint(antenna, {distanceM - 0.1, 13, 0}).fieldVm, limitVm);
    for (double d = distanceM; d < distanceM + 100; d += 0.003)
        ASSERT_LT(checkedVm(d), limitVm) << d;
}

// The scan passes over stretches whose bound stays below the threshold; over
// random antennas it finds what a scan of every grid point finds.
TEST(ComplianceDistance, SameAsAScanOfEveryPoint) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> gain(-10, 22), tilt(-35, 35), height(-5, 30), power(-5, 15);
    const double fourPi = 12.566370614359172954;
    int reached = 0;
    for (int run = 0; run < 150; ++run) {
        AntennaInput antenna;
        antenna.inputPowerdBW = power(random);
        antenna.heightM = static_cast<std::int32_t>(height(random));
        for (double& value : antenna.pattern.gaindBi)
            value = gain(random);
        antenna.pattern.backdBi = gain(random);
        antenna.tiltDeg = run % 3 == 0 ? 0 : tilt(random);
        const double pointHeightM = run % 2 == 0 ? 1.5 : 4;
        const double thresholdVm = 13.7 * (run % 5 == 0 ? 0.223606 : 1);
        double largest = antenna.pattern.backdBi;
        for (double value : antenna.pattern.gaindBi)
            largest = std::max(largest, value);
        const double reachM =
            std::sqrt(std::pow(10, (antenna.inputPowerdBW + largest) / 10) * 377 / fourPi) / thresholdVm;
        ASSERT_LT(reachM, 1000);
        double expected = 0;
        for (long i = static_cast<long>(std::ceil(reachM / 0.01)); i >= 1; --i)
            if (checkAt(antenna, {static_cast<double>(i) * 0.01, pointHeightM, 0}).fieldVm >= thresholdVm) {
                expected = std::ceil(std::round((static_cast<double>(i) * 0.01 + 0.01) * 1000) / 100) / 10;
                break;
            }
        ASSERT_EQ(complianceDistanceM(antenna, pointHeightM, thresholdVm), expected) << run;
        reached += expected > 0 ? 1 : 0;
    }
    EXPECT_GT(reached, 50);
}
