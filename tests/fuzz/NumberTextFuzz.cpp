// The number texts on any input: each conversion returns or throws
// KovexError (another exception ends the run as a crash), no reader returns
// a value that is not finite, and a value reads back from the texts shown
// for it.

#include "FuzzCheck.h"

#include "support/KovexError.h"
#include "support/NumberText.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
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

// The text as a user types it: a whole number is also a real of the same
// value, and the strict reader takes no text the other refuses.
void checkText(const QString& text, int width, int decimals) {
    const std::optional<double> real = attempt<double>([&] { return num::toFloat(text); });
    const std::optional<std::int32_t> whole = attempt<std::int32_t>([&] { return num::toInt(text); });
    const std::optional<std::int32_t> strict = attempt<std::int32_t>([&] { return num::toIntStrict(text); });
    if (real) {
        require(std::isfinite(*real), "toFloat returns finite values only", text);
        checkValue(*real, width, decimals);
    }
    if (whole) {
        require(real && *real == *whole, "a whole number reads as the same real", text);
        require(num::toInt(QString::number(*whole)) == *whole, "a whole number reads back", text);
    }
    if (strict)
        require(whole && *whole == *strict, "the strict reader agrees with the other", text);
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
    }
    return 0;
}
