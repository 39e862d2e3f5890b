#include "engine/graphs/interval_rules.h"

#include <algorithm>
#include <cmath>

#include "engine/data/text_rules.h"
#include "engine/stats/elementary_functions.h"

namespace vostrel {

double SmallestGap(std::span<const double> sorted) {
    double gap = 0;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const double d = sorted[i] - sorted[i - 1];
        if (d > 0 && (gap == 0 || d < gap)) gap = d;
    }
    return gap;
}

int DecimalExponent(double f) {
    if (f < 1) return static_cast<int>(std::trunc(-Log10Guarded(f) + 1));
    if (f > 1) return -static_cast<int>(std::trunc(Log10Guarded(f)));
    return 0;
}

double AutomaticIntervalSize(std::span<const double> sorted, double range, double targetCount,
                             bool useSmallestGap) {
    if (sorted.size() <= 1 || sorted.front() == sorted.back()) return 1;
    double f = range / targetCount;
    if (useSmallestGap) {
        const double gap = SmallestGap(sorted);
        if (f < gap) f = gap;
    }
    if (!(f > 0) || !std::isfinite(f)) return 1;
    int g = DecimalExponent(f) + 1;
    if (g < -20) g = 0;
    // A two-digit mantissa between 10 and 100, rounded to the nearest "nice" one.
    const double h = std::nearbyint(f * PowerOfTen(g));
    double nice = 100;
    if (h < 15)
        nice = 10;
    else if (h < 27)
        nice = 20;
    else if (h < 42)
        nice = 30;
    else if (h < 75)
        nice = 50;
    return nice / PowerOfTen(g);
}

double DefaultFirstMidpoint(double low, double s, int n) {
    if (n == 1) return low;
    const double sign = low >= 0 ? 1 : -1;
    return s * std::trunc((low + sign * s / 2) / s);
}

double LowerFirstMidpoint(double c, double low, double s) {
    const double e = s / 10000;
    // Whole intervals at once, so that a midpoint typed far above the data costs no loop;
    // the steps after it settle what rounding left.
    const double steps = std::ceil((c - s / 2 + e - low) / s);
    if (steps > 1) c -= (steps - 1) * s;
    for (int k = 0; k < 4 && low < c - s / 2 + e; ++k) c -= s;
    return c;
}

int TypedDecimals(const std::string& text) {
    const std::size_t point = text.find_first_of(".,");
    if (point == std::string::npos) return 0;
    int digits = 0;
    for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        ++digits;
    return digits;
}

int MidpointDecimals(double s, const std::string& typedSize, bool sizeTyped) {
    int d = s >= 1 ? 0 : static_cast<int>(std::trunc(-Log10Guarded(s) + 1));
    if (d > 10) d = 0;
    if (sizeTyped) d = std::max(d, TypedDecimals(typedSize));
    return d;
}

std::optional<double> ReadTypedIntervalSize(const std::string& text, IntervalError& error) {
    if (TrimSpaces(text).empty()) return 0.0;  // an empty box asks for the automatic size
    const std::optional<double> value = ReadNumber(text);
    if (!value) {
        error.Message = "Interval Size \"" + text + "\" is not a number";
        return std::nullopt;
    }
    if (*value < 0) {
        error.Message = "Interval Size must not be negative";
        return std::nullopt;
    }
    return value;
}

std::optional<double> ReadTypedFirstMidpoint(const std::string& text, IntervalError& error) {
    const std::optional<double> value = ReadNumber(text);
    if (!value) error.Message = "First Midpoint \"" + text + "\" is not a number";
    return value;
}

bool IntervalCountAllowed(double count, IntervalError& error) {
    if (std::isfinite(count) && count <= kMaxIntervals) return true;
    error.Message = "Too many intervals (more than 10,000): enter a larger Interval Size";
    return false;
}

}  // namespace vostrel
