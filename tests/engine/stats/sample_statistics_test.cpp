#include "engine/stats/sample_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "engine/core/missing_value.h"

namespace vostrel {
namespace {

double D(long double v) { return static_cast<double>(v); }

SampleArray Sample(std::initializer_list<double> values) {
    SampleArray a;
    for (double v : values) a.Append(v);
    return a;
}

TEST(OrderStats, QuarterStepQuartiles) {
    SampleArray a = Sample({4, 1, 3, 2});
    SampleStats s;
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.Median, 2.5L);
    EXPECT_EQ(s.Q1, 1.25L);
    EXPECT_EQ(s.Q3, 3.75L);
    EXPECT_EQ(s.Low, 1.0L);
    EXPECT_EQ(s.High, 4.0L);
    EXPECT_EQ(s.Range, 3.0L);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(a[i], i);  // left sorted

    // n = 8: k = 2, d = 1.
    a = Sample({80, 10, 70, 20, 60, 30, 50, 40});
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.Q1, (3 * 20 + 30) / 4.0L);
    EXPECT_EQ(s.Q3, (60 + 3 * 70) / 4.0L);
    EXPECT_EQ(s.Median, 45.0L);

    // n = 7: d = 0, the quartiles are order statistics.
    a = Sample({7, 6, 5, 4, 3, 2, 1});
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.Q1, 2.0L);
    EXPECT_EQ(s.Q3, 6.0L);
    EXPECT_EQ(s.Median, 4.0L);

    // n = 3: the quartiles are the extremes.
    a = Sample({5, 9, 1});
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.Q1, 1.0L);
    EXPECT_EQ(s.Q3, 9.0L);
    EXPECT_EQ(s.Median, 5.0L);
}

TEST(OrderStats, EmptyAndUnusableInput) {
    SampleArray a;
    SampleStats s;
    s.Median = s.Low = 7;
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.Median, 0.0L);
    EXPECT_EQ(s.Low, 0.0L);

    // A count beyond the capacity only describes what is there.
    a = Sample({3, 1});
    a.SampleCount = 1000;
    ComputeOrderStats(a, s);
    EXPECT_EQ(s.High, 3.0L);

    a.A_Array.clear();  // not even slot 0
    a.SampleCount = 3;
    DescribeSample(a, s);
    ComputeMovingRanges(a, s);
    EXPECT_EQ(s.Mean, 0.0L);

    // A NaN is sorted last instead of upsetting the sort.
    a = Sample({2, std::nan(""), 1, 3});
    SortSample(a);
    EXPECT_EQ(a[1], 1.0);
    EXPECT_EQ(a[3], 3.0);
    EXPECT_TRUE(std::isnan(a[4]));
}

TEST(LowHigh, DoesNotSort) {
    SampleArray a = Sample({3, -1, 8, 2});
    SampleStats s;
    ComputeLowHigh(a, s);
    EXPECT_EQ(s.Low, -1.0L);
    EXPECT_EQ(s.High, 8.0L);
    EXPECT_EQ(s.Range, 9.0L);
    EXPECT_EQ(a[1], 3.0);
    ComputeLowHigh(SampleArray(), s);
    EXPECT_EQ(s.Range, 0.0L);
}

TEST(MeanStd, HandCheckedSample) {
    SampleArray a = Sample({2, 4, 4, 4, 5, 5, 7, 9});
    SampleStats s;
    ComputeMeanStd(a, s);
    EXPECT_EQ(s.Sum, 40.0L);
    EXPECT_EQ(s.Mean, 5.0L);
    EXPECT_NEAR(D(s.Variance), 32.0 / 7, 1e-15);
    EXPECT_EQ(s.PopVariance, 4.0L);
    EXPECT_NEAR(D(s.StdDev), std::sqrt(32.0 / 7), 1e-15);
    ComputeShape(a, s);
    EXPECT_NEAR(D(s.Skewness), 0.8184875533567996, 1e-14);
    EXPECT_NEAR(D(s.Kurtosis), 0.9406249999999998, 1e-14);

    ComputeMean(Sample({1, 2, 4}), s);
    EXPECT_EQ(s.Sum, 7.0L);
    EXPECT_EQ(s.Mean, 7.0L / 3);
}

TEST(MeanStd, AllEqualValuesKeepTheirValue) {
    SampleArray a = Sample({0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1});
    SampleStats s;
    DescribeSample(a, s);
    EXPECT_EQ(s.Mean, static_cast<long double>(0.1));
    EXPECT_EQ(s.StdDev, 0.0L);
    EXPECT_EQ(s.Variance, 0.0L);
    EXPECT_EQ(s.PopVariance, 0.0L);
    EXPECT_EQ(s.Skewness, 999.0L);
    EXPECT_EQ(s.Kurtosis, 999.0L);
    EXPECT_EQ(s.MeanAbsDev, 0.0L);
}

TEST(Shape, SmallSamples) {
    SampleStats s;
    SampleArray a = Sample({1, 2, 6});
    DescribeSample(a, s);
    EXPECT_NEAR(D(s.Skewness), 1.4578629673213046, 1e-14);
    EXPECT_EQ(s.Kurtosis, 999.0L);

    a = Sample({4, 8});
    DescribeSample(a, s);
    EXPECT_EQ(s.Skewness, 999.0L);
    EXPECT_EQ(s.Kurtosis, 999.0L);

    a = Sample({5});
    DescribeSample(a, s);
    EXPECT_EQ(s.Mean, 5.0L);
    EXPECT_EQ(s.StdDev, 0.0L);

    a = Sample({-1, 0, 1, 0});  // symmetric: skewness exactly 0
    DescribeSample(a, s);
    EXPECT_EQ(s.Skewness, 0.0L);

    a = SampleArray();
    DescribeSample(a, s);
    EXPECT_EQ(s.Skewness, 0.0L);
    EXPECT_EQ(s.Kurtosis, 0.0L);
    EXPECT_EQ(s.Mean, 0.0L);
    EXPECT_EQ(s.MeanAbsDev, 0.0L);
}

TEST(Describe, AbsoluteDeviations) {
    SampleArray a = Sample({10, 1, 3, 2});
    SampleStats s;
    DescribeSample(a, s);
    EXPECT_EQ(s.Mean, 4.0L);
    EXPECT_EQ(s.Median, 2.5L);
    EXPECT_EQ(s.MeanAbsDev, 3.0L);
    EXPECT_EQ(s.MedianAbsDev, 2.5L);
    EXPECT_NEAR(D(s.Skewness), 1.763632614803888, 1e-14);
    EXPECT_NEAR(D(s.Kurtosis), 3.227999999999998, 1e-13);
}

// A million values a few tenths apart at ten million: a one-pass formula in double
// precision loses every digit of the spread here. Reference values are exact for the
// doubles nearest 10000000.1 and 10000000.3.
TEST(Describe, LongSampleFarFromZero) {
    SampleArray a;
    const double lo = 10000000.1;
    const double hi = 10000000.3;
    for (int i = 0; i < 1000001; ++i) a.Append(i % 2 == 0 ? lo : hi);
    SampleStats s;
    DescribeSample(a, s);
    // The sum runs in extended precision in data order; its rounding moves the mean by a
    // few parts in 1e15, which changes the spread by far less than 1e-12.
    EXPECT_NEAR(D(s.Mean) / 10000000.199999900186364 - 1, 0, 1e-14);
    EXPECT_NEAR(D(s.StdDev) / 0.10000005055873132424696 - 1, 0, 1e-12);
    EXPECT_NEAR(D(s.PopVariance) / 0.01000000011174870928599586 - 1, 0, 1e-12);
    EXPECT_NEAR(D(s.MeanAbsDev) / 0.10000000055869354496872802 - 1, 0, 1e-12);
    // Exactly 2.000001e-6; the third moment is so small that the mean's rounding above
    // shifts it by the same order, so only its size is checked.
    EXPECT_LT(std::fabs(D(s.Skewness)), 1e-5);
    EXPECT_NEAR(D(s.Kurtosis), -2.000004000004000004, 1e-9);
    EXPECT_EQ(s.Median, static_cast<long double>(lo));
    EXPECT_EQ(s.Q1, static_cast<long double>(lo));
    EXPECT_EQ(s.Q3, static_cast<long double>(hi));
    EXPECT_EQ(s.Range, static_cast<long double>(hi) - lo);
}

TEST(MovingRanges, SmallSampleAndSideEffects) {
    SampleArray a = Sample({5, 7, 4});
    SampleStats s;
    s.Mean = 123;
    ComputeMovingRanges(a, s);
    EXPECT_EQ(s.MeanMR, 2.5L);
    EXPECT_EQ(s.StdDevFromMR, 2.5L / 1.12838L);
    EXPECT_EQ(s.MedianMR, 2.5L);
    EXPECT_EQ(s.StdDevFromMedianMR, 2.5L / 0.954L);
    EXPECT_EQ(s.Low, 2.0L);  // the order statistics now describe the ranges
    EXPECT_EQ(s.High, 3.0L);
    EXPECT_EQ(s.Mean, 123.0L);  // the mean of the data is left alone
    EXPECT_EQ(a.SampleCount, 3);
    EXPECT_EQ(a[1], 2.0);
    EXPECT_EQ(a[2], 3.0);
    EXPECT_EQ(a[3], 4.0);  // the last loaded value

    a = Sample({5, 3, 4, 4, 9});  // ranges 2, 1, 0, 5
    ComputeMovingRanges(a, s);
    EXPECT_EQ(s.MeanMR, 2.0L);
    EXPECT_EQ(s.MedianMR, 1.5L);
}

TEST(MovingRanges, TooFewValues) {
    SampleArray a = Sample({5});
    SampleStats s;
    s.MeanMR = s.MedianMR = 1;
    s.Low = 42;
    ComputeMovingRanges(a, s);
    EXPECT_EQ(s.MeanMR, 0.0L);
    EXPECT_EQ(s.StdDevFromMR, 0.0L);
    EXPECT_EQ(s.MedianMR, 0.0L);
    EXPECT_EQ(s.StdDevFromMedianMR, 0.0L);
    EXPECT_EQ(s.Low, 42.0L);
    EXPECT_EQ(a[1], 5.0);
}

TEST(Mode, SmallestOfTheLongestRuns) {
    SampleStats s;
    SampleArray a = Sample({3, 1, 3, 1});
    ComputeMode(a, s);
    EXPECT_EQ(s.Mode, 1.0L);
    a = Sample({5, 3});
    ComputeMode(a, s);
    EXPECT_EQ(s.Mode, 5.0L);  // first in array order, no sorting
    EXPECT_EQ(a[1], 5.0);
    a = Sample({2, 7, 1, 7, 2, 7});
    ComputeMode(a, s);
    EXPECT_EQ(s.Mode, 7.0L);
    a = Sample({4, 6, 5});
    ComputeMode(a, s);
    EXPECT_EQ(s.Mode, 4.0L);
    a = SampleArray();
    ComputeMode(a, s);
    EXPECT_EQ(s.Mode, MissingValue);
}

TEST(Counts, BeyondLimits) {
    const SampleArray a = Sample({9, 10, 11});
    EXPECT_EQ(CountAbove(a, 10), 1);
    EXPECT_EQ(CountBelow(a, 10), 1);
    EXPECT_EQ(CountAbove(a, 8.5), 3);
    EXPECT_EQ(CountAbove(SampleArray(), 0), 0);
    EXPECT_EQ(CountBelow(SampleArray(), 0), 0);
    EXPECT_EQ(CountAbove(Sample({1e-21, 2e-20}), 0), 1);  // within 1e-20 counts as on the limit
}

TEST(Sums, VarianceAndStdDev) {
    EXPECT_EQ(VarianceFromSums(3, 14, 6), 1.0L);
    EXPECT_EQ(StdDevFromSums(4, 30, 10), std::sqrt(5.0L / 3));
    EXPECT_EQ(VarianceFromSums(0, 5, 2), 0.0L);
    EXPECT_EQ(VarianceFromSums(1, 4, 2), 0.0L);  // no division by n - 1 = 0
    EXPECT_EQ(StdDevFromSums(3, 1, 6), 0.0L);    // negative expression
}

}  // namespace
}  // namespace vostrel
