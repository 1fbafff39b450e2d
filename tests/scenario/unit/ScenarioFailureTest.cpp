#include "ScenarioFailure.h"
#include "FailureText.h"

#include <gtest/gtest.h>

using namespace kovex::scenario;
using kovex::scenario::test::failureOf;

TEST(Quoted, ShowsWhatAScenarioLineWouldWrite) {
    EXPECT_EQ(quoted("a b"), R"("a b")");
    EXPECT_EQ(quoted("1\r\n2\t\"3\"\\"), R"("1\r\n2\t\"3\"\\")");
    EXPECT_EQ(quoted(""), R"("")");
}

TEST(Compare, NamesBothTexts) {
    EXPECT_EQ(failureOf([] { compare("12,3", "12,3"); }), "");
    EXPECT_EQ(failureOf([] { compare("12", "12,3"); }), R"("12,3", found "12")");
}

TEST(ReportLine, PassOrFailWithTheLine) {
    EXPECT_EQ(reportLine("a.scn", {true, 9, ""}), "PASS a.scn");
    EXPECT_EQ(reportLine("a.scn", {false, 3, "a control named edtX in either window"}),
              "FAIL a.scn:3: expected a control named edtX in either window");
}
