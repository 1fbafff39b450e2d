#include "model/ChangeCount.h"
#include "model/MainForm.h"

#include <gtest/gtest.h>

using namespace kovex;

namespace {

// A window whose callsign, antenna number and first together box the case
// keeps, as the case file marks them.
MainForm formKeeping() {
    MainForm f;
    f.keepInCase({ui::edtCallsign, ui::edtAntNr, ui::chkTogether[1], ui::cmbLanguage});
    return f;
}

} // namespace

TEST(ChangeCount, AssigningAValueBackNeverReturnsToAnEarlierCount) {
    ChangeCount before;
    ChangeCount now = before;
    EXPECT_EQ(now.value(), before.value());
    now.bump();
    now.bump();
    const std::uint64_t changed = now.value();
    now = before;
    EXPECT_GT(now.value(), changed);
    ChangeCount far;
    for (int k = 0; k < 5; ++k)
        far.bump();
    now = far;
    EXPECT_GT(now.value(), far.value());
    EXPECT_TRUE(now == before);
}

TEST(Revision, GrowsOnlyWithARealChangeOfAKeptControl) {
    MainForm f = formKeeping();
    const std::uint64_t start = f.revision();
    f.setText(ui::edtOutputPower, "400"); // the antenna pages count once computed
    f.setColor(ui::edtOutputPower, kRed);
    f.setActivePage(4);
    f.setText(ui::edtCallsign, f.text(ui::edtCallsign));
    f.setChecked(ui::chkTogether[1], f.checked(ui::chkTogether[1]));
    EXPECT_EQ(f.revision(), start);

    f.setText(ui::edtCallsign, "ON4ABC");
    const std::uint64_t typed = f.revision();
    EXPECT_GT(typed, start);
    f.setChecked(ui::chkTogether[1], !f.checked(ui::chkTogether[1]));
    EXPECT_GT(f.revision(), typed);
    const std::uint64_t checked = f.revision();
    f.setBold(ui::edtAntNr, true);
    f.setVisible(ui::edtAntNr, false);
    EXPECT_EQ(f.revision(), checked + 2);
}

TEST(Revision, ListItemChosenAgainIsNoChange) {
    MainForm f = formKeeping();
    f.setItemIndex(ui::cmbLanguage, 1);
    const std::uint64_t chosen = f.revision();
    f.setItemIndex(ui::cmbLanguage, 1);
    EXPECT_EQ(f.revision(), chosen);
    f.setItemIndex(ui::cmbLanguage, -1);
    EXPECT_GT(f.revision(), chosen);
    EXPECT_EQ(f.text(ui::cmbLanguage), QString());
}

TEST(Revision, CountsTheSummaryCellsAndTheKeptAntennas) {
    MainForm f = formKeeping();
    f.sgdTP.resize(18, 47);
    const std::uint64_t empty = f.revision();
    f.sgdTP.setCell(1, 1, QString());
    f.sgdTP.setColumnWidth(1, 90);
    EXPECT_EQ(f.revision(), empty);

    const StringGrid before = f.sgdTP;
    f.sgdTP.setCell(1, 1, "ANT1");
    const std::uint64_t written = f.revision();
    EXPECT_GT(written, empty);
    // a summary put back as it was is a change too, never an earlier count
    f.sgdTP = before;
    EXPECT_GT(f.revision(), written);

    KeptControl power;
    power.text = "100";
    const KeptControls inputs{{ui::edtOutputPower, power}};
    const std::uint64_t beforeKeeping = f.revision();
    f.keptAntennas.keep(1, inputs);
    const std::uint64_t kept = f.revision();
    EXPECT_GT(kept, beforeKeeping);
    f.keptAntennas.keep(1, inputs); // computed again from the same inputs
    f.keptAntennas.setLast(1);
    EXPECT_EQ(f.revision(), kept);
    f.keptAntennas.clear();
    const std::uint64_t cleared = f.revision();
    EXPECT_GT(cleared, kept);
    f.keptAntennas.clear();
    EXPECT_EQ(f.revision(), cleared);
}
