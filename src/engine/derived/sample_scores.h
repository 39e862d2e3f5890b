#pragma once
// The values the sample statistics write into a new column: per row of a sample
// (deviations from the sample's median or mean, ranks) or in the sample's first row (the
// sample's mean, median, standard deviation ...). Rows that get no value keep MissingValue.

#include <vector>

#include "engine/derived/derived_samples.h"

namespace vostrel {

struct SampleArray;
struct SampleStats;

// The new column's values by row (index 0 unused); MissingValue where nothing is written.
using DerivedColumn = std::vector<long double>;

// Puts the values into the sample array as its first SampleCount values.
void LoadSample(SampleArray& a, const std::vector<double>& values);

// Codes 0, 1, 2, 5 and 6: each valid row of a sample with two or more values gets its
// absolute deviation (0, 1, 2) or its deviation (5, 6) from the sample's median (0, 1, 5)
// or mean (2, 6). Code 0 leaves out the first row holding the middle order statistic.
void DeviationScores(SampleArray& a, SampleStats& s, const std::vector<DerivedSample>& samples,
                     int code, DerivedColumn& column);

// Codes 8 to 15, 17 and 18: the statistic of each sample in its first row; the standard
// deviation, variance and range only for samples of two or more values.
void PerSampleStatistic(SampleArray& a, SampleStats& s, const std::vector<DerivedSample>& samples,
                        int code, DerivedColumn& column);

// Code 16: each valid row gets its value's rank within its sample; tied values share the
// average of their ranks.
void RankScores(const std::vector<DerivedSample>& samples, DerivedColumn& column);

}  // namespace vostrel
