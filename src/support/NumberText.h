#pragma once

#include <QString>
#include <cstdint>

// Number texts: "." is the decimal separator whatever the process locale says,
// so nothing here goes near printf, strtod or iostreams.
namespace kovex::num {

// Reads a real: blanks at either end ignored, optional sign, digits with an
// optional "." and an optional exponent. Throws
// "'%s' is not a valid floating point value" otherwise (an empty text included).
double toFloat(const QString& text);

// Reads a whole number strictly: blanks at either end ignored, optional sign,
// then decimal digits and nothing else, within 32 bits. Throws
// "'%s' is not a valid integer value" otherwise.
std::int32_t toInt(const QString& text);
// The same with leading blanks only: the administrative checks refuse a
// trailing blank.
std::int32_t toIntStrict(const QString& text);

// An infinite or undefined result is an arithmetic fault, never a number to
// show or store: throws "Floating point overflow" or "Invalid floating point
// operation", and returns the value otherwise.
double finite(double value);

// printf-style fixed notation: at least `width` characters, right-aligned,
// exactly `decimals` decimals ("%5.2f" is fixed(v, 5, 2)).
QString fixed(double value, int width, int decimals);
inline QString fixed2(double value) {
    return fixed(value, 0, 2);
}

// Both formats throw as `finite` does for a value that is not finite.

// The shortest decimal form of up to 15 significant digits, no trailing zeros.
QString shortest(double value);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);
std::int32_t roundToInt(double value);

// Checked arithmetic with the floating-point unit's own failure texts.
double divide(double numerator, double denominator);
double log10(double value);
double sqrt(double value);
double pow10(double exponent);

} // namespace kovex::num
