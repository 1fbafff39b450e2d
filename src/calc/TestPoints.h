#pragma once

#include <QString>

#include <cstdint>

namespace kovex {

class EventTable;
class Program;

constexpr int kTestPointSlots = 12;
constexpr int kNoWallType = 6; // "(none)"

// Both erasing the test points and clearing the summary ask this first.
inline const QString kEraseTableQuestion =
    QStringLiteral("Are really sure that you want to erase this table ?");

// The attenuation in dB (zero or negative) of the obstacle between the
// antenna and a test point, by the wall-type list's item index; two
// obstacles weaken more above 1000 MHz.
double WallAttenuationdB(int wallType, std::int32_t freqMinMHz);

// Shows the attenuation of slot k's wall type beside its list.
void cmbSAChange(Program& p, int slot);
void ComputeSpacialAttenuations(Program& p);
void btnEraseTPClick(Program& p);

void bindTestPointHandlers(EventTable& events);

} // namespace kovex
