#include "AntennaSpan.h"
#include "BuildError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace necpattern;

TEST(AntennaSpan, WireEndsAfterMovesAndCopies) {
    // One 10 m wire along y, copied 4 m up: the diagonal of the rectangle.
    const QString deck = "CM two wires\nCE\nGW 1 11 0 -5 0 0 5 0 0.001\nGM 100 1 0 0 0 0 0 4 1\nGE 0\n"
                         "FR 0 1 0 0 14.175 0\n";
    EXPECT_NEAR(wireSpanM(deck, "d"), std::hypot(10, 4), 1e-9);
    // Two copies 3 m apart along x, and a rotation of 90 degrees about z that
    // turns the wire onto x before it is moved.
    EXPECT_NEAR(wireSpanM("GW 1 5 0 -1 0 0 1 0 0.001\nGM 1 2 0 0 0 3 0 0 1\n", "d"), std::hypot(6, 2), 1e-9);
    EXPECT_NEAR(
        wireSpanM("GW 1 5 0 -1 0 0 1 0 0.001\nGM 0 0 0 0 90 5 0 0 0\nGW 2 5 0 0 0 0 0 1 0.001\n", "d"),
        std::hypot(6, 1), 1e-9);
    EXPECT_NEAR(wireSpanM("GW 1,5,0,-1,0,0,1,0,0.001\nGS 0 0 2.5\n", "d"), 5, 1e-9);
}

TEST(AntennaSpan, RefusesWhatItCannotMeasure) {
    EXPECT_THROW(wireSpanM("GA 1 10 2 0 90 0.001\n", "d"), BuildError);
    EXPECT_THROW(wireSpanM("CM nothing\n", "d"), BuildError);
    EXPECT_THROW(wireSpanM("GW 1 5 0 x 0 0 1 0 0.001\n", "d"), BuildError);
    EXPECT_THROW(lowestDeckMHz("GW 1 5 0 0 0 0 1 0 0.001\n", "d"), BuildError);
    EXPECT_THROW(lowestBandMHz("2.4 GHz"), BuildError);
}

TEST(AntennaSpan, SingleBandDeckGrowsToTheLowestBand) {
    EXPECT_EQ(lowestDeckMHz("FR 0 1 0 0 14.175 0\nFR 0 1 0 0 10.12 0\n", "d"), 10.12);
    EXPECT_EQ(lowestBandMHz("10-30 MHz"), 10);
    EXPECT_EQ(lowestBandMHz("14 MHz"), 14);
    EXPECT_EQ(lowestBandMHz("1240-1300 MHz"), 1240);
    EXPECT_NEAR(spanForBandsM(10.42, 14.175, 10), 14.77, 0.01);
    // A deck below its lowest band keeps its own size.
    EXPECT_EQ(spanForBandsM(10, 10.12, 14), 10);
}

TEST(AntennaSpan, ClosedFormsGiveTheirApertures) {
    EXPECT_EQ(closedFormSpanM({"dish", "1.2", "1296"}), 1.2);
    EXPECT_NEAR(closedFormSpanM({"horn", "0.30", "0.23", "2400"}), 0.378, 0.001);
    // Ten turns a quarter of 12.5 cm apart, 4 cm across.
    EXPECT_NEAR(closedFormSpanM({"helix", "10", "2400"}), 0.3148, 0.0001);
    EXPECT_NEAR(closedFormSpanM({"patch", "0.058", "2400"}), 0.0852, 0.0001);
}
