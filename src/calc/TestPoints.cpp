#include "calc/TestPoints.h"

#include "calc/SafetyCheckHandlers.h"
#include "model/ControlNames.h"
#include "model/ListTables.h"
#include "refdata/Session.h"
#include "support/NumberText.h"

#include <array>

namespace kovex {

namespace {

void eraseSlot(MainForm& f, int k) {
    for (const ControlSlots& field : {ui::edtD, ui::edtH, ui::edtE, ui::edtLocation})
        f.setText(field[k], QString());
    f.setItemIndex(ui::cmbSA[k], kNoWallType);
    eraseSlotSafetyCheck(f, k);
}

} // namespace

double WallAttenuationdB(int wallType, std::int32_t freqMinMHz) {
    if (wallType < 0 || wallType >= static_cast<int>(kWallTypes.size()))
        return 0;
    const WallRow& wall = kWallTypes[static_cast<std::size_t>(wallType)];
    return freqMinMHz > 1000 ? wall.aboveGHzdB : wall.belowGHzdB;
}

namespace {

void showWallAttenuation(MainForm& f, int slot) {
    const double attenuationdB =
        WallAttenuationdB(f.itemIndex(ui::cmbSA[slot]), f.values.BandAndTilt.FreqMinMHz);
    f.setText(ui::lblkAS[slot], num::shortest(attenuationdB));
}

} // namespace

void cmbSAChange(Session& p, int slot) {
    showWallAttenuation(p.mainForm, slot);
}

void ComputeSpacialAttenuations(Session& p) {
    for (int k = 1; k <= kTestPointSlots; ++k)
        showWallAttenuation(p.mainForm, k);
}

void btnEraseTPClick(Session& p) {
    if (!p.platform.dialogs.question(kEraseTableQuestion))
        return;
    clearSafetyCheck(p.mainForm);
    for (int k = 1; k <= kTestPointSlots; ++k)
        eraseSlot(p.mainForm, k);
    ComputeSpacialAttenuations(p);
}

} // namespace kovex
