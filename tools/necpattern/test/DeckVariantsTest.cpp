#include "DeckVariants.h"
#include "BuildError.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace necpattern;

namespace {

const QString vertical = "CM a vertical over two radials\n"
                         "CE\n"
                         "GW 1 11 0 0 0 0 0 2 0.001\n"
                         "GW 2 5 0 0 0 1 0 0 0.001\n"
                         "GW 3 5 0 0 0 -1 0 0 0.001\n"
                         "GE 0\n"
                         "LD 0 1 3 3 0 1e-07 0\n"
                         "EX 0 1 1 0 1 0\n"
                         "FR 0 1 0 0 14.175 0\n";

QString withCards(const QString& cards) {
    return cards + vertical;
}

} // namespace

TEST(DeckVariants, TheDeckAsWrittenComesFirstAndAloneWithoutVariations) {
    const auto variants = deckVariants(vertical, "d");
    ASSERT_EQ(variants.size(), 1u);
    EXPECT_EQ(variants.front().text, vertical);
}

TEST(DeckVariants, VariationsAreCrossedWithEachOther) {
    // Three lengths (the deck's own and two) times two droops; the radials
    // are flat as written, so a droop of 0 is the deck itself, computed once.
    const auto variants =
        deckVariants(withCards("CM VARY SCALE z 0.97 1.03 TAGS 1-1\nCM VARY DROOP 0 45 TAGS 2-3\n"), "d");
    ASSERT_EQ(variants.size(), 6u);
    EXPECT_TRUE(variants[1].text.contains("GW 1 11 0 0 0 0 0 1.94 0.001"));
    EXPECT_TRUE(variants[1].text.contains("GW 2 5 0 0 0 1 0 0 0.001"));
    // The radials keep their length and azimuth when they droop.
    EXPECT_TRUE(variants[3].text.contains("GW 2 5 0 0 0 0.7071067812 0 -0.7071067812 0.001"));
    EXPECT_TRUE(variants[3].text.contains("GW 3 5 0 0 0 -0.7071067812 0 -0.7071067812 0.001"));
    EXPECT_TRUE(variants[5].text.contains("GW 1 11 0 0 0 0 0 2.06 0.001"));
}

TEST(DeckVariants, CardValuesVaryTogetherWithVaryPlus) {
    const auto variants = deckVariants(withCards("CM VARY CARD LD 0 1 3 3 0 {2e-07 3e-07} 0\n"
                                                 "CM VARY+ CARD EX 0 1 1 0 {2 3} 0\n"),
                                       "d");
    ASSERT_EQ(variants.size(), 3u);
    EXPECT_TRUE(variants[2].text.contains("LD 0 1 3 3 0 3e-07 0"));
    EXPECT_TRUE(variants[2].text.contains("EX 0 1 1 0 3 0"));
}

TEST(DeckVariants, StackingMovesOnlyTheTranslations) {
    const QString array = "CM VARY MOVE 0.9\nGW 1 5 0 -1 0 0 1 0 0.001\nGM 100 1 0 0 0 0 0 4 1\nGE 0\n";
    const auto variants = deckVariants(array, "d");
    ASSERT_EQ(variants.size(), 2u);
    EXPECT_TRUE(variants[1].text.contains("GM 100 1 0 0 0 0 0 3.6 1"));
    EXPECT_EQ(deckVariants("CM VARY MOVE 2\nGM 0 0 0 0 0 1 2 3 5\n", "d")[1].text.split('\n')[1],
              "GM 0 0 0 0 0 2 4 6 5");
    EXPECT_TRUE(variants[1].text.contains("GW 1 5 0 -1 0 0 1 0 0.001"));
}

TEST(DeckVariants, FaultyVariationsNameTheirLine) {
    for (const char* card : {"CM VARY TWIST 3\n", "CM VARY SCALE q 0.9\n", "CM VARY DROOP 45\n",
                             "CM VARY CARD LD 0 1 3 3 0 1e-07 0\n", "CM VARY SCALE z\n",
                             "CM VARY+ SCALE z 0.9\n", "CM VARY SCALE z x\n"}) {
        try {
            deckVariants(withCards(QString::fromLatin1(card)), "d");
            ADD_FAILURE() << card << " accepted";
        } catch (const BuildError& error) {
            EXPECT_TRUE(error.text().startsWith("d:1: ")) << error.text().toStdString();
        }
    }
}

TEST(DeckVariants, EveryBandAtItsEdgesItsMiddleAndItsOwnFrequency) {
    const QString deck = acrossBand("GE 0\nFR 0 1 0 0 28.5 0\nFR 0 1 0 0 144 0\n", "d");
    EXPECT_EQ(deck, "GE 0\nFR 0 1 0 0 28 0\nFR 0 1 0 0 28.85 0\nFR 0 1 0 0 29.7 0\nFR 0 1 0 0 28.5 0\n"
                    "FR 0 1 0 0 144 0\nFR 0 1 0 0 145 0\nFR 0 1 0 0 146 0\n");
    EXPECT_THROW(acrossBand("FR 0 1 0 0 100 0\n", "d"), BuildError);
    const QString own = "CM BAND OWN FREQUENCY\nFR 0 1 0 0 14.175 0\n";
    EXPECT_EQ(acrossBand(own, "d"), own);
    EXPECT_EQ(amateurBand(2320, "").lowMHz, 2300);
}
