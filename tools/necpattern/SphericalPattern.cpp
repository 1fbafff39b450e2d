#include "SphericalPattern.h"

#include <algorithm>

namespace necpattern {

namespace {
// Marks a sample not set yet; below any gain NEC-2 prints.
constexpr double unset = -1e300;
} // namespace

SphericalPattern::SphericalPattern()
    : grid_(static_cast<std::size_t>(thetaCount * phiCount), unset),
      horizon_(static_cast<std::size_t>(cutCount), unset) {}

bool SphericalPattern::complete() const {
    const auto isSet = [](double gain) { return gain > unset; };
    return std::all_of(grid_.begin(), grid_.end(), isSet) &&
           std::all_of(horizon_.begin(), horizon_.end(), isSet);
}

double SphericalPattern::maximum() const {
    return std::max(*std::max_element(grid_.begin(), grid_.end()),
                    *std::max_element(horizon_.begin(), horizon_.end()));
}

void SphericalPattern::takeLarger(const SphericalPattern& other) {
    std::transform(grid_.begin(), grid_.end(), other.grid_.begin(), grid_.begin(),
                   [](double a, double b) { return std::max(a, b); });
    std::transform(horizon_.begin(), horizon_.end(), other.horizon_.begin(), horizon_.begin(),
                   [](double a, double b) { return std::max(a, b); });
}

} // namespace necpattern
