// The number texts on any input: each conversion returns or throws
// KovexError (another exception ends the run as a crash), the readers take
// exactly the texts their grammar allows, within range, and read the value
// the C library reads, no reader returns a value that is not finite, a value
// reads back from the texts shown for it, and rounding goes to the nearest
// whole number, halves to even.

#include "FuzzCheck.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>

namespace {

namespace num = kovex::num;
using kovex::KovexError;

template <typename T> std::optional<T> attempt(const std::function<T()>& conversion) {
    try {
        return conversion();
    } catch (const KovexError&) {
        return std::nullopt;
    }
}

QString described(double value) {
    return QString::number(value, 'g', 17);
}

// Up to 15 significant digits: reading the text back gives a value whose
// text is the same, within the rounding of the 15th digit.
void checkShortest(double value) {
    const QString text = num::shortest(value);
    const std::optional<double> back = attempt<double>([&] { return num::toFloat(text); });
    require(back.has_value(), "the shortest text of a value reads back", described(value) + " -> " + text);
    require(num::shortest(*back) == text, "the shortest text reads back to the same text",
            described(value) + " -> " + text);
    require(std::abs(*back - value) <= std::abs(value) * 1e-14, "the shortest text keeps 15 digits",
            described(value) + " -> " + text);
}

// At least `width` characters, `decimals` decimals, no sign on a value shown
// as zero, and the text reads back to the value within half its last digit.
void checkFixed(double value, int width, int decimals) {
    const QString text = num::fixed(value, width, decimals);
    const QString detail = described(value) + " -> '" + text + "'";
    require(text.size() >= width, "a fixed text fills its width", detail);
    const std::optional<double> back = attempt<double>([&] { return num::toFloat(text); });
    require(back.has_value(), "a fixed text reads back", detail);
    require(!(text.trimmed().startsWith(QLatin1Char('-')) && *back == 0), "no sign on a zero", detail);
    const double halfLastDigit = 0.5 * std::pow(10.0, -decimals);
    require(std::abs(*back - value) <= halfLastDigit * (1 + 1e-9) + std::abs(value) * 1e-15,
            "a fixed text rounds to its last digit", detail);
}

// Any double, finite or not: only a finite one is shown.
void checkValue(double value, int width, int decimals) {
    const bool shown = attempt<double>([&] { return num::finite(value); }).has_value();
    require(shown == std::isfinite(value), "finite() refuses exactly the values that are not finite",
            described(value));
    if (!shown) {
        require(!attempt<QString>([&] { return num::shortest(value); }), "shortest() refuses",
                described(value));
        require(!attempt<QString>([&] { return num::fixed(value, width, decimals); }), "fixed() refuses",
                described(value));
        return;
    }
    checkShortest(value);
    checkFixed(value, width, decimals);
}

// The texts a user may type as numbers, once the blanks around them are gone,
// written independently of the readers.
bool isRealText(const QString& trimmed) {
    static const QRegularExpression real(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?")));
    return real.match(trimmed).hasMatch();
}
bool isWholeText(const QString& trimmed) {
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    return whole.match(trimmed).hasMatch();
}

// The value of a real text as the C library reads it (the fuzzer runs in the
// "C" locale), correctly rounded; nothing when it lies beyond the doubles, or
// is too small for one and not zero.
std::optional<double> referenceReal(const QString& trimmed) {
    const double value = std::strtod(trimmed.toLatin1().constData(), nullptr);
    const QString mantissa = trimmed.left(trimmed.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive));
    const bool zeroWritten = !std::any_of(mantissa.cbegin(), mantissa.cend(), [](QChar c) {
        return c >= QLatin1Char('1') && c <= QLatin1Char('9');
    });
    if (std::isinf(value) || (value == 0 && !zeroWritten))
        return std::nullopt;
    return value;
}

// The value of a whole-number text, when it fits in 32 bits.
std::optional<std::int32_t> referenceWhole(const QString& digits) {
    const bool negative = digits.startsWith(QLatin1Char('-'));
    QString magnitude = digits.startsWith(QLatin1Char('+')) || negative ? digits.mid(1) : digits;
    while (magnitude.size() > 1 && magnitude.startsWith(QLatin1Char('0')))
        magnitude.remove(0, 1);
    if (magnitude.size() > 10)
        return std::nullopt;
    const long long value = negative ? -magnitude.toLongLong() : magnitude.toLongLong();
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The text as a user types it: each reader takes exactly the texts of its
// grammar within range, with the reference value; a whole number is also a
// real of the same value.
void checkText(const QString& text, int width, int decimals) {
    const std::optional<double> real = attempt<double>([&] { return num::toFloat(text); });
    const std::optional<std::int32_t> whole = attempt<std::int32_t>([&] { return num::toInt(text); });
    const std::optional<std::int32_t> strict = attempt<std::int32_t>([&] { return num::toIntStrict(text); });

    const QString trimmed = text.trimmed();
    const std::optional<double> expectedReal =
        isRealText(trimmed) ? referenceReal(trimmed) : std::optional<double>();
    require(real.has_value() == expectedReal.has_value(), "toFloat takes exactly the real texts within range",
            text);
    if (real) {
        require(*real == *expectedReal && std::signbit(*real) == std::signbit(*expectedReal),
                "toFloat reads the correctly rounded value", text + " -> " + described(*real));
        checkValue(*real, width, decimals);
    }

    const std::optional<std::int32_t> expectedWhole =
        isWholeText(trimmed) ? referenceWhole(trimmed) : std::optional<std::int32_t>();
    require(whole == expectedWhole, "toInt takes exactly the whole numbers of 32 bits", text);
    if (whole)
        require(real && *real == *whole, "a whole number reads as the same real", text);

    // Only blanks lead; nothing trails.
    qsizetype firstNonBlank = 0;
    while (firstNonBlank < text.size() && text[firstNonBlank] == QLatin1Char(' '))
        ++firstNonBlank;
    const QString leadingBlanksGone = text.mid(firstNonBlank);
    const std::optional<std::int32_t> expectedStrict =
        isWholeText(leadingBlanksGone) ? referenceWhole(leadingBlanksGone) : std::optional<std::int32_t>();
    require(strict == expectedStrict, "toIntStrict takes exactly the whole numbers after leading blanks",
            text);
}

// Halves go to the even neighbour; exactly the values that round beyond 32
// bits are refused.
void checkRounding(double value) {
    const std::optional<std::int32_t> rounded = attempt<std::int32_t>([&] { return num::roundToInt(value); });
    const bool fits = value >= std::numeric_limits<std::int32_t>::min() - 0.5 &&
                      value < std::numeric_limits<std::int32_t>::max() + 0.5;
    require(rounded.has_value() == fits, "roundToInt refuses exactly what rounds beyond 32 bits",
            described(value));
    if (!rounded)
        return;
    const double distance = std::abs(*rounded - value);
    require(distance < 0.5 || (distance == 0.5 && *rounded % 2 == 0),
            "roundToInt goes to the nearest whole number, halves to even", described(value));
}

} // namespace

// The input is the text; its first eight bytes are also the bits of a double,
// the next two the width and the decimals of its fixed text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int width = size > 8 ? data[8] % 24 : 0;
    const int decimals = size > 9 ? data[9] % 16 : 2;
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), width,
              decimals);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkValue(value, width, decimals);
        checkRounding(value);
    }
    return 0;
}
