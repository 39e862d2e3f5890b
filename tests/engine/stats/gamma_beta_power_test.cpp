#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/stats/distributions.h"
#include "support/recording_user_interface.h"

namespace vostrel {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(Power, SpecialCasesAndIntegerExponents) {
    EXPECT_EQ(Power(0, 0), 1.0L);
    EXPECT_EQ(Power(0, 2.5L), 0.0L);
    EXPECT_EQ(Power(2, -1), 0.5L);
    EXPECT_EQ(Power(-2, 3), -8.0L);
    EXPECT_EQ(Power(-8, 1.0L / 3), 0.0L);  // negative base, fractional exponent
    EXPECT_EQ(Power(3, 13), 1594323.0L);   // repeated squaring is exact here
    EXPECT_NEAR(static_cast<double>(Power(2, 0.5L)), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(Power(10, -2.5L)), std::pow(10.0, -2.5), 1e-18);
}

TEST(Power, StaysFiniteBeyondTheRange) {
    EXPECT_EQ(Power(10, 6000.5L), 1.1e4932L);
    EXPECT_EQ(Power(10, -6000.5L), 0.0L);
    EXPECT_EQ(Power(10, 6000), 1.1e4932L);
    EXPECT_EQ(Power(-10, 6001), -1.1e4932L);
    EXPECT_EQ(Power(10, -6000), 0.0L);
    EXPECT_EQ(Power(0, -1), 1.1e4932L);  // no division by zero
    EXPECT_EQ(Power(0, -0.5L), 1.1e4932L);
}

TEST(ElementaryFunctions, SignLogMinMax) {
    EXPECT_EQ(Sign(0), 1.0L);
    EXPECT_EQ(Sign(-0.1L), -1.0L);
    EXPECT_NEAR(static_cast<double>(Log10Guarded(1000)), 3.0, 1e-15);
    EXPECT_EQ(Log10Guarded(0), 99.0L);
    EXPECT_EQ(Log10Guarded(-5), 99.0L);
    EXPECT_EQ(MinReal(2, 1), 1.0L);
    EXPECT_EQ(MaxReal(2, 1), 2.0L);
    EXPECT_EQ(MinInt(-3, 4), -3);
    EXPECT_EQ(MaxInt(-3, 4), 4);
}

TEST(ElementaryFunctions, PowerOfTenByRepeatedSteps) {
    EXPECT_EQ(PowerOfTen(0), 1.0);
    EXPECT_EQ(PowerOfTen(3), 1000.0);
    EXPECT_EQ(PowerOfTen(-2), 0.01);
    EXPECT_EQ(PowerOfTen(22), 1e22);
    EXPECT_TRUE(std::isinf(PowerOfTen(2000000000)));  // returns promptly
    EXPECT_EQ(PowerOfTen(-2000000000), 0.0);
}

TEST(LnGamma, EdgeValues) {
    EXPECT_EQ(LnGamma(1), 0.0L);
    EXPECT_EQ(LnGamma(0), 0.0L);
    EXPECT_EQ(LnGamma(-2.5L), 0.0L);
    EXPECT_NEAR(static_cast<double>(LnGamma(2)), 0.0, 1e-10);
    EXPECT_NEAR(static_cast<double>(LnGamma(0.5L)), std::log(std::sqrt(std::numbers::pi)), 1e-10);
}

// Values of the series itself (computed independently from the same coefficients), which
// a mistyped coefficient would change although it may stay within the method's accuracy.
TEST(LnGamma, MatchesTheSixTermSeries) {
    EXPECT_NEAR(static_cast<double>(LnGamma(0.5L)), 0.572364942867403, 1e-14);
    EXPECT_NEAR(static_cast<double>(LnGamma(7.5L)), 7.534364236571627, 1e-13);
    EXPECT_NEAR(static_cast<double>(LnGamma(40)), 106.63176026047698, 1e-12);
}

TEST(IncompleteBeta, MatchesTheContinuedFraction) {
    StatContext ctx;
    EXPECT_NEAR(static_cast<double>(IncompleteBeta(ctx, 2, 3, 0.3L)), 0.34830000001152644, 1e-14);
    EXPECT_NEAR(static_cast<double>(IncompleteBeta(ctx, 5, 1.5L, 0.8L)), 0.5055606487968753, 1e-14);
    EXPECT_NEAR(static_cast<double>(IncompleteBeta(ctx, 10, 20, 0.4L)), 0.7853183897404309, 1e-14);
    EXPECT_EQ(IncompleteBeta(ctx, 2, 3, 0), 0.0L);
    EXPECT_EQ(IncompleteBeta(ctx, 2, 3, 1), 1.0L);
    EXPECT_EQ(ctx.StatErrorCode, 0);
}

TEST(IncompleteBeta, OutsideTheDomainSetsCode99) {
    StatContext ctx;
    EXPECT_EQ(IncompleteBeta(ctx, 2, 3, 1.5L), 0.0L);
    EXPECT_EQ(ctx.StatErrorCode, 99);
    ctx.StatErrorCode = 0;
    EXPECT_EQ(IncompleteBeta(ctx, 2, 3, -0.1L), 0.0L);
    EXPECT_EQ(ctx.StatErrorCode, 99);
    ctx.StatErrorCode = 0;
    EXPECT_EQ(IncompleteBeta(ctx, 2, 3, kNaN), 0.0L);  // refused, not iterated
    EXPECT_EQ(ctx.StatErrorCode, 99);
    ctx.StatErrorCode = 0;
    EXPECT_EQ(IncompleteBeta(ctx, 0, 0, 0.5L), 0.0L);  // no division by b = 0
    EXPECT_EQ(ctx.StatErrorCode, 99);
}

TEST(StatError, NonConvergenceWarnsAndSetsCode10) {
    testing::RecordingUserInterface ui;
    StatContext ctx;
    ctx.ui = &ui;
    const long double r = BetaContFrac(ctx, 2, 3, kNaN);
    EXPECT_TRUE(std::isnan(r));
    EXPECT_EQ(ctx.StatErrorCode, 10);
    ASSERT_EQ(ui.warnings.size(), 1U);
    EXPECT_EQ(ui.warnings[0], "Error in Statistical Routine - BETACF routine");

    StatContext silent;  // no user interface: only the code
    StatError(silent, "- BETACF routine");
    EXPECT_EQ(silent.StatErrorCode, 10);
}

}  // namespace
}  // namespace vostrel
