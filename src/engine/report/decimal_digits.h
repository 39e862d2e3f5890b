#pragma once
// The exact decimal expansion of a binary floating-point value, and rounding of it
// half away from zero. Report numbers are rounded on the decimal digits of the stored
// value itself, never on a second binary approximation, so 0.125 always rounds to 0.13.

#include <string>

namespace vostrel {

// |value| = 0.digits × 10^exponent. digits has no leading or trailing zeros; an empty
// digits string is zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
    // Digits before the decimal point (0 for values below 1).
    int IntegerDigits() const { return exponent > 0 ? exponent : 0; }
};

// Every digit of a finite value; x must not be NaN or infinite.
DecimalDigits ExactDecimal(long double x);

// Keeps at most n significant digits, rounding half away from zero.
void RoundSignificant(DecimalDigits& value, int n);

// Keeps at most d digits after the decimal point, rounding half away from zero.
void RoundDecimals(DecimalDigits& value, int d);

}  // namespace vostrel
