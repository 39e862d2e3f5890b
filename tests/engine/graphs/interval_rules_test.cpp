// The interval grid of the histogram and the frequency table: automatic sizes, first
// midpoints, midpoint decimals and what a user may type.

#include <gtest/gtest.h>

#include <vector>

#include "engine/graphs/graph_text.h"
#include "engine/graphs/interval_rules.h"

namespace vostrel::testing {
namespace {

TEST(IntervalRulesTest, AutomaticSizeIsANiceValueNearTheRangeOverTheCount) {
    // Spread values whose gaps never bind: the size follows range / count alone.
    std::vector<double> dense;
    for (int i = 0; i <= 1000; ++i) dense.push_back(i / 1000.0);
    const struct {
        double f;
        double size;
    } cases[] = {{0.25, 0.2}, {3.7, 3}, {45, 50}, {8, 10}, {0.1, 0.1}, {10, 10}, {0.013, 0.01}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(AutomaticIntervalSize(dense, c.f * 20, 20, false), c.size) << c.f;
}

TEST(IntervalRulesTest, SmallestGapKeepsIntervalsAtTheDataResolution) {
    const std::vector<double> oneToFive = {1, 2, 3, 4, 5};
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(oneToFive, 4, 10, true), 1);
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(oneToFive, 4, 10, false), 0.3);
    const std::vector<double> shifted = {-1, 0, 1, 2, 3};
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(shifted, 4, 20, false), 0.2);
    EXPECT_DOUBLE_EQ(SmallestGap(std::vector<double>{1, 1, 1.5, 3}), 0.5);
    EXPECT_DOUBLE_EQ(SmallestGap(std::vector<double>{2, 2}), 0);
}

TEST(IntervalRulesTest, OneValueOrEqualValuesGiveSizeOne) {
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(std::vector<double>{7.3}, 0, 20, true), 1);
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(std::vector<double>{4, 4, 4}, 0, 20, true), 1);
    EXPECT_DOUBLE_EQ(AutomaticIntervalSize(std::vector<double>{}, 0, 20, true), 1);
}

TEST(IntervalRulesTest, DefaultFirstMidpointRoundsHalvesAwayFromZero) {
    EXPECT_DOUBLE_EQ(DefaultFirstMidpoint(2.5, 1, 5), 3);
    EXPECT_DOUBLE_EQ(DefaultFirstMidpoint(-2.5, 1, 5), -3);
    EXPECT_DOUBLE_EQ(DefaultFirstMidpoint(2.4, 1, 5), 2);
    EXPECT_DOUBLE_EQ(DefaultFirstMidpoint(0.33, 0.2, 5), 0.4);
    EXPECT_DOUBLE_EQ(DefaultFirstMidpoint(7.3, 1, 1), 7.3);  // a single value is its own midpoint
}

TEST(IntervalRulesTest, TypedFirstMidpointIsLoweredUntilTheFirstIntervalReachesTheData) {
    EXPECT_DOUBLE_EQ(LowerFirstMidpoint(5, 1, 1), 1);
    EXPECT_DOUBLE_EQ(LowerFirstMidpoint(1.5, 1, 1), 0.5);  // 1 would sit on the lower boundary
    EXPECT_DOUBLE_EQ(LowerFirstMidpoint(-3, 1, 1), -3);    // below the data: kept
    // Far above the data it is lowered at once, not interval by interval.
    const double c = LowerFirstMidpoint(1e12, 0, 0.001);
    EXPECT_LE(c - 0.0005 + 1e-7, 0.0);
    EXPECT_GT(c + 0.0005, 0.0);
}

TEST(IntervalRulesTest, MidpointDecimalsFollowTheSizeAndWhatWasTyped) {
    EXPECT_EQ(MidpointDecimals(1, "0", false), 0);
    EXPECT_EQ(MidpointDecimals(20, "0", false), 0);
    EXPECT_EQ(MidpointDecimals(0.2, "0", false), 1);
    EXPECT_EQ(MidpointDecimals(0.05, "0", false), 2);
    EXPECT_EQ(MidpointDecimals(0.25, "0.25", true), 2);
    EXPECT_EQ(MidpointDecimals(2, "2.000", true), 3);
    EXPECT_EQ(MidpointDecimals(1e-12, "0", false), 0);  // more than 10 decimals: none
}

TEST(IntervalRulesTest, TypedTextIsReadOrRefusedWithAMessage) {
    IntervalError error;
    EXPECT_EQ(ReadTypedIntervalSize("0.5", error), 0.5);
    EXPECT_EQ(ReadTypedIntervalSize("", error), 0.0);  // empty asks for the automatic size
    EXPECT_FALSE(ReadTypedIntervalSize("-1", error));
    EXPECT_EQ(error.Message, "Interval Size must not be negative");
    EXPECT_FALSE(ReadTypedIntervalSize("abc", error));
    EXPECT_EQ(error.Message, "Interval Size \"abc\" is not a number");
    EXPECT_EQ(ReadTypedFirstMidpoint("-2.5", error), -2.5);
    EXPECT_FALSE(ReadTypedFirstMidpoint("-", error));
    EXPECT_EQ(error.Message, "First Midpoint \"-\" is not a number");

    EXPECT_TRUE(IntervalCountAllowed(10000, error));
    EXPECT_FALSE(IntervalCountAllowed(10001, error));
    EXPECT_FALSE(IntervalCountAllowed(1.0 / 0.0, error));
    EXPECT_EQ(error.Message, "Too many intervals (more than 10,000): enter a larger Interval Size");
}

TEST(GraphTextTest, ShortFormAndTwelveDigitForm) {
    const NumberLocale locale;
    EXPECT_EQ(ShortNumberText(locale, 1234.5), "1,234.5");
    EXPECT_EQ(ShortNumberText(locale, 2), "2");
    EXPECT_EQ(ShortNumberText(locale, -0.25), "-0.25");
    EXPECT_EQ(FormatGeneralDigits(locale, 12, 0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneralDigits(locale, 12, 1.0 / 3), "0.333333333333");
    EXPECT_EQ(FormatGeneralDigits(locale, 12, -42), "-42");
    EXPECT_EQ(FormatGeneralDigits(locale, 12, 0), "0");
}

}  // namespace
}  // namespace vostrel::testing
