#include "engine/report/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/report/decimal_digits.h"

namespace vostrel {
namespace {

const NumberLocale kC;  // "," for thousands, "." for decimals

NumberLocale Comma() { return NumberLocale{",", "."}; }

struct FixedCase {
    int decimals;
    long double value;
    const char* expected;
};

TEST(FormatReportNumber, FixedPointTable) {
    const long double justBelowOneAndAHalf = 1.5L - std::ldexp(1.0L, -63);
    const std::vector<FixedCase> cases = {
        {2, 1234567.891, "1,234,567.89"},
        {0, 999, "999"},
        {0, 1000, "1,000"},
        {3, -1234.5, "-1,234.500"},
        // The missing-value marker is just a number to the formatter.
        {4, -2147483647.0, "-2,147,483,647.0000"},
        // Halves go away from zero, decided on the stored binary value.
        {0, 0.5, "1"},
        {0, -0.5, "-1"},
        {0, 2.5, "3"},
        {2, 0.125, "0.13"},
        {2, -0.125, "-0.13"},
        {2, 2.675, "2.67"},  // stored as 2.67499999999999982...
        {2, 1.005, "1.00"},  // stored as 1.00499999999999989...
        {1, 0.05, "0.1"},    // stored as 0.05000000000000000277...
        // Reduced to 18 significant digits before the decimals are cut:
        // 1.49999999999999999989... becomes 1.50000000000000000.
        {0, justBelowOneAndAHalf, "2"},
        {18, 0.1, "0.100000000000000006"},
        {0, 123456789012345678.0L, "123,456,789,012,345,678"},
        // More than 18 integer digits: scientific.
        {2, 1e20, "1E+20"},
        {2, 123456789012345678901.0, "1.23456789012345684E+20"},
        {0, 999999999999999999.5L, "1E+18"},
        {2, -1.5e25L, "-1.5E+25"},
        // Zero and values that round to zero carry no sign.
        {3, 0, "0.000"},
        {3, -0.0, "0.000"},
        {2, -0.001, "0.00"},
        {2, 0.004, "0.00"},
        {2, 0.005, "0.01"},  // 0.005000000000000000104...
        {0, 0.4, "0"},
        // Decimals outside 0..18 are held to that range.
        {25, 1.5, "1.500000000000000000"},
        {-3, 1.5, "2"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(FormatReportNumber(kC, c.decimals, c.value), c.expected)
            << "d=" << c.decimals << " x=" << static_cast<double>(c.value);
    }
}

TEST(FormatReportNumber, FollowsTheLocaleSeparators) {
    EXPECT_EQ(FormatReportNumber(Comma(), 2, 1234567.891), "1.234.567,89");
    const NumberLocale narrowSpace{",", "\u202f"};
    EXPECT_EQ(FormatReportNumber(narrowSpace, 1, -9876543.21), "-9\u202f876\u202f543,2");
    EXPECT_EQ(FormatGeneral(Comma(), 2.5), "2,5");
    EXPECT_EQ(FormatGeneral(Comma(), 1e25L), "1E+25");
    EXPECT_EQ(FormatGeneral(Comma(), 1.5e25L), "1,5E+25");
}

TEST(FormatReportNumber, NonFiniteValuesPrintAsWords) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatReportNumber(kC, 2, nan), "NAN");
    EXPECT_EQ(FormatReportNumber(kC, 2, inf), "INF");
    EXPECT_EQ(FormatReportNumber(kC, 2, -inf), "-INF");
    EXPECT_EQ(FormatGeneral(kC, nan), "NAN");
    EXPECT_EQ(FormatSignificant(kC, 3, -inf), "-INF");
}

struct GeneralCase {
    long double value;
    const char* expected;
};

TEST(FormatGeneral, ShortestFormTable) {
    const std::vector<GeneralCase> cases = {
        // 18 digits are more than a double holds.
        {0.1, "0.100000000000000006"},
        {0.1L, "0.1"},
        {0, "0"},
        {1, "1"},
        {5, "5"},
        {-2147483647.0, "-2147483647"},
        {2.5, "2.5"},
        {-0.25, "-0.25"},
        {1234567.0, "1234567"},
        {100000, "100000"},
        {1e17, "100000000000000000"},
        {1e18, "1E+18"},
        {1e25L, "1E+25"},
        {1e25, "1.00000000000000009E+25"},
        {123456789012345678901.0, "1.23456789012345684E+20"},
        {0.00006103515625, "0.00006103515625"},  // 2^-14, the smallest fixed exponent
        {0.000003814697265625, "3.814697265625E-6"},
        {1e-10, "1.00000000000000004E-10"},
    };
    for (const GeneralCase& c : cases) {
        EXPECT_EQ(FormatGeneral(kC, c.value), c.expected) << static_cast<double>(c.value);
    }
}

TEST(FormatSignificant, DecimalsFollowTheLeadingDigit) {
    EXPECT_EQ(FormatSignificant(kC, 3, 0.05), "0.0500");
    EXPECT_EQ(FormatSignificant(kC, 3, 0.1), "0.100");
    EXPECT_EQ(FormatSignificant(kC, 3, 1), "1.00");
    EXPECT_EQ(FormatSignificant(kC, 3, 0), "0.000");
    EXPECT_EQ(FormatSignificant(kC, 3, 12.345), "12.3");
    EXPECT_EQ(FormatSignificant(kC, 3, 100), "100");
    EXPECT_EQ(FormatSignificant(kC, 3, 1234.5), "1,235");  // never negative decimals
    EXPECT_EQ(FormatSignificant(kC, 3, -0.05), "-0.0500");
    EXPECT_EQ(FormatSignificant(kC, 3, 0.001), "0.00100");
    EXPECT_EQ(FormatSignificant(kC, 2, 0.999), "1.00");
    EXPECT_EQ(SignificantDecimals(3, 1e-30), 18);
}

TEST(FormatFlagged, StarWhenTheFirstReachesTheSecond) {
    EXPECT_EQ(FormatFlagged(kC, 1.5, 1.333), "1.333*");
    EXPECT_EQ(FormatFlagged(kC, 1.333, 1.333), "1.333*");
    EXPECT_EQ(FormatFlagged(kC, 1.0, 1.333), "1.333");
    EXPECT_EQ(FormatFlagged(kC, 0, 1234.5), "1,234.500");
}

TEST(FormatFixedOrGeneral, MinusOneMeansGeneral) {
    EXPECT_EQ(FormatFixedOrGeneral(kC, -1, 0.5), "0.5");
    EXPECT_EQ(FormatFixedOrGeneral(kC, -1, 0.1), "0.100000000000000006");
    EXPECT_EQ(FormatFixedOrGeneral(kC, 2, 1234.567), "1234.57");
    EXPECT_EQ(FormatFixedOrGeneral(kC, 0, -2147483647.0), "-2147483647");
    EXPECT_EQ(FormatFixedOrGeneral(kC, 2, 1e20), "1E+20");
}

TEST(PadAndAlign, PadsToWidthAndNeverCuts) {
    EXPECT_EQ(PadLeft("ab", 5), "   ab");
    EXPECT_EQ(PadRight("ab", 5), "ab   ");
    EXPECT_EQ(PadLeft("abcdef", 3), "abcdef");
    EXPECT_EQ(PadRight("Twelve chars", 12), "Twelve chars");
    EXPECT_EQ(PadRight("", 0), "");
    EXPECT_EQ(PadLeft("x", -4), "x");
    // UTF-8 counts characters; bytes that are not UTF-8 count one each.
    EXPECT_EQ(PadRight("Gr\u00f6\u00dfe", 7), "Gr\u00f6\u00dfe  ");
    EXPECT_EQ(PadRight("Gr\xf6\xdf"
                       "e",
                       7),
              "Gr\xf6\xdf"
              "e  ");
    EXPECT_EQ(FormatRight(kC, 10, 2, 1234.5), "  1,234.50");
    EXPECT_EQ(FormatRight(kC, 0, 2, 1234.5), "1,234.50");
    EXPECT_EQ(FormatLeft(kC, 10, 2, 1.5), "1.50      ");
    EXPECT_EQ(FormatLeft(kC, 2, 2, 1.5), "1.50");
}

TEST(DecimalDigits, ExpansionIsExact) {
    DecimalDigits value = ExactDecimal(0.1);
    EXPECT_EQ(value.digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(value.exponent, 0);
    value = ExactDecimal(std::ldexp(1.0L, 70));
    EXPECT_EQ(value.digits, "1180591620717411303424");
    EXPECT_EQ(value.exponent, 22);
    // The smallest long double has thousands of digits; it must not stall or crash.
    value = ExactDecimal(std::numeric_limits<long double>::denorm_min());
    EXPECT_EQ(value.exponent, -4950);
    EXPECT_EQ(FormatGeneral(kC, std::numeric_limits<long double>::denorm_min()),
              "3.6451995318824746E-4951");
}

}  // namespace
}  // namespace vostrel
