#include "support/NumberText.h"

#include "support/KovexError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace kovex::num {

namespace {

// A message quotes the start of a long text only: a box wider than the
// screen tells the user nothing more.
QString quoted(const QString& text) {
    constexpr qsizetype kMaxQuoted = 80;
    return text.size() <= kMaxQuoted ? text : text.left(kMaxQuoted) + QStringLiteral("...");
}

[[noreturn]] void notAFloat(const QString& text) {
    throw KovexError(QStringLiteral("'%1' is not a valid floating point value").arg(quoted(text)));
}

[[noreturn]] void notAnInteger(const QString& text) {
    throw KovexError(QStringLiteral("'%1' is not a valid integer value").arg(quoted(text)));
}

[[noreturn]] void invalidOperation() {
    throw KovexError(QStringLiteral("Invalid floating point operation"));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits with at most one ".", at least one digit, then an optional
// exponent: what a user types as a number, and nothing from_chars would also
// take ("inf", "nan").
bool looksLikeReal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

// The characters of a number are ASCII: a text with any other is none, so
// it is read into bytes on the stack rather than encoded as a string. A
// text longer than the buffer is left to the same check through a string.
bool parseReal(const QString& text, double& value) {
    const QStringView trimmed = QStringView(text).trimmed();
    std::array<char, 64> buffer{};
    std::string longText;
    char* chars = buffer.data();
    if (trimmed.size() > qsizetype(buffer.size())) {
        longText.resize(std::size_t(trimmed.size()));
        chars = longText.data();
    }
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c > 0x7F)
            return false;
        chars[i] = char(c);
    }
    std::string_view s(chars, std::size_t(trimmed.size()));
    if (!looksLikeReal(s))
        return false;
    if (s.front() == '+')
        s.remove_prefix(1);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size();
}

// The exponent as the user's pocket calculator would show it: "1E15", "1E-5".
QString tidyExponent(const std::string& s) {
    const auto e = s.find('e');
    if (e == std::string::npos)
        return QString::fromStdString(s);
    std::string mantissa = s.substr(0, e);
    std::string exponent = s.substr(e + 1);
    const bool negative = exponent.front() == '-';
    exponent.erase(0, 1);
    exponent.erase(0, exponent.find_first_not_of('0'));
    return QString::fromStdString(mantissa + "E" + (negative ? "-" : "") + exponent);
}

// Optional sign, then decimal digits and nothing else, within 32 bits.
std::int32_t parseWhole(std::string s, const QString& text) {
    std::size_t digitsFrom = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (s.size() == digitsFrom)
        notAnInteger(text);
    for (std::size_t i = digitsFrom; i < s.size(); ++i)
        if (!isDigit(s[i]))
            notAnInteger(text);
    if (s[0] == '+')
        s.erase(0, 1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        notAnInteger(text);
    return value;
}

} // namespace

double toFloat(const QString& text) {
    double value = 0;
    if (!parseReal(text, value))
        notAFloat(text);
    return value;
}

std::int32_t toInt(const QString& text) {
    return parseWhole(text.trimmed().toStdString(), text);
}

std::int32_t toIntStrict(const QString& text) {
    std::string s = text.toStdString();
    s.erase(0, s.find_first_not_of(' '));
    return parseWhole(std::move(s), text);
}

double finite(double value) {
    if (std::isnan(value))
        invalidOperation();
    if (std::isinf(value))
        throw KovexError(QStringLiteral("Floating point overflow"));
    return value;
}

QString fixed(double value, int width, int decimals) {
    finite(value);
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string s(buffer, result.ptr);
    // A value that rounds to zero is shown without a sign.
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    QString out = QString::fromStdString(s);
    return out.rightJustified(width, QLatin1Char(' '));
}

QString shortest(double value) {
    if (finite(value) == 0)
        return QStringLiteral("0");
    // Fifteen digits round the largest doubles up beyond the range, to a text
    // that would read back as no number: those show the largest text that
    // reads back.
    constexpr double kLargestShown = 1.79769313486231e308;
    if (std::abs(value) > kLargestShown)
        value = std::copysign(kLargestShown, value);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return tidyExponent(std::string(buffer, result.ptr));
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int32_t roundToInt(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        invalidOperation();
    return static_cast<std::int32_t>(rounded);
}

double divide(double numerator, double denominator) {
    if (denominator == 0) {
        if (numerator == 0 || std::isnan(numerator))
            invalidOperation();
        throw KovexError(QStringLiteral("Floating point division by zero"));
    }
    return numerator / denominator;
}

double log10(double value) {
    if (value == 0)
        throw KovexError(QStringLiteral("Floating point division by zero"));
    if (!(value > 0))
        invalidOperation();
    return std::log10(value);
}

double sqrt(double value) {
    if (!(value >= 0))
        invalidOperation();
    return std::sqrt(value);
}

double pow10(double exponent) {
    const double value = std::pow(10.0, exponent);
    if (std::isinf(value))
        throw KovexError(QStringLiteral("Floating point overflow"));
    return value;
}

} // namespace kovex::num
