#pragma once
// Descriptive statistics of the first SampleCount values of the shared sample array.
// Functions that sort leave the values sorted ascending; ComputeMovingRanges overwrites
// them, so callers reload the data before computing anything else.

#include "engine/stats/sample_array.h"
#include "engine/stats/sample_stats.h"

namespace vostrel {

// Sorts the values ascending (NaN values, should any appear, go last).
void SortSample(SampleArray& a);

// Low, High and Range without sorting; all 0 for an empty sample.
void ComputeLowHigh(const SampleArray& a, SampleStats& s);

// Sorts, then Low, High, Range, Median and the quarter-step quartiles Q1 and Q3.
// All 0 for an empty sample.
void ComputeOrderStats(SampleArray& a, SampleStats& s);

// Sum and Mean.
void ComputeMean(const SampleArray& a, SampleStats& s);

// Sum, Mean, Variance, StdDev and PopVariance. When every value is the same the mean is
// that value exactly and the spread is 0.
void ComputeMeanStd(const SampleArray& a, SampleStats& s);

// Skewness and Kurtosis (999 when not available); needs Mean, StdDev and PopVariance.
void ComputeShape(const SampleArray& a, SampleStats& s);

// ComputeOrderStats, ComputeMeanStd, then MeanAbsDev and MedianAbsDev.
void ComputeAbsDeviations(SampleArray& a, SampleStats& s);

// Everything the main analysis prints: ComputeAbsDeviations, then ComputeShape.
void DescribeSample(SampleArray& a, SampleStats& s);

// MeanMR, StdDevFromMR, MedianMR and StdDevFromMedianMR of the moving ranges of the
// values in their current order. Afterwards slots 1..n-1 hold the sorted moving ranges,
// slot n still holds the last value, and Low..Q3 describe the moving ranges.
void ComputeMovingRanges(SampleArray& a, SampleStats& s);

// The smallest of the most frequent values (sorts for n >= 3); MissingValue when empty.
void ComputeMode(SampleArray& a, SampleStats& s);

// Number of values above limit + 1e-20, or below limit - 1e-20.
int CountAbove(const SampleArray& a, double limit);
int CountBelow(const SampleArray& a, double limit);

// Sample variance and standard deviation from running sums; 0 when n < 2.
long double VarianceFromSums(int n, long double sumsq, long double sum);
long double StdDevFromSums(int n, long double sumsq, long double sum);

}  // namespace vostrel
