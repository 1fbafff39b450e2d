// The rules that turn a pattern into table values, on made-up patterns whose
// right values are known.

#include "PatternRules.h"
#include "ClosedForm.h"
#include "SphericalPattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using namespace necpattern;

// Gain (dBi) by elevation and azimuth, degrees.
using Gain = std::function<double(double elevation, double azimuth)>;

SphericalPattern patternOf(const Gain& gain) {
    SphericalPattern pattern;
    for (int theta = 0; theta < SphericalPattern::thetaCount; ++theta) {
        for (int phi = 0; phi < SphericalPattern::phiCount; ++phi)
            pattern.setGrid(theta, phi, gain(90.0 - theta, phi * SphericalPattern::phiStepDeg));
    }
    for (int phi = 0; phi < SphericalPattern::cutCount; ++phi)
        pattern.setHorizon(phi, gain(0.0, phi));
    return pattern;
}

// The value the program reads at angle phi: straight lines between samples.
double interpolated(const PlaneValues& plane, double angle) {
    const auto k = static_cast<std::size_t>(angle / 10.0);
    if (k >= 9)
        return plane.gain[9];
    return plane.gain[k] +
           (plane.gain[k + 1] - plane.gain[k]) * (angle - 10.0 * static_cast<double>(k)) / 10.0;
}

TEST(PatternRules, NarrowNullBetweenSamplesIsBridged) {
    // Uniform 5 dBi with a 3-degree null at 20 degrees above and below.
    const auto pattern = patternOf(
        [](double elevation, double) { return std::abs(std::abs(elevation) - 20.0) < 1.5 ? -30.0 : 5.0; });
    const TableRow row = tableRow(pattern, Coverage::AllAzimuths);
    EXPECT_DOUBLE_EQ(row.vertical.gain[2], 5.0);
}

TEST(PatternRules, WideNullKeepsItsDepthDownToTheFloor) {
    // A null from 26 to 54 degrees: the samples at 30, 40 and 50 lie in it.
    const auto pattern = patternOf(
        [](double elevation, double) { return std::abs(std::abs(elevation) - 40.0) < 14.0 ? -40.0 : 5.0; });
    const TableRow row = tableRow(pattern, Coverage::AllAzimuths);
    EXPECT_DOUBLE_EQ(row.vertical.gain[4], Rules{}.floordBi);
    EXPECT_DOUBLE_EQ(row.vertical.gain[3], 5.0); // 25 degrees lies within its window
}

TEST(PatternRules, LobeAboveTheHorizonCountsBelowIt) {
    // A lobe peaking 20 degrees above the horizon, nothing below it.
    const auto pattern = patternOf([](double elevation, double) {
        return elevation < 0 ? -20.0 : 3.0 - 0.01 * (elevation - 20.0) * (elevation - 20.0);
    });
    const TableRow row = tableRow(pattern, Coverage::AllAzimuths);
    EXPECT_DOUBLE_EQ(row.vertical.gain[2], 3.0);
    EXPECT_DOUBLE_EQ(row.vertical.gain[0], 3.0); // the first sample is the antenna's gain
}

TEST(PatternRules, StraightLinesNeverPassBelowANarrowBeam) {
    // Main lobe 12 degrees wide, like a long Yagi array: concave in dB.
    const auto pattern = patternOf([](double elevation, double azimuth) {
        const double offAxis = std::hypot(elevation, std::min(azimuth, 360.0 - azimuth));
        return std::max(20.0 - 12.0 * std::pow(offAxis / 12.0, 2), -5.0);
    });
    const TableRow row = tableRow(pattern, Coverage::MainPlane);
    for (int angle = 0; angle <= 90; ++angle) {
        const double truth = std::max(20.0 - 12.0 * std::pow(angle / 12.0, 2), -5.0);
        EXPECT_GE(interpolated(row.vertical, angle), truth - 1e-9) << angle;
    }
}

TEST(PatternRules, MainPlaneIgnoresSideLobesThatAllAzimuthsTake) {
    // A lobe of 8 dBi 40 degrees up at azimuth 90, the rest 0 dBi.
    const auto pattern = patternOf([](double elevation, double azimuth) {
        return std::abs(elevation - 40.0) < 3.0 && std::abs(azimuth - 90.0) < 3.0 ? 8.0 : 0.0;
    });
    EXPECT_DOUBLE_EQ(tableRow(pattern, Coverage::MainPlane).vertical.gain[4], 0.0);
    EXPECT_DOUBLE_EQ(tableRow(pattern, Coverage::AllAzimuths).vertical.gain[4], 8.0);
}

TEST(PatternRules, BackValueIsTheLargestGainBehind) {
    // A beam with a back lobe of -3 dBi 30 degrees below straight back.
    const auto pattern = patternOf([](double elevation, double azimuth) {
        const bool behind = azimuth >= 90.0 && azimuth <= 270.0;
        if (!behind && std::abs(elevation) < 80.0)
            return 10.0 - 0.1 * std::abs(elevation);
        return std::abs(elevation + 30.0) < 3.0 && std::abs(azimuth - 180.0) < 3.0 ? -3.0 : -15.0;
    });
    const TableRow row = tableRow(pattern, Coverage::MainPlane);
    EXPECT_DOUBLE_EQ(row.vertical.back, -3.0);
    EXPECT_DOUBLE_EQ(row.horizontal.back, -10.0); // -15 dBi behind, raised to the floor
}

TEST(PatternRules, HalfPowerWidthOfACosineSquaredLobe) {
    std::vector<double> cut(360);
    for (int angle = 0; angle < 360; ++angle) {
        const double c = std::cos(angle * std::numbers::pi / 180.0);
        cut[static_cast<std::size_t>(angle)] = 10.0 * std::log10(std::max(c * c, 1e-9));
    }
    EXPECT_NEAR(halfPowerWidth(cut), 90.0, 0.2); // straight lines between 1-degree samples
    EXPECT_EQ(halfPowerWidth(std::vector<double>(360, 1.0)), 360.0);
}

TEST(SphericalPattern, BandsCombineDirectionByDirection) {
    auto low = patternOf([](double elevation, double) { return elevation > 0 ? 5.0 : 1.0; });
    const auto high = patternOf([](double elevation, double) { return elevation > 0 ? 2.0 : 4.0; });
    low.takeLarger(high);
    EXPECT_DOUBLE_EQ(low.grid(10, 0), 5.0);  // 80 degrees up
    EXPECT_DOUBLE_EQ(low.grid(170, 0), 4.0); // 80 degrees down
    EXPECT_TRUE(low.complete());
}

TEST(ClosedForm, DishGainAndBeamwidth) {
    // 0.9 m at 5760 MHz: 17.3 wavelengths, 32.10 dBi, 3 dB down at 34.64 lambda / D.
    EXPECT_NEAR(dishGaindBi(0.0, 0.9, 5760.0), 32.10, 0.01);
    EXPECT_NEAR(dishGaindBi(34.64 / (0.9 / (299.792458 / 5760.0)), 0.9, 5760.0), 32.10 - 3.0, 0.01);
    EXPECT_NEAR(dishGaindBi(120.0, 0.9, 5760.0), 10.0 - 10.0 * std::log10(0.9 / (299.792458 / 5760.0)), 1e-9);
}

} // namespace
