// The far-field gain of one antenna, sampled over the whole sphere.
//
// Frame of every deck and model: z points up, the horizon is the xy plane and
// the main direction is +x (theta 90, phi 0). theta runs from the zenith (0)
// to the nadir (180), phi from +x towards +y.
#pragma once

#include <cstddef>
#include <vector>

namespace necpattern {

// Gain of a direction where the antenna radiates nothing (NEC-2 prints -999.99).
constexpr double noGaindBi = -999.0;

class SphericalPattern {
  public:
    static constexpr int thetaCount = 181; // 0 .. 180 degrees by 1
    static constexpr int phiStepDeg = 5;
    static constexpr int phiCount = 360 / phiStepDeg; // 0 .. 355 degrees
    static constexpr int cutCount = 360;              // horizon, 0 .. 359 degrees by 1

    SphericalPattern();

    double grid(int thetaDeg, int phiIndex) const { return grid_[index(thetaDeg, phiIndex)]; }
    void setGrid(int thetaDeg, int phiIndex, double gaindBi) { grid_[index(thetaDeg, phiIndex)] = gaindBi; }
    // The horizon sampled every degree of azimuth (phi), for the horizontal plane.
    double horizon(int phiDeg) const { return horizon_[static_cast<std::size_t>(wrap(phiDeg))]; }
    void setHorizon(int phiDeg, double gaindBi) {
        horizon_[static_cast<std::size_t>(wrap(phiDeg))] = gaindBi;
    }

    // Every sample set at least once since construction.
    bool complete() const;
    double maximum() const;
    // Direction by direction, the larger of the two gains (a multiband antenna).
    void takeLarger(const SphericalPattern& other);

    static int wrap(int phiDeg) { return ((phiDeg % 360) + 360) % 360; }

  private:
    static std::size_t index(int thetaDeg, int phiIndex) {
        return static_cast<std::size_t>(thetaDeg) * static_cast<std::size_t>(phiCount) +
               static_cast<std::size_t>(phiIndex);
    }
    std::vector<double> grid_;
    std::vector<double> horizon_;
};

} // namespace necpattern
