#include "calc/TestPoints.h"

#include "refdata/Session.h"
#include "support/NumberText.h"

#include <array>

namespace kovex {

namespace {

struct WallType {
    double belowGHzdB;
    double aboveGHzdB;
};

constexpr std::array<WallType, 10> kWallTypes{{
    {-2, -2},   // wall with window(s)
    {-3, -5},   // brick wall
    {-7, -7},   // concrete wall
    {-12, -12}, // metal wall
    {-6, -7.8}, // concrete ceiling
    {-3, -3},   // car penetration
    {0, 0},     // (none)
    {-2, -2},   // normal roof
    {-12, -12}, // wall corner > 40 cm (microcell)
    {-7, -7},   // wall corner > 20 cm (microcell)
}};

void eraseSlot(MainForm& f, int k) {
    for (const char* field : {"edtD", "edtH", "edtE", "edtLocation"})
        f.setText(slotName(field, k), QString());
    f.setItemIndex(slotName("cmbSA", k), kNoWallType);
}

} // namespace

double WallAttenuationdB(int wallType, std::int32_t freqMinMHz) {
    if (wallType < 0 || wallType >= static_cast<int>(kWallTypes.size()))
        return 0;
    const WallType& wall = kWallTypes[static_cast<std::size_t>(wallType)];
    return freqMinMHz > 1000 ? wall.aboveGHzdB : wall.belowGHzdB;
}

void cmbSAChange(Session& p, int slot) {
    MainForm& f = p.form1;
    const double attenuationdB =
        WallAttenuationdB(f.itemIndex(slotName("cmbSA", slot)), f.BandAndTilt.FreqMinMHz);
    f.setText(slotName("lblkAS", slot), num::shortest(attenuationdB));
}

void ComputeSpacialAttenuations(Session& p) {
    for (int k = 1; k <= kTestPointSlots; ++k)
        cmbSAChange(p, k);
}

void btnEraseTPClick(Session& p) {
    if (!p.platform.dialogs.question(kEraseTableQuestion))
        return;
    for (int k = 1; k <= kTestPointSlots; ++k)
        eraseSlot(p.form1, k);
    ComputeSpacialAttenuations(p);
}

} // namespace kovex
