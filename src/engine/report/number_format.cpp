#include "engine/report/number_format.h"

#include <algorithm>
#include <cmath>

#include "engine/report/decimal_digits.h"

namespace vostrel {
namespace {

constexpr int kSignificantDigits = 18;
constexpr int kMaxDecimals = 18;
// FormatGeneral switches to scientific notation below 0.00001 (0.1E-4).
constexpr int kSmallestFixedExponent = -4;

// NaN and infinities come out of failed statistics; they print as words, never crash.
bool NonFiniteText(long double x, std::string& text) {
    if (std::isnan(x)) {
        text = "NAN";
        return true;
    }
    if (std::isinf(x)) {
        text = x < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

std::string SignOf(const DecimalDigits& value) {
    return value.negative && !value.IsZero() ? "-" : "";
}

// d.ddd...E+xx with the significant digits of the value (trailing zeros already gone).
std::string ScientificText(const NumberLocale& locale, const DecimalDigits& value) {
    std::string text = SignOf(value);
    text += value.digits.empty() ? '0' : value.digits[0];
    if (value.digits.size() > 1) {
        text += locale.decimalSeparator;
        text.append(value.digits, 1, std::string::npos);
    }
    const int exponent = value.IsZero() ? 0 : value.exponent - 1;
    text += exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(exponent));
    return text;
}

std::string GroupThousands(const std::string& integerDigits, const std::string& separator) {
    std::string text;
    const std::size_t count = integerDigits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) text += separator;
        text += integerDigits[i];
    }
    return text;
}

// The value's digits laid out in fixed point with exactly `decimals` decimals.
std::string FixedText(const NumberLocale& locale, const DecimalDigits& value, int decimals,
                      bool thousands) {
    std::string integerDigits;
    std::string fraction;
    const int exponent = value.exponent;
    const int count = static_cast<int>(value.digits.size());
    for (int position = 0; position < std::max(exponent, 0); ++position) {
        integerDigits += position < count ? value.digits[static_cast<std::size_t>(position)] : '0';
    }
    if (integerDigits.empty()) integerDigits = "0";
    for (int i = 0; i < decimals; ++i) {
        const int position = exponent + i;  // index into digits of the i-th decimal
        const bool inDigits = position >= 0 && position < count;
        fraction += inDigits ? value.digits[static_cast<std::size_t>(position)] : '0';
    }

    std::string text = SignOf(value);
    text += thousands ? GroupThousands(integerDigits, locale.thousandSeparator) : integerDigits;
    if (decimals > 0) text += locale.decimalSeparator + fraction;
    return text;
}

std::string FormatFixed(const NumberLocale& locale, int d, long double x, bool thousands) {
    std::string text;
    if (NonFiniteText(x, text)) return text;
    const int decimals = std::clamp(d, 0, kMaxDecimals);
    DecimalDigits value = ExactDecimal(x);
    RoundSignificant(value, kSignificantDigits);
    if (value.IntegerDigits() > kSignificantDigits) return ScientificText(locale, value);
    RoundDecimals(value, decimals);
    return FixedText(locale, value, decimals, thousands);
}

}  // namespace

std::string FormatReportNumber(const NumberLocale& locale, int d, long double x) {
    return FormatFixed(locale, d, x, true);
}

std::string FormatGeneral(const NumberLocale& locale, long double x) {
    std::string text;
    if (NonFiniteText(x, text)) return text;
    DecimalDigits value = ExactDecimal(x);
    RoundSignificant(value, kSignificantDigits);
    if (value.IsZero()) return "0";
    if (value.exponent > kSignificantDigits || value.exponent < kSmallestFixedExponent) {
        return ScientificText(locale, value);
    }
    const int decimals = std::max(0, static_cast<int>(value.digits.size()) - value.exponent);
    return FixedText(locale, value, decimals, false);
}

int SignificantDecimals(int n, long double x) {
    if (x == 0 || !std::isfinite(x)) return std::clamp(n, 0, kMaxDecimals);
    const long double l = std::log10(std::fabs(x));
    const long double truncated = std::trunc(l);
    const int t = static_cast<int>(truncated);
    // The leading digit is at 10^Trunc(L), or one place lower for a fraction below 1.
    const int decimals = (l > 0 || truncated == l) ? n - t - 1 : n - t;
    return std::clamp(decimals, 0, kMaxDecimals);
}

std::string FormatSignificant(const NumberLocale& locale, int n, long double x) {
    return FormatReportNumber(locale, SignificantDecimals(n, x), x);
}

std::string FormatFlagged(const NumberLocale& locale, long double a, long double b) {
    std::string text = FormatReportNumber(locale, 3, b);
    if (a >= b) text += "*";
    return text;
}

std::string FormatFixedOrGeneral(const NumberLocale& locale, int d, long double x) {
    if (d == -1) return FormatGeneral(locale, x);
    return FormatFixed(locale, d, x, false);
}

int DisplayLength(const std::string& s) {
    int length = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t size = 1;
        if (lead >= 0xC2 && lead <= 0xDF) {
            size = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            size = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            size = 4;
        } else if (lead >= 0x80) {
            return static_cast<int>(s.size());  // not UTF-8: every byte is a character
        }
        if (i + size > s.size()) return static_cast<int>(s.size());
        for (std::size_t k = 1; k < size; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0U) != 0x80U) {
                return static_cast<int>(s.size());
            }
        }
        i += size;
        ++length;
    }
    return length;
}

std::string PadLeft(const std::string& s, int w) {
    const int length = DisplayLength(s);
    if (length >= w) return s;
    return std::string(static_cast<std::size_t>(w - length), ' ') + s;
}

std::string PadRight(const std::string& s, int w) {
    const int length = DisplayLength(s);
    if (length >= w) return s;
    return s + std::string(static_cast<std::size_t>(w - length), ' ');
}

std::string FormatRight(const NumberLocale& locale, int w, int d, long double x) {
    return PadLeft(FormatReportNumber(locale, d, x), w);
}

std::string FormatLeft(const NumberLocale& locale, int w, int d, long double x) {
    return PadRight(FormatReportNumber(locale, d, x), w);
}

}  // namespace vostrel
