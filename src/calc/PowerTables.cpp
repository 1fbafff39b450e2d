#include "calc/PowerTables.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <array>

namespace kovex {

namespace {

// Whole-MHz band edges. The 12 m band's upper edge is 24 and the 10 m band's
// 30: the edges only select the field limit and the loss figures.
constexpr std::array<std::int32_t, 14> kFreqMin{10,  14,  18,   21,   24,   28, 50,
                                                144, 430, 1240, 2300, 5650, 14, 10};
constexpr std::array<std::int32_t, 14> kFreqMax{10,  14,  18,   21,   24,   30, 52,
                                                146, 440, 1300, 2450, 5850, 30, 30};

constexpr std::array<double, 13> kModeFactor{0.4, 0.2, 0.5, 0.5, 1.0, 1.0, 0.3, 0.5, 0.6, 1.0, 1.0, 1.0, 1.0};

// 0.8333 and 0.6666 are the stored figures, not 5/6 and 2/3.
constexpr std::array<double, 5> kTimeFactor{1.0, 0.8333, 0.6666, 0.5, 0.5};

template <typename T, std::size_t N> T at(const std::array<T, N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw KovexError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::int32_t bandFreqMinMHz(int bandIndex) {
    return at(kFreqMin, bandIndex);
}

std::int32_t bandFreqMaxMHz(int bandIndex) {
    return at(kFreqMax, bandIndex);
}

double modeFactor(int modeIndex) {
    return at(kModeFactor, modeIndex);
}

double timeFactor(int timeIndex) {
    return at(kTimeFactor, timeIndex);
}

AdditionalLossDefaults additionalLossDefaults(std::int32_t freqMinMHz) {
    if (freqMinMHz < 30)
        return {"0.03", "0.03", "0.1", "0.005"};
    if (freqMinMHz < 300)
        return {"0.05", "0.0", "0.0", "0.01"};
    return {"0.1", "0.0", "0.0", "0.02"};
}

double sectionLossdB(double lengthM, double attenuationdBPer100m, std::int32_t freqMHz) {
    return lengthM * attenuationdBPer100m * 0.01 * num::sqrt(freqMHz / 100.0);
}

} // namespace kovex
