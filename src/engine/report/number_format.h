#pragma once
// Number and text formatting used by every report line of the program.

#include <string>

#include "engine/report/report_locale.h"

namespace vostrel {

// x in fixed point with exactly d decimals (0..18) and thousands separators. The value is
// first reduced to 18 significant digits, rounding half away from zero; a value with more
// than 18 digits before the decimal point is written in scientific notation.
std::string FormatReportNumber(const NumberLocale& locale, int d, long double x);

// The shortest form with at most 18 significant digits: fixed point, or scientific when
// the value has more than 18 integer digits or is below 0.00001. No thousands separators.
std::string FormatGeneral(const NumberLocale& locale, long double x);

// FormatReportNumber with n significant digits.
std::string FormatSignificant(const NumberLocale& locale, int n, long double x);

// b with 3 decimals, followed by "*" when a >= b.
std::string FormatFlagged(const NumberLocale& locale, long double a, long double b);

// FormatGeneral when d is -1, else fixed point with d decimals and no thousands separators.
std::string FormatFixedOrGeneral(const NumberLocale& locale, int d, long double x);

// The decimals FormatSignificant gives x for n significant digits (0..18).
int SignificantDecimals(int n, long double x);

// Spaces in front of (PadLeft) or after (PadRight) s up to w characters; s unchanged when
// it is already that long. Characters are counted as the program shows them: UTF-8 code
// points when s is valid UTF-8, bytes otherwise.
std::string PadLeft(const std::string& s, int w);
std::string PadRight(const std::string& s, int w);

// FormatReportNumber(d, x) padded to width w on the left (FormatRight) or right (FormatLeft).
std::string FormatRight(const NumberLocale& locale, int w, int d, long double x);
std::string FormatLeft(const NumberLocale& locale, int w, int d, long double x);

// Characters in s as PadLeft counts them.
int DisplayLength(const std::string& s);

}  // namespace vostrel
