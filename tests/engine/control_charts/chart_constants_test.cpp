#include "engine/control_charts/chart_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

#include "engine/control_charts/chart_arrays.h"

namespace vostrel {
namespace {

// The computed constants take over beyond n = 30; on the table's own rows they must give
// the tabled values to the digits shown (d2 five decimals, d3 four).
TEST(ChartConstants, IntegralsReproduceTheTable) {
    ChartConstants constants;
    StatContext stat;
    for (int n = 2; n <= ChartConstants::TableLast; ++n) {
        SCOPED_TRACE(n);
        EXPECT_NEAR(constants.IntegratedD2(n), constants.ChartConstantD2(stat, n), 5e-6);
        EXPECT_NEAR(constants.IntegratedD3(n), constants.ChartConstantD3(stat, n), 5e-5);
    }
    // The d2m polynomial is a fit for large n.
    for (int n = 21; n <= ChartConstants::TableLast; ++n) {
        SCOPED_TRACE(n);
        EXPECT_NEAR(ChartConstants::D2mFromD2(constants.IntegratedD2(n)),
                    constants.MedianRangeConstant(stat, n), 1e-4);
    }
    EXPECT_EQ(stat.StatErrorCode, 0);
}

TEST(ChartConstants, BeyondTheTableTheyContinueSmoothly) {
    ChartConstants constants;
    StatContext stat;
    const long double d2At30 = constants.ChartConstantD2(stat, 30);
    const long double d2At31 = constants.ChartConstantD2(stat, 31);
    const long double d2At32 = constants.ChartConstantD2(stat, 32);
    EXPECT_GT(d2At31, d2At30);
    EXPECT_LT(d2At32 - d2At31, d2At31 - d2At30);
    EXPECT_NEAR(constants.ChartConstantD2(stat, 50), 4.49815L, 5e-6);
    EXPECT_LT(constants.ChartConstantD3(stat, 31), constants.ChartConstantD3(stat, 30));
    EXPECT_NEAR(constants.MedianRangeConstant(stat, 31), ChartConstants::D2mFromD2(d2At31), 1e-15);
}

TEST(ChartConstants, UseTheInjectedTailOnceForEachN) {
    int calls = 0;
    ChartConstants constants([&calls](long double x) {
        ++calls;
        return ErfcUpperTail(x);
    });
    StatContext stat;
    const long double first = constants.ChartConstantD2(stat, 40);
    EXPECT_GT(calls, 0);
    const int afterFirst = calls;
    EXPECT_EQ(constants.ChartConstantD2(stat, 40), first);
    EXPECT_EQ(calls, afterFirst);

    // A different tail replaces what was computed with the old one.
    constants.SetUpperTail([](long double x) { return ErfcUpperTail(x * 2.0L); });
    EXPECT_NEAR(constants.ChartConstantD2(stat, 40), first / 2.0L, 1e-6);
}

TEST(ChartConstants, MedianAndRangeHelpers) {
    ChartConstants constants;
    StatContext stat;
    EXPECT_NEAR(constants.MedianStdError(stat, 5, 2.0L), 2.0L * std::sqrt(0.28668336616L), 1e-15);
    EXPECT_NEAR(constants.MedianStdError(stat, 25, 2.0L),
                2.0L * std::sqrt(std::numbers::pi_v<long double> / 2.0L) / 5.0L, 1e-15);
    EXPECT_NEAR(constants.SigmaFromRangeValue(stat, 5, 4.65186L), 2.0L, 1e-12);
    EXPECT_EQ(stat.StatErrorCode, 0);
}

// c4 against the published table (four decimals) and its exact value for n = 2.
TEST(ChartConstants, C4MatchesThePublishedTable) {
    ChartConstants constants;
    StatContext stat;
    const std::pair<int, double> published[] = {
        {2, 0.7979}, {3, 0.8862}, {4, 0.9213},  {5, 0.9400},  {6, 0.9515},  {7, 0.9594},
        {8, 0.9650}, {9, 0.9693}, {10, 0.9727}, {15, 0.9823}, {20, 0.9869}, {25, 0.9896}};
    for (const auto& [n, c4] : published) {
        SCOPED_TRACE(n);
        EXPECT_NEAR(constants.ChartConstantC4(stat, n), c4, 5e-5);
    }
    EXPECT_NEAR(constants.ChartConstantC4(stat, 2),
                std::sqrt(2.0L / std::numbers::pi_v<long double>), 1e-9);
    EXPECT_NEAR(constants.ChartConstantC4(stat, 100), 0.997477, 1e-6);
    EXPECT_EQ(stat.StatErrorCode, 0);
}

// The median of chi-square(1) is 0.454936, of chi-square(2) 2 ln 2, of chi-square(4) 3.356694.
TEST(ChartConstants, SigmaFromMedianSUsesTheChiSquareMedian) {
    ChartConstants constants;
    StatContext stat;
    EXPECT_NEAR(constants.SigmaFromMedianS(stat, 2, 1.0L), std::sqrt(1.0L / 0.454936L), 1e-5);
    EXPECT_NEAR(constants.SigmaFromMedianS(stat, 3, 2.0L), 2.0L * std::sqrt(2.0L / std::log(4.0L)),
                1e-6);
    EXPECT_NEAR(constants.SigmaFromMedianS(stat, 5, 3.0L), 3.0L * std::sqrt(4.0L / 3.356694L),
                1e-6);
    EXPECT_EQ(stat.StatErrorCode, 0);
}

TEST(ChartConstants, SubgroupsOfOneGiveZeroAndAnError) {
    ChartConstants constants;
    for (int n : {1, 0, -3}) {
        StatContext stat;
        EXPECT_EQ(constants.ChartConstantD2(stat, n), 0.0L);
        EXPECT_EQ(constants.ChartConstantD3(stat, n), 0.0L);
        EXPECT_EQ(constants.MedianRangeConstant(stat, n), 0.0L);
        EXPECT_EQ(constants.MedianVariance(stat, n), 0.0L);
        EXPECT_EQ(constants.MedianStdError(stat, n, 1.0L), 0.0L);
        EXPECT_EQ(constants.SigmaFromRangeValue(stat, n, 3.0L), 0.0L);
        EXPECT_EQ(constants.ChartConstantC4(stat, n), 0.0L);
        EXPECT_EQ(constants.SigmaFromMedianS(stat, n, 3.0L), 0.0L);
        EXPECT_EQ(stat.StatErrorCode, 1);
    }
}

TEST(ChartArrays, GrowWithMissingCellsAndStoreExtremesBesideThePoints) {
    ChartArrayType arrays;
    arrays.EnsureCapacity(3);
    EXPECT_EQ(arrays.Capacity(), 5);
    EXPECT_EQ(arrays(ChartArrayType::LocStat, 5), MissingValue);
    arrays(ChartArrayType::LocStat, 1) = 4.0;
    arrays(ChartArrayType::LocStat, 2) = -1.0;
    arrays(ChartArrayType::LocStat, 3) = MissingValue;
    arrays(ChartArrayType::DispStat, 2) = 7.0;
    arrays.StoreRowExtremes(3);
    EXPECT_EQ(arrays(ChartArrayType::LocStat, 4), -1.0);
    EXPECT_EQ(arrays(ChartArrayType::LocStat, 5), 4.0);
    EXPECT_EQ(arrays(ChartArrayType::DispStat, 4), 7.0);
    EXPECT_EQ(arrays(ChartArrayType::LocUCL, 4), MissingValue);  // no present value
    arrays.EnsureCapacity(1);                                    // never shrinks
    EXPECT_EQ(arrays.Capacity(), 5);
    EXPECT_EQ(arrays(ChartArrayType::LocStat, 1), 4.0);
}

}  // namespace
}  // namespace vostrel
