#include "calc/PowerTables.h"

#include "model/ListTables.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <array>

namespace kovex {

namespace {

template <typename T, std::size_t N> T at(const std::array<T, N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw KovexError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::int32_t bandFreqMinMHz(int bandIndex) {
    return at(kBands, bandIndex).freqMinMHz;
}

std::int32_t bandFreqMaxMHz(int bandIndex) {
    return at(kBands, bandIndex).freqMaxMHz;
}

double modeFactor(int modeIndex) {
    return at(kModes, modeIndex).factor;
}

double timeFactor(int timeIndex) {
    return at(kTimes, timeIndex).factor;
}

AdditionalLossDefaults additionalLossDefaults(std::int32_t freqMinMHz) {
    if (freqMinMHz < 30)
        return {"0.03", "0.03", "0.1", "0.005"};
    if (freqMinMHz < 300)
        return {"0.05", "0.0", "0.0", "0.01"};
    return {"0.1", "0.0", "0.0", "0.02"};
}

double sectionLossdB(double lengthM, double attenuationdBPer100m, std::int32_t freqMHz) {
    return num::finite(lengthM * attenuationdBPer100m * 0.01 * num::sqrt(freqMHz / 100.0));
}

} // namespace kovex
