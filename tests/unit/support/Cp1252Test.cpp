#include "support/Cp1252.h"

#include <gtest/gtest.h>

using namespace kovex;

// Each code point is judged as it stands (QString::fromUtf16 would drop a
// leading byte-order mark, so the texts are taken as views): the mark and the
// noncharacters are no characters of the code page, a lone surrogate is
// named as itself, and a pair is one character.
TEST(Cp1252, FindsEveryCharacterWithoutAByte) {
    const struct {
        const char16_t* text;
        std::optional<char32_t> found;
    } cases[]{
        {u"Gent \u20AC \u0153", std::nullopt},
        {u"a\uFEFFb", 0xFEFF},
        {u"\uFEFF", 0xFEFF},
        {u"x\uFFFE", 0xFFFE},
        {u"\u0141\u00F3d\u017A", 0x0141},
        {u"roof \U0001F600", 0x1F600},
        {u"ON4\u202EXX", 0x202E},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1252::firstUnencodable(QStringView(c.text).toString()), c.found)
            << QStringView(c.text).toString().toStdString();
    const QChar lone[]{QChar(u'x'), QChar(0xD800), QChar(u'y')};
    EXPECT_EQ(cp1252::firstUnencodable(QStringView(lone, 3)), char32_t{0xD800});
}

TEST(Cp1252, ReplacesEachCharacterWithoutAByteOnce) {
    EXPECT_EQ(cp1252::replacingUnencodable(QStringView(u"a\uFEFFb \U0001F600 \u00E9").toString()),
              u"a?b ? \u00E9");
    EXPECT_EQ(cp1252::describe(0xFEFF), QStringView(u"the character \"\uFEFF\" (U+FEFF)").toString());
    EXPECT_EQ(cp1252::describe(0xD800), QStringLiteral("the character \"\" (U+D800)"));
}
