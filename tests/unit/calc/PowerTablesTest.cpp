#include "calc/PowerTables.h"
#include "support/KovexError.h"
#include "support/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kovex;

struct BandRow {
    int index;
    int freqMin;
    int freqMax;
    const char* lossClass;
};

class BandTable : public ::testing::TestWithParam<BandRow> {};

TEST_P(BandTable, GivesTheEdgesAndTheLossClass) {
    const BandRow row = GetParam();
    EXPECT_EQ(bandFreqMinMHz(row.index), row.freqMin);
    EXPECT_EQ(bandFreqMaxMHz(row.index), row.freqMax);
    const QString meter = additionalLossDefaults(row.freqMin).powerMeterdB;
    const QString expected = QString(row.lossClass) == "HF"    ? "0.03"
                             : QString(row.lossClass) == "VHF" ? "0.05"
                                                               : "0.1";
    EXPECT_EQ(meter, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryBand, BandTable,
                         ::testing::Values(BandRow{0, 10, 10, "HF"}, BandRow{1, 14, 14, "HF"},
                                           BandRow{2, 18, 18, "HF"}, BandRow{3, 21, 21, "HF"},
                                           BandRow{4, 24, 24, "HF"}, BandRow{5, 28, 30, "HF"},
                                           BandRow{6, 50, 52, "VHF"}, BandRow{7, 144, 146, "VHF"},
                                           BandRow{8, 430, 440, "UHF"}, BandRow{9, 1240, 1300, "UHF"},
                                           BandRow{10, 2300, 2450, "UHF"}, BandRow{11, 5650, 5850, "UHF"},
                                           BandRow{12, 14, 30, "HF"}, BandRow{13, 10, 30, "HF"}));

TEST(PowerTables, ModeAndTimeCorrections) {
    const double modeCorrections[] = {-3.98, -6.99, -3.01, -3.01, 0, 0, -5.23, -3.01, -2.22, 0, 0, 0, 0};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(num::fixed2(10 * std::log10(modeFactor(i))), num::fixed2(modeCorrections[i])) << i;
    const double timeCorrections[] = {0, -0.79, -1.76, -3.01, -3.01};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(num::fixed2(10 * std::log10(timeFactor(i))), num::fixed2(timeCorrections[i])) << i;
    EXPECT_EQ(timeFactor(1), 0.8333);
    EXPECT_EQ(timeFactor(2), 0.6666);
}

TEST(PowerTables, NoTableIsReadOutsideItsRows) {
    EXPECT_THROW(bandFreqMinMHz(-1), KovexError);
    EXPECT_THROW(bandFreqMaxMHz(14), KovexError);
    EXPECT_THROW(modeFactor(13), KovexError);
    EXPECT_THROW(timeFactor(-1), KovexError);
}

TEST(PowerTables, LossClassBoundaries) {
    EXPECT_EQ(additionalLossDefaults(29).perConnectorPairdB, "0.005");
    EXPECT_EQ(additionalLossDefaults(30).perConnectorPairdB, "0.01");
    EXPECT_EQ(additionalLossDefaults(299).perConnectorPairdB, "0.01");
    EXPECT_EQ(additionalLossDefaults(300).perConnectorPairdB, "0.02");
    EXPECT_EQ(additionalLossDefaults(144).lowPassFilterdB, "0.0");
}

TEST(PowerTables, SectionLossGrowsWithTheRootOfTheFrequency) {
    EXPECT_NEAR(sectionLossdB(20, 5, 14), 0.374166, 1e-6);
    EXPECT_EQ(sectionLossdB(0, 5, 14), 0);
    EXPECT_NEAR(sectionLossdB(100, 10, 400), 20, 1e-12);
}
