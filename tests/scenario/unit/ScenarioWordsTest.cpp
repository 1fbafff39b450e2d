#include "ScenarioWords.h"
#include "FailureText.h"

#include <gtest/gtest.h>

using namespace kovex::scenario;
using kovex::PageOrientation;
using kovex::scenario::test::failureOf;

TEST(Arg, FailsNamingTheCommandWhenShort) {
    EXPECT_EQ(arg({"type", "edtD1", "10"}, 2), "10");
    EXPECT_EQ(failureOf([] { arg({"type", "edtD1"}, 2); }), "2 words after type");
}

TEST(ParseWords, BooleansAndNumbers) {
    EXPECT_TRUE(parseBool("yes"));
    EXPECT_TRUE(parseBool("true"));
    EXPECT_FALSE(parseBool("no"));
    EXPECT_FALSE(parseBool("false"));
    EXPECT_EQ(failureOf([] { parseBool("True"); }), "true or false, not True");
    EXPECT_EQ(parseInt("-12"), -12);
    EXPECT_EQ(failureOf([] { parseInt("1.5"); }), "a whole number, not 1.5");
    EXPECT_EQ(failureOf([] { parseInt(""); }), "a whole number, not ");
}

TEST(ParseWords, PermissionBitsInOctal) {
    EXPECT_EQ(parseOctal("644"), 0644u);
    EXPECT_EQ(parseOctal("0600"), 0600u);
    EXPECT_EQ(parseOctal("7777"), 07777u);
    EXPECT_EQ(failureOf([] { parseOctal("10000"); }), "permission bits in octal, not 10000");
    EXPECT_EQ(failureOf([] { parseOctal("8"); }), "permission bits in octal, not 8");
}

TEST(Colours, TheDrawingsColoursByName) {
    for (const char* name : {"blue", "red", "black", "white", "green", "yellow", "silver"})
        EXPECT_EQ(colourName(parseColour(name)), name);
    // The pure green of the drawing, which the web names "lime".
    EXPECT_EQ(parseColour("green") & 0xffffff, 0x00ff00u);
    EXPECT_EQ(parseColour("lime") & 0xffffff, 0x00ff00u);
}

TEST(Colours, OthersAsHexadecimal) {
    EXPECT_EQ(colourName(parseColour("#123456")), "#123456");
    // The alpha channel is no part of the colour's name.
    EXPECT_EQ(colourName(0x00ff0000), "red");
    EXPECT_EQ(failureOf([] { parseColour("reddish"); }), "a colour, not reddish");
}

TEST(Orientations, BothWays) {
    EXPECT_EQ(parseOrientation("portrait"), PageOrientation::Portrait);
    EXPECT_EQ(parseOrientation("landscape"), PageOrientation::Landscape);
    EXPECT_EQ(orientationName(PageOrientation::Landscape), "landscape");
    EXPECT_EQ(failureOf([] { parseOrientation("Portrait"); }), "portrait or landscape, not Portrait");
}
