// The rules of the distribution functions that a grid of values does not show: exact
// values, modes, cut-offs, the relations between the functions, and inputs that must
// neither hang nor produce NaN.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/stats/distributions.h"

namespace vostrel {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

double D(long double v) { return static_cast<double>(v); }

TEST(TailConversions, TwoTailedAndTailArgument) {
    EXPECT_EQ(TwoTailed(2, 0.2L), 0.4L);
    EXPECT_EQ(TwoTailed(2, 0.8L), 2.0L - 1.6L);
    EXPECT_EQ(TwoTailed(1, 0.8L), 0.8L);
    EXPECT_EQ(TwoTailed(7, 0.8L), 0.8L);  // any other mode is one-tailed
    EXPECT_EQ(TailArgument(1, -0.3L), 0.3L);
    EXPECT_EQ(TailArgument(2, 0.3L), 0.15L);
    EXPECT_EQ(TailArgument(2, 0.8L), 0.9L);
}

TEST(NormalTail, CutOffsAndModes) {
    EXPECT_NEAR(D(NormalTail(1, 0)), 0.5, 1e-9);
    EXPECT_EQ(NormalTail(1, -9), 1.0L);
    EXPECT_EQ(NormalTail(1, 8.5L), 0.0L);
    EXPECT_NEAR(D(NormalTail(2, 1.96L)), 0.05, 1e-4);
    EXPECT_EQ(NormalTail(2, -1.5L), NormalTail(2, 1.5L));
    // The polynomial itself, so that a mistyped coefficient shows.
    EXPECT_NEAR(D(NormalTail(1, 1.96L)), 0.024997825156545837, 1e-16);
    EXPECT_NEAR(D(NormalTail(1, 6)), 9.901218571550855e-10, 1e-22);
    EXPECT_EQ(NormalTailSeries(1, -8.7L), 1.0L);
    EXPECT_EQ(NormalTailSeries(1, 8.7L), 0.0L);
    EXPECT_EQ(NormalTailSeries(2, 0), 1.0L);
}

TEST(NormalInverse, ExactAndClampedValues) {
    EXPECT_EQ(NormalInverse(1, 0.5L), 0.0L);
    EXPECT_EQ(NormalInverse(1, 0), NormalInverse(1, 1e-9L));
    EXPECT_EQ(NormalInverse(1, 1), NormalInverse(1, 0.999999999L));
    EXPECT_NEAR(D(NormalInverse(1, 0.025L)), 1.96, 1e-4);
    EXPECT_EQ(NormalInverse(2, 0.05L), NormalInverse(1, 0.025L));
    EXPECT_NEAR(D(NormalInverse(1, 0.9L)), -D(NormalInverse(1, 0.1L)), 1e-12);
    // Refined until NormalTail gives back p.
    EXPECT_NEAR(D(NormalTail(1, NormalInverse(1, 0.0123L))), 0.0123, 1e-10);
}

TEST(StudentT, SignIgnoredAndBranches) {
    EXPECT_NEAR(D(StudentT(1, 10, 2.228L)), 0.025, 1e-4);
    EXPECT_EQ(StudentT(1, 10, -2.228L), StudentT(1, 10, 2.228L));
    EXPECT_EQ(StudentT(2, 10, 2.228L), 2 * StudentT(1, 10, 2.228L));
    EXPECT_EQ(StudentT(1, 5, 0), 0.5L);
    // Fractional and large nu go through the expansion; values of the expansion itself.
    EXPECT_NEAR(D(StudentT(1, 10.5L, 2)), 0.03601502656938353, 1e-15);
    EXPECT_NEAR(D(StudentT(1, 31, 3)), 0.0026444763762340923, 1e-16);
    EXPECT_NEAR(D(StudentT(1, 45.5L, 1)), 0.1612996142378745, 1e-15);
    EXPECT_EQ(StudentT(1, 40, 40), 0.0L);  // t^2 > 1000
}

TEST(StudentT, DegenerateDegreesOfFreedomGiveNumbers) {
    // The expansion falls below 0 for few degrees of freedom; a probability cannot.
    EXPECT_EQ(StudentT(1, 2.5L, 4), 0.0L);
    EXPECT_EQ(StudentT(2, 0, 0), 1.0L);  // 0 / sqrt(0) would be NaN
    EXPECT_EQ(StudentT(2, 0, 1.5L), 0.0L);
    EXPECT_FALSE(std::isnan(StudentT(2, -3, 1.5L)));
}

TEST(ChiSquare, ClosedFormsAndRelations) {
    for (long double x : {0.1L, 1.0L, 3.0L, 17.5L}) {
        EXPECT_NEAR(D(ChiSquare(1, 2, x)), std::exp(-D(x) / 2), 1e-16);
        EXPECT_NEAR(D(ChiSquare(1, 1, x)), D(2 * NormalTailSeries(1, std::sqrt(x))), 1e-18);
    }
    EXPECT_EQ(ChiSquare(1, 5, 0), 1.0L);
    EXPECT_EQ(ChiSquare(1, 0, 3), 1.0L);
    // Below one degree of freedom: the incomplete gamma function Q(nu / 2, x / 2), as
    // accurate as the log-gamma function it rests on.
    EXPECT_NEAR(D(ChiSquare(1, 0.5L, 3)), 0.0334164441589790303, 1e-10);
    EXPECT_NEAR(D(ChiSquare(1, 0.7L, 0.02L)), 0.776681701618529057, 1e-10);
    EXPECT_NEAR(D(ChiSquare(1, 0.9L, 40)) / 1.96438016462687579e-10, 1, 1e-9);
    EXPECT_EQ(ChiSquare(1, 2.9L, 3), ChiSquare(1, 2, 3));  // integer part up to 30
    EXPECT_NEAR(D(ChiSquare(2, 4, 10)), 2 * D(ChiSquare(1, 4, 10)), 1e-18);
    EXPECT_NEAR(D(ChiSquare(2, 4, 0.5L)), 2 * (1 - D(ChiSquare(1, 4, 0.5L))), 1e-15);
    // Peizer-Pratt above 30 degrees of freedom, values of the approximation itself.
    EXPECT_NEAR(D(ChiSquare(1, 31, 20)), 0.9358013191439014, 1e-15);
    EXPECT_NEAR(D(ChiSquare(1, 50, 70)), 0.03237274202033271, 1e-15);
    EXPECT_NEAR(D(ChiSquare(1, 100, 100)), 0.481191716565508, 1e-14);
    EXPECT_NEAR(D(ChiSquare(1, 31, 30)),
                D(NormalTail(1, -(0.08L / 31 + 1.0L / 3) / std::sqrt(60.0L))),
                1e-18);  // x = nu - 1
    EXPECT_EQ(ChiSquare(1, 3, std::numeric_limits<long double>::infinity()), 0.0L);
}

TEST(ChiSquareInverse, MedianRelationsAndClamps) {
    for (long double nu : {2.0L, 5.0L, 12.0L, 31.0L, 80.0L}) {
        EXPECT_NEAR(D(ChiSquare(1, nu, ChiSquareInverse(1, nu, 0.5L))), 0.5, 1e-9) << D(nu);
    }
    const long double z = NormalInverse(1, 0.05L / 2);
    EXPECT_EQ(ChiSquareInverse(1, 1, 0.05L), z * z);
    EXPECT_EQ(ChiSquareInverse(1, 0, 0.05L), 0.0L);
    EXPECT_EQ(ChiSquareInverse(1, -4, 0.05L), 0.0L);
    EXPECT_EQ(ChiSquareInverse(1, 4, 0), ChiSquareInverse(1, 4, 1e-15L));
    EXPECT_EQ(ChiSquareInverse(1, 4, 1), ChiSquareInverse(1, 4, 1 - 1e-15L));
    EXPECT_EQ(ChiSquareInverse(2, 4, 0.1L), ChiSquareInverse(1, 4, 0.05L));
}

TEST(ChiSquareInverse, LowerQuantilesOfFewDegreesOfFreedom) {
    // The variance chart's lower limit for subgroups of 3: the Wilson-Hilferty start is
    // negative there. With two degrees of freedom the quantile is -2 ln(1 - q).
    const long double q = NormalTail(1, 3);
    const long double x = ChiSquareInverse(1, 2, 1 - q);
    EXPECT_NEAR(D(x), D(-2 * std::log1p(-q)), 1e-15);
    EXPECT_NEAR(D(x), 0.0027017, 1e-7);
    EXPECT_NEAR(D(ChiSquareInverse(1, 2, 0.9999L)), D(-2 * std::log(0.9999L)), 1e-15);
}

TEST(ChiSquareInverse, InvertsChiSquareEverywhere) {
    // ChiSquare(ChiSquareInverse(p)) = p within 1e-6 of the smaller of p and 1 - p. The
    // closed form for one degree of freedom rests on the polynomial normal tail and is
    // kept where it is within 1%.
    std::vector<long double> tails;
    for (long double p = 1e-12L; p < 0.05L; p *= 3.7L) tails.push_back(p);
    for (long double p : {0.05L, 0.1L, 0.25L, 0.4L, 0.5L}) tails.push_back(p);
    const std::size_t lower = tails.size();
    for (std::size_t i = 0; i < lower; ++i) tails.push_back(1 - tails[i]);
    for (long double nu : {0.5L,  0.55L, 0.75L, 0.9L,  0.999L, 1.0L,   1.3L,   1.5L,   2.0L,  2.5L,
                           3.0L,  4.0L,  5.0L,  7.0L,  9.0L,   11.0L,  13.0L,  17.5L,  29.0L, 30.0L,
                           30.5L, 31.0L, 45.0L, 80.0L, 150.0L, 400.0L, 999.0L, 1000.0L}) {
        const long double tolerance = nu == 1.0L ? 1e-2L : 1e-6L;
        for (long double p : tails) {
            const long double x = ChiSquareInverse(1, nu, p);
            const long double error = std::fabs(ChiSquare(1, nu, x) - p) / std::min(p, 1 - p);
            EXPECT_LE(error, tolerance) << "nu " << D(nu) << " p " << D(p) << " x " << D(x);
        }
    }
}

TEST(FProb, PathsAgreeWithTheirDefinitions) {
    StatContext ctx;
    EXPECT_EQ(FProb(ctx, 1, 1, 12, 4.2L), StudentT(2, 12, std::sqrt(4.2L)));
    EXPECT_EQ(FProb(ctx, 1, 6, 1, 4.2L), 1 - StudentT(2, 6, std::sqrt(1 / 4.2L)));
    EXPECT_NEAR(D(FProb(ctx, 1, 3, 10, 1)), D(IncompleteBeta(ctx, 5, 1.5L, 10.0L / 13)), 1e-18);
    EXPECT_NEAR(D(FProb(ctx, 2, 3, 10, 0.2L)), 2 * (1 - D(FProb(ctx, 1, 3, 10, 0.2L))), 1e-15);
    EXPECT_EQ(FProb(ctx, 1, 3, 10, 0), 1.0L);
    EXPECT_EQ(ctx.StatErrorCode, 0);
    EXPECT_EQ(FProb(ctx, 1, 3, 0, 0), 0.0L);  // no denominator freedom: refused, no warning
    EXPECT_EQ(ctx.StatErrorCode, 99);
}

TEST(Distributions, NaNArgumentsReturnPromptly) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(std::isnan(NormalTailSeries(1, kNaN)));
    EXPECT_TRUE(std::isnan(ChiSquare(1, 1, kNaN)));
    EXPECT_TRUE(std::isnan(ChiSquare(1, kNaN, 3)));
    EXPECT_TRUE(std::isnan(ChiSquareInverse(1, kNaN, 0.5L)));
    EXPECT_TRUE(std::isnan(NormalInverse(1, kNaN)));
    EXPECT_TRUE(std::isnan(StudentT(1, kNaN, 2)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace vostrel
