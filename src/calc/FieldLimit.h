#pragma once

#include <cstdint>

namespace kovex {

// The field strengths at which the power density reaches 5 % and 80 % of
// the power density at the limit: the square roots of 0.05 and 0.8.
inline constexpr double kField5PercentFactor = 0.223606;
inline constexpr double kField80PercentFactor = 0.894427;

// The legend of the Test points page rounds the same two factors to four
// decimals, so its thresholds can differ from the 5 % and 80 % fields shown
// on the Antenna page in the last digit; these are the legend's own figures,
// not the square roots above.
inline constexpr double kLegend5PercentFactor = 0.2236;
inline constexpr double kLegend80PercentFactor = 0.8944;

// The limit of the electric field in V/m for a band, from its upper edge:
// flat below 400 MHz, growing with the root of the frequency up to 2 GHz,
// flat above.
double fieldLimitVm(std::int32_t freqMaxMHz);

} // namespace kovex
