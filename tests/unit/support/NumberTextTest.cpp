#include "support/NumberText.h"
#include "support/KovexError.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace kovex;

namespace {

QString errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const KovexError& error) {
        return error.text();
    }
    return {};
}

} // namespace

TEST(NumberText, ReadsRealsWithPointAndBlanks) {
    EXPECT_DOUBLE_EQ(num::toFloat("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(num::toFloat("  12.25  "), 12.25);
    EXPECT_DOUBLE_EQ(num::toFloat("-3"), -3);
    EXPECT_DOUBLE_EQ(num::toFloat("+4."), 4);
    EXPECT_DOUBLE_EQ(num::toFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(num::toFloat("1e3"), 1000);
    EXPECT_DOUBLE_EQ(num::toFloat("2.5E-1"), 0.25);
}

TEST(NumberText, RefusesWhatIsNoRealWithTheTextAsTyped) {
    for (const char* text :
         {"", " ", "0,5", "abc", "1.2.3", "inf", "nan", "1e", "--1", "0x10", "5 W", "1e999"})
        EXPECT_EQ(errorOf([&] { num::toFloat(QString::fromUtf8(text)); }),
                  QString("'%1' is not a valid floating point value").arg(QString::fromUtf8(text)))
            << text;
}

// Reals are read from the text's characters without a string between:
// blanks of any kind trimmed, digits of other scripts refused, texts of
// any length read alike.
TEST(NumberText, ReadsRealsOfAnyLengthAndOnlyAsciiDigits) {
    EXPECT_DOUBLE_EQ(num::toFloat("\t1.5\n"), 1.5);
    EXPECT_DOUBLE_EQ(num::toFloat(QString(63, QLatin1Char('0')) + "2"), 2); // fills the buffer
    EXPECT_DOUBLE_EQ(num::toFloat(QString(200, QLatin1Char('0')) + "3.25"), 3.25);
    EXPECT_DOUBLE_EQ(num::toFloat(QString(70, QLatin1Char(' ')) + "-4" + QString(70, QLatin1Char(' '))), -4);
    for (const QString& text :
         {QStringLiteral("\u0661"), QStringLiteral("\uFF15"), QStringLiteral("1\u00B2"),
          QString(QChar(u'1')) + QChar(u'\0'), QString(200, QLatin1Char('1')) + QChar(u'\u00e9')})
        EXPECT_EQ(errorOf([&] { num::toFloat(text); }),
                  QString("'%1' is not a valid floating point value")
                      .arg(text.left(80) + (text.size() > 80 ? "..." : "")));
}

TEST(NumberText, ReadsWholeNumbersStrictly) {
    EXPECT_EQ(num::toInt("12"), 12);
    EXPECT_EQ(num::toInt("  -7"), -7);
    EXPECT_EQ(num::toInt("+3"), 3);
    EXPECT_EQ(num::toInt("2 "), 2);
    EXPECT_EQ(num::toInt(" 2147483647 "), 2147483647);
    EXPECT_EQ(num::toIntStrict("  -7"), -7);
    for (const char* text : {"", "1.5", "4,5", "150000.5", "1e3", "-", "2147483648", " + 1", "1 2"})
        for (auto read : {num::toInt, num::toIntStrict})
            EXPECT_EQ(errorOf([&] { read(QString::fromUtf8(text)); }),
                      QString("'%1' is not a valid integer value").arg(QString::fromUtf8(text)))
                << text;
    EXPECT_EQ(errorOf([] { num::toIntStrict("12 "); }), "'12 ' is not a valid integer value");
}

// A long text is quoted by its start only, so the box stays readable.
TEST(NumberText, QuotesTheStartOfALongText) {
    const QString longText(100000, QLatin1Char('7'));
    EXPECT_EQ(errorOf([&] { num::toFloat(longText + "x"); }),
              "'" + longText.left(80) + "...' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { num::toInt(longText); }),
              "'" + longText.left(80) + "...' is not a valid integer value");
}

TEST(NumberText, ANumberThatIsNotFiniteIsAnArithmeticFault) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(errorOf([&] { num::finite(inf); }), "Floating point overflow");
    EXPECT_EQ(errorOf([&] { num::finite(-inf); }), "Floating point overflow");
    EXPECT_EQ(errorOf([&] { num::finite(nan); }), "Invalid floating point operation");
    EXPECT_EQ(errorOf([&] { num::fixed(inf, 5, 2); }), "Floating point overflow");
    EXPECT_EQ(errorOf([&] { num::shortest(nan); }), "Invalid floating point operation");
    EXPECT_EQ(num::finite(1e308), 1e308);
}

TEST(NumberText, FormatsFixedLikePrintf) {
    EXPECT_EQ(num::fixed(15.5703, 3, 2), "15.57");
    EXPECT_EQ(num::fixed(4.1734, 5, 2), " 4.17");
    EXPECT_EQ(num::fixed(10.9286, 5, 1), " 10.9");
    EXPECT_EQ(num::fixed(17.72, 3, 1), "17.7");
    EXPECT_EQ(num::fixed(1234.5, 5, 2), "1234.50");
    EXPECT_EQ(num::fixed2(-3.0103), "-3.01");
    EXPECT_EQ(num::fixed2(0), "0.00");
    EXPECT_EQ(num::fixed2(-0.001), "0.00");
    EXPECT_EQ(num::fixed2(0.374), "0.37");
}

TEST(NumberText, FormatsTheShortestForm) {
    EXPECT_EQ(num::shortest(0.5), "0.5");
    EXPECT_EQ(num::shortest(1.0), "1");
    EXPECT_EQ(num::shortest(0.8333), "0.8333");
    EXPECT_EQ(num::shortest(-7.8), "-7.8");
    EXPECT_EQ(num::shortest(2.15), "2.15");
    EXPECT_EQ(num::shortest(0.1 + 0.2), "0.3");
    EXPECT_EQ(num::shortest(-0.0), "0");
    EXPECT_EQ(num::shortest(1e20), "1E20");
    EXPECT_EQ(num::shortest(0.00001), "1E-5");
    // The largest doubles round down, to a text that still reads back.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(num::shortest(-largest), "-1.79769313486231E308");
    EXPECT_EQ(num::shortest(num::toFloat(num::shortest(largest))), "1.79769313486231E308");
}

TEST(NumberText, RoundsHalvesToEven) {
    EXPECT_EQ(num::roundToInt(2.5), 2);
    EXPECT_EQ(num::roundToInt(3.5), 4);
    EXPECT_EQ(num::roundToInt(-2.5), -2);
    EXPECT_EQ(num::roundToInt(0.4), 0);
    EXPECT_EQ(errorOf([] { num::roundToInt(1e12); }), "Invalid floating point operation");
}

TEST(NumberText, CheckedArithmeticFailsWithTheProcessorsTexts) {
    EXPECT_EQ(errorOf([] { num::log10(0); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { num::log10(-150); }), "Invalid floating point operation");
    EXPECT_EQ(errorOf([] { num::divide(5, 0); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { num::divide(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(errorOf([] { num::sqrt(-1); }), "Invalid floating point operation");
    EXPECT_DOUBLE_EQ(num::log10(1000), 3);
    EXPECT_DOUBLE_EQ(num::pow10(2), 100);
}
