#pragma once
// The interval grid shared by the histogram and the frequency table: the automatic
// interval size, the first midpoint, the decimals of the midpoints, and the reading of the
// sizes and midpoints a user types.

#include <optional>
#include <span>
#include <string>

namespace vostrel {

// More intervals than this are refused: a tiny typed size over a wide range would
// otherwise ask for more memory than any chart or table can show.
inline constexpr int kMaxIntervals = 10000;

// "A first midpoint of ..." or "an interval size of ...": what went wrong, for the message.
struct IntervalError {
    std::string Message;
};

// A "nice" interval size (1, 2, 3 or 5 times a power of ten) that divides `range` into
// about `targetCount` intervals. `sorted` are the values, ascending. When
// `useSmallestGap` is set, an interval is never narrower than the smallest non-zero
// difference between neighbouring values. 1 when there is at most one value or all are
// equal.
double AutomaticIntervalSize(std::span<const double> sorted, double range, double targetCount,
                             bool useSmallestGap);

// The smallest non-zero difference between neighbouring sorted values; 0 when all are equal.
double SmallestGap(std::span<const double> sorted);

// The decimal exponent of f: Trunc(-log10 f + 1) below 1, -Trunc(log10 f) above 1, 0 at 1.
int DecimalExponent(double f);

// `low` rounded to the nearest multiple of s, halves away from zero; `low` itself when
// there is a single value.
double DefaultFirstMidpoint(double low, double s, int n);

// A typed first midpoint c lowered by whole intervals until the first interval reaches
// `low` (low >= c - s/2 + s/10000); one already low enough is kept.
double LowerFirstMidpoint(double c, double low, double s);

// The decimals of the midpoints of a frequency table: the decimal exponent of s (0 for
// s >= 1, and 0 when it would exceed 10), raised to the decimals typed in the size box
// when a positive size was typed.
int MidpointDecimals(double s, const std::string& typedSize, bool sizeTyped);

// Digits after the decimal point of a typed number ("0.25" has 2).
int TypedDecimals(const std::string& text);

// A size or midpoint typed into an edit box or given on the command line. Empty or
// unreadable text, or a negative size, is an error with a message naming the box.
std::optional<double> ReadTypedIntervalSize(const std::string& text, IntervalError& error);
std::optional<double> ReadTypedFirstMidpoint(const std::string& text, IntervalError& error);

// Refuses a grid of more than kMaxIntervals intervals (count may be huge or not finite).
bool IntervalCountAllowed(double count, IntervalError& error);

}  // namespace vostrel
