#include "PatternRules.h"

#include <algorithm>
#include <cmath>

namespace necpattern {

namespace {

constexpr int stepDeg = 10;
constexpr int sampleCount = 10;
constexpr double halfPowerdB = 3.0;

// Gain at angle alpha (degrees) around the vertical plane through +x,
// counted from +x over the zenith (90), straight back (180) and the nadir (270).
double verticalPlaneGain(const SphericalPattern& pattern, int alphaDeg) {
    constexpr int backIndex = 180 / SphericalPattern::phiStepDeg;
    const int alpha = SphericalPattern::wrap(alphaDeg);
    if (alpha <= 90)
        return pattern.grid(90 - alpha, 0);
    if (alpha <= 270)
        return pattern.grid(alpha - 90, backIndex);
    return pattern.grid(450 - alpha, 0);
}

double largestOnCone(const SphericalPattern& pattern, int thetaDeg) {
    double largest = noGaindBi;
    for (int phi = 0; phi < SphericalPattern::phiCount; ++phi)
        largest = std::max(largest, pattern.grid(thetaDeg, phi));
    return largest;
}

double largestOf(const std::vector<double>& values, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(values.size()) - 1);
    return *std::max_element(values.begin() + first, values.begin() + last + 1);
}

// Raises the smaller of the two samples of a segment wherever the straight
// line between them would pass below the profile; raising a sample only lifts
// the lines through it, so one pass over the segments is enough.
void coverWithStraightLines(std::array<double, sampleCount>& gain, const std::vector<double>& profile,
                            double floordBi) {
    for (int segment = 0; segment + 1 < sampleCount; ++segment) {
        double& start = gain[static_cast<std::size_t>(segment)];
        double& end = gain[static_cast<std::size_t>(segment) + 1];
        for (int step = 1; step < stepDeg; ++step) {
            const double need =
                std::max(profile[static_cast<std::size_t>(segment) * static_cast<std::size_t>(stepDeg) +
                                 static_cast<std::size_t>(step)],
                         floordBi);
            const double t = static_cast<double>(step) / stepDeg;
            if (start + (end - start) * t >= need)
                continue;
            if (start <= end)
                start = (need - end * t) / (1.0 - t);
            else
                end = (need - start * (1.0 - t)) / t;
        }
    }
}

double crossingDistance(const std::vector<double>& cut, int peak, int direction) {
    const int n = static_cast<int>(cut.size());
    const double level = cut[static_cast<std::size_t>(peak)] - halfPowerdB;
    double previous = cut[static_cast<std::size_t>(peak)];
    for (int k = 1; k < n; ++k) {
        const double value = cut[static_cast<std::size_t>(((peak + direction * k) % n + n) % n)];
        if (value < level)
            return k - 1 + (previous - level) / (previous - value);
        previous = value;
    }
    return -1;
}

} // namespace

std::vector<double> verticalCut(const SphericalPattern& pattern) {
    std::vector<double> cut(360);
    for (int alpha = 0; alpha < 360; ++alpha)
        cut[static_cast<std::size_t>(alpha)] = verticalPlaneGain(pattern, alpha);
    return cut;
}

std::vector<double> verticalProfile(const SphericalPattern& pattern, Coverage coverage) {
    std::vector<double> profile(181);
    for (int psi = 0; psi <= 180; ++psi) {
        double gain = 0;
        if (coverage == Coverage::MainPlane) {
            gain = std::max(verticalPlaneGain(pattern, psi), verticalPlaneGain(pattern, -psi));
        } else {
            // Every azimuth: the cone psi above the horizon and the one below.
            const int elevation = psi <= 90 ? psi : 180 - psi;
            gain = std::max(largestOnCone(pattern, 90 - elevation), largestOnCone(pattern, 90 + elevation));
            if (elevation == 0) {
                for (int phi = 0; phi < 360; ++phi)
                    gain = std::max(gain, pattern.horizon(phi));
            }
        }
        profile[static_cast<std::size_t>(psi)] = gain;
    }
    return profile;
}

std::vector<double> horizontalProfile(const SphericalPattern& pattern) {
    // The main direction in this plane is its maximum, the one nearest +x.
    int main = 0;
    for (int offset = 1; offset <= 180; ++offset) {
        for (int phi : {offset, -offset}) {
            if (pattern.horizon(phi) > pattern.horizon(main))
                main = phi;
        }
    }
    std::vector<double> profile(181);
    for (int beta = 0; beta <= 180; ++beta)
        profile[static_cast<std::size_t>(beta)] =
            std::max(pattern.horizon(main + beta), pattern.horizon(main - beta));
    return profile;
}

PlaneValues sampleProfile(const std::vector<double>& profile, double maximum, const Rules& rules) {
    PlaneValues values;
    for (int i = 0; i < sampleCount; ++i) {
        const int angle = i * stepDeg;
        values.gain[static_cast<std::size_t>(i)] = std::max(
            largestOf(profile, angle - rules.windowHalfDeg, angle + rules.windowHalfDeg), rules.floordBi);
    }
    values.gain[0] = std::max(values.gain[0], maximum);
    coverWithStraightLines(values.gain, profile, rules.floordBi);
    values.back = std::max(largestOf(profile, 90, 180), rules.floordBi);
    return values;
}

double halfPowerWidth(const std::vector<double>& cut) {
    const int peak = static_cast<int>(std::max_element(cut.begin(), cut.end()) - cut.begin());
    const double right = crossingDistance(cut, peak, +1);
    const double left = crossingDistance(cut, peak, -1);
    if (right < 0 || left < 0)
        return 360.0;
    return right + left;
}

TableRow tableRow(const SphericalPattern& pattern, Coverage coverage, const Rules& rules) {
    TableRow row;
    row.vertical = sampleProfile(verticalProfile(pattern, coverage), pattern.maximum(), rules);
    row.vertical.halfPowerDeg = halfPowerWidth(verticalCut(pattern));

    const std::vector<double> horizontal = horizontalProfile(pattern);
    row.horizontal = sampleProfile(horizontal, horizontal.front(), rules);
    std::vector<double> horizon(360);
    for (int phi = 0; phi < 360; ++phi)
        horizon[static_cast<std::size_t>(phi)] = pattern.horizon(phi);
    row.horizontal.halfPowerDeg = halfPowerWidth(horizon);
    return row;
}

} // namespace necpattern
