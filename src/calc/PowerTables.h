#pragma once

#include <QString>
#include <cstdint>

// The fixed tables behind the lists of the Power page. Each is indexed by
// the list's item index; an index outside the table throws.
namespace kovex {

std::int32_t bandFreqMinMHz(int bandIndex);
std::int32_t bandFreqMaxMHz(int bandIndex);

double modeFactor(int modeIndex);
// The share of any 6-minute interval spent transmitting, never below 0.5.
double timeFactor(int timeIndex);

// Defaults of the additional-loss items for the band class of a lower band
// edge: HF below 30 MHz, VHF below 300 MHz, UHF above.
struct AdditionalLossDefaults {
    QString powerMeterdB;
    QString lowPassFilterdB;
    QString antennaTunerdB;
    QString perConnectorPairdB;
};
AdditionalLossDefaults additionalLossDefaults(std::int32_t freqMinMHz);

// The loss of one feeder section: the cable's figure in dB per 100 m at
// 100 MHz, scaled with the square root of the frequency.
double sectionLossdB(double lengthM, double attenuationdBPer100m, std::int32_t freqMHz);

} // namespace kovex
