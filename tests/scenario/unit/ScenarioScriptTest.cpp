#include "ScenarioScript.h"
#include "FailureText.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace kovex::scenario;
using kovex::scenario::test::failureOf;

TEST(SplitWords, BlanksAndTabsSeparateWords) {
    EXPECT_EQ(splitWords("  type\tedtD1   10 "), QStringList({"type", "edtD1", "10"}));
    EXPECT_TRUE(splitWords("   ").isEmpty());
}

TEST(SplitWords, QuotedWordKeepsBlanksAndMayBeEmpty) {
    EXPECT_EQ(splitWords(R"(type edtCallsign "ON4 XYZ")"), QStringList({"type", "edtCallsign", "ON4 XYZ"}));
    EXPECT_EQ(splitWords(R"(type edtCallsign "")"), QStringList({"type", "edtCallsign", ""}));
}

TEST(SplitWords, EscapesInsideQuotes) {
    EXPECT_EQ(splitWords(R"("a\r\n\tb")"), QStringList({"a\r\n\tb"}));
    EXPECT_EQ(splitWords(R"("say \"hi\" \\ bye")"), QStringList({R"(say "hi" \ bye)"}));
    // Any other escaped character stands for itself.
    EXPECT_EQ(splitWords(R"("\x")"), QStringList({"x"}));
}

TEST(SplitWords, BackslashOutsideQuotesIsPlain) {
    EXPECT_EQ(splitWords(R"(a\nb)"), QStringList({R"(a\nb)"}));
}

TEST(SplitWords, CodePointEscapes) {
    EXPECT_EQ(splitWords(R"("\u{FEFF}x")"), QStringList({QString(QChar(0xFEFF)) + "x"}));
    EXPECT_EQ(splitWords(R"("\u{1F600}")"), QStringList({QString::fromUcs4(U"\U0001F600", 1)}));
    EXPECT_EQ(splitWords(R"("\u{e9}")"), QStringList({QString::fromUtf8("é")}));
}

TEST(SplitWords, BadCodePointsAndOpenQuotesThrow) {
    EXPECT_THROW(splitWords(R"("\u{110000}")"), std::runtime_error);
    EXPECT_THROW(splitWords(R"("\u{zz}")"), std::runtime_error);
    EXPECT_THROW(splitWords(R"("\u{41")"), std::runtime_error);
    EXPECT_THROW(splitWords(R"(type edtD1 "10)"), std::runtime_error);
    // An escaped quote does not close the word.
    EXPECT_THROW(splitWords(R"("abc\")"), std::runtime_error);
}

TEST(ScriptLines, LineEndsOfEitherKindGo) {
    EXPECT_EQ(scriptLines("a\r\nb\nc"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(scriptLines("a\rb\r\n"), QStringList({"a\rb", ""}));
    EXPECT_EQ(scriptLines("caf\xc3\xa9"), QStringList({QString::fromUtf8("café")}));
}

TEST(Script, CommentsAndBlankLinesArePassedOver) {
    Script script({"# a comment", "", "   ", "  # indented", "start", "type edtD1 \"#1\""});
    EXPECT_EQ(script.nextCommand(), QStringList({"start"}));
    EXPECT_EQ(script.commandLine(), 5);
    EXPECT_EQ(script.nextCommand(), QStringList({"type", "edtD1", "#1"}));
    EXPECT_EQ(script.commandLine(), 6);
    EXPECT_EQ(script.nextCommand(), std::nullopt);
    EXPECT_EQ(script.commandLine(), 6);
}

TEST(Script, AtTheEndTheLineIsTheLastOne) {
    Script script({"start", "# trailing comment", ""});
    script.nextCommand();
    EXPECT_EQ(script.nextCommand(), std::nullopt);
    EXPECT_EQ(script.commandLine(), 3);
}

TEST(Script, AnOpenQuoteThrowsWithItsLine) {
    Script script({"start", "", "type edtD1 \"10"});
    script.nextCommand();
    EXPECT_THROW(script.nextCommand(), std::runtime_error);
    EXPECT_EQ(script.commandLine(), 3);
}

TEST(Script, BlockLinesUpToEnd) {
    Script script({"expect-file a.txt", "| one", "|", "|~ t.o", "|  two blanks", "  end  ", "start"});
    script.nextCommand();
    EXPECT_EQ(script.block(), QStringList({"| one", "", "|~ t.o", "|  two blanks"}));
    EXPECT_EQ(script.commandLine(), 1);
    EXPECT_EQ(script.nextCommand(), QStringList({"start"}));
    EXPECT_EQ(script.commandLine(), 7);
}

TEST(Script, BlockLinesAreNotCommentsOrCommands) {
    Script script({"file a.txt", "| # kept", "end"});
    script.nextCommand();
    EXPECT_EQ(script.block(), QStringList({"| # kept"}));
    EXPECT_EQ(script.nextCommand(), std::nullopt);
}

TEST(Script, BadBlockLineFailsNamingIt) {
    Script script({"file a.txt", "| one", "|two", "end"});
    script.nextCommand();
    EXPECT_EQ(failureOf([&] { script.block(); }),
              R"(a block line starting with "| " or "end", found "|two")");
    EXPECT_EQ(script.commandLine(), 1);
}

TEST(Script, BlockWithoutEndFails) {
    Script script({"file a.txt", "| one"});
    script.nextCommand();
    EXPECT_EQ(failureOf([&] { script.block(); }), "end of the block");
}

TEST(BlockLines, TextAndPattern) {
    EXPECT_FALSE(isPatternLine("| a"));
    EXPECT_FALSE(isPatternLine(""));
    EXPECT_TRUE(isPatternLine("|~ a.*"));
    EXPECT_EQ(blockLineText("|  a"), " a");
    EXPECT_EQ(blockLineText("|~ a.*"), "a.*");
    EXPECT_EQ(blockLineText(""), "");
    EXPECT_EQ(plainTexts({"| 1|x", "", "| 2|y"}), QStringList({"1|x", "", "2|y"}));
}
