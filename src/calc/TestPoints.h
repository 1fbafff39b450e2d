#pragma once

#include "model/Limits.h"

#include <QString>

#include <cstdint>

namespace kovex {

class Session;

// Both erasing the test points and clearing the summary ask this first.
inline const QString kEraseTableQuestion =
    QStringLiteral("Are really sure that you want to erase this table ?");

// The attenuation in dB (zero or negative) of the obstacle between the
// antenna and a test point, by the wall-type list's item index; two
// obstacles weaken more above 1000 MHz.
double WallAttenuationdB(int wallType, std::int32_t freqMinMHz);

// Shows the attenuation of slot k's wall type beside its list.
void cmbSAChange(Session& p, int slot);
void ComputeSpacialAttenuations(Session& p);
void btnEraseTPClick(Session& p);

} // namespace kovex
