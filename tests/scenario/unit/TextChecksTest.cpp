#include "TextChecks.h"
#include "FailureText.h"

#include <gtest/gtest.h>

using namespace kovex::scenario;
using kovex::scenario::test::failureOf;

TEST(FileBytesOfBlock, WindowsLinesInWindows1252) {
    EXPECT_EQ(fileBytesOfBlock({QString::fromUtf8("| café"), "", "| x"}), QByteArray("caf\xe9\r\n\r\nx\r\n"));
    EXPECT_EQ(fileBytesOfBlock({}), QByteArray());
}

TEST(FileBytesOfBlock, RefusesPatternsAndTextBeyondWindows1252) {
    EXPECT_EQ(failureOf([] { fileBytesOfBlock({"|~ a.*"}); }), "plain lines in a file block");
    EXPECT_EQ(failureOf([] { fileBytesOfBlock({QString::fromUtf8("| 東")}); }),
              QString::fromUtf8("text that Windows-1252 can hold: \"| 東\""));
}

TEST(CrLfLines, DecodesWindows1252Lines) {
    EXPECT_EQ(crLfLines("r.txt", "caf\xe9\r\n\r\nend\r\n"),
              QStringList({QString::fromUtf8("café"), "", "end"}));
    EXPECT_TRUE(crLfLines("r.txt", "").isEmpty());
}

TEST(CrLfLines, FailsOnAnyOtherLineEnd) {
    const QString failure = "every line of r.txt ending in CR LF";
    EXPECT_EQ(failureOf([] { crLfLines("r.txt", "a\r\nb"); }), failure);
    EXPECT_EQ(failureOf([] { crLfLines("r.txt", "a\nb\r\n"); }), failure);
    EXPECT_EQ(failureOf([] { crLfLines("r.txt", "a\rb\r\n"); }), failure);
    EXPECT_EQ(failureOf([] { crLfLines("r.txt", "a\r\r\n"); }), failure);
}

TEST(CompareLines, TextsAndAnchoredPatterns) {
    EXPECT_EQ(failureOf([] {
                  compareLines("f", {"| 1,5 W", "|~ Date: .*", ""}, {"1,5 W", "Date: today", ""});
              }),
              "");
    EXPECT_EQ(failureOf([] { compareLines("f", {"|~ Date"}, {"Date: today"}); }),
              R"(line 1 of f: a match of Date, found "Date: today")");
    EXPECT_EQ(failureOf([] {
                  compareLines("f", {"| a", "| b"}, {"a", "b "});
              }),
              R"(line 2 of f: "b", found "b ")");
}

TEST(CompareLines, FileShorterOrLongerThanTheBlock) {
    EXPECT_EQ(failureOf([] {
                  compareLines("f", {"| a", "| b"}, {"a"});
              }),
              "line 2 of f: b, found the end of the file");
    EXPECT_EQ(failureOf([] {
                  compareLines("f", {"| a"}, {"a", "extra"});
              }),
              R"(line 2 of f: the end of the file, found "extra")");
}

TEST(FirstMissingInOrder, LinesHeldInOrder) {
    const QStringList page{"Title  of the page", "Field 12,3 V/m", "Signature"};
    EXPECT_EQ(firstMissingInOrder({"| of the", "|~ Field \\d+,\\d V/m", "| Sign"}, page), std::nullopt);
    EXPECT_EQ(firstMissingInOrder({}, page), std::nullopt);
}

TEST(FirstMissingInOrder, NamesTheFirstLineOutOfOrderOrAbsent) {
    const QStringList page{"Title", "Field", "Signature"};
    EXPECT_EQ(firstMissingInOrder({"| Signature", "| Field"}, page), QString("Field"));
    EXPECT_EQ(firstMissingInOrder({"| Title", "|~ ^Fi.d$"}, page), QString("^Fi.d$"));
    EXPECT_EQ(firstMissingInOrder({"| Title"}, {}), QString("Title"));
}

TEST(FirstDifference, ByteWhereTheyPart) {
    EXPECT_EQ(firstDifference("abcd", "abXd"), 2);
    EXPECT_EQ(firstDifference("abc", "abcdef"), 3);
    EXPECT_EQ(firstDifference("", "a"), 0);
}

TEST(SqliteText, RealsShowAPointOrAnExponent) {
    EXPECT_EQ(sqliteText(QVariant(3.0)), "3.0");
    EXPECT_EQ(sqliteText(QVariant(-2.5)), "-2.5");
    EXPECT_EQ(sqliteText(QVariant(1e20)), "1.0e+20");
    EXPECT_EQ(sqliteText(QVariant(1.5e-7)), "1.5e-07");
    EXPECT_EQ(sqliteText(QVariant(0.1)), "0.1");
}

TEST(SqliteText, OtherValuesAsTheyStand) {
    EXPECT_EQ(sqliteText(QVariant()), "");
    EXPECT_EQ(sqliteText(QVariant(qlonglong(42))), "42");
    EXPECT_EQ(sqliteText(QVariant(QString("Beam"))), "Beam");
}
