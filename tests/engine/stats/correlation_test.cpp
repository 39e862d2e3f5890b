#include "engine/stats/correlation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/missing_value.h"

namespace vostrel {
namespace {

double D(long double v) { return static_cast<double>(v); }

TCorr Pairs(std::initializer_list<std::pair<double, double>> pairs) {
    TCorr c;
    c.Init();
    for (const auto& [x, y] : pairs) c.AddPair(x, y);
    return c;
}

TEST(TCorr, HandCheckedCorrelationAndPValue) {
    TCorr c = Pairs({{1, 2}, {2, 1}, {3, 4}, {4, 3}, {5, 5}});
    EXPECT_NEAR(D(c.PearsonR()), 0.8, 1e-15);
    EXPECT_FALSE(c.Error);
    EXPECT_NEAR(D(c.pvalue), 0.10408803866182785, 1e-12);  // t with 3 degrees of freedom

    c = Pairs({{1.5, 3.1}, {2.5, 2.0}, {2.0, 4.4}, {4.0, 3.9}, {3.5, 6.0}, {5.0, 5.2}, {6.5, 8.8}});
    EXPECT_NEAR(D(c.PearsonR()), 0.8099503648959134, 1e-14);
    EXPECT_NEAR(D(c.pvalue), 0.027221328794451022, 1e-12);
    EXPECT_EQ(c.n, 7);
}

TEST(TCorr, MissingValuesAreSkipped) {
    TCorr c = Pairs({{1, 2}, {MissingValue, 7}, {2, 1}, {3, MissingValue}, {3, 4}, {4, 3}, {5, 5}});
    EXPECT_EQ(c.n, 5);
    EXPECT_NEAR(D(c.PearsonR()), 0.8, 1e-15);
}

TEST(TCorr, ExactlyLinearHasPValueZero) {
    TCorr c = Pairs({{1, 3}, {2, 5}, {3, 7}, {4, 9}});
    EXPECT_NEAR(D(c.PearsonR()), 1.0, 1e-15);
    EXPECT_LT(c.pvalue, 1e-15L);  // 0 when r rounds to 1, else the tail of a huge t
    EXPECT_FALSE(std::isnan(c.pvalue));
    EXPECT_FALSE(c.Error);

    c = Pairs({{0.3, 0.7}, {1.9, -2.2}});  // two points: no degrees of freedom left
    EXPECT_NEAR(D(c.PearsonR()), -1.0, 1e-15);
    EXPECT_EQ(c.pvalue, 0.0L);
}

TEST(TCorr, CannotBeCalculated) {
    TCorr c = Pairs({{1, 2}});
    EXPECT_EQ(c.PearsonR(), 0.0L);
    EXPECT_TRUE(c.Error);
    EXPECT_EQ(c.pvalue, 999.0L);

    c = Pairs({{4, 1}, {4, 2}, {4, 3}});  // no variation in x
    EXPECT_EQ(c.PearsonR(), 0.0L);
    EXPECT_TRUE(c.Error);

    // Constant but large: rounding makes the variance from sums slightly negative.
    c = Pairs({{10000000.1, 1}, {10000000.1, 2}, {10000000.1, 3}});
    EXPECT_EQ(c.PearsonR(), 0.0L);
    EXPECT_TRUE(c.Error);
    EXPECT_EQ(c.pvalue, 999.0L);

    c.Init();  // a fresh start clears the error on the next calculation
    EXPECT_EQ(c.n, 0);
    EXPECT_EQ(c.sx, 0.0L);
    c.AddPair(1, 1);
    c.AddPair(2, 3);
    c.AddPair(3, 2);
    EXPECT_NEAR(D(c.PearsonR()), 0.5, 1e-15);
    EXPECT_FALSE(c.Error);
}

}  // namespace
}  // namespace vostrel
