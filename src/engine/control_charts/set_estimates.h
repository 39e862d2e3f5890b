#pragma once
// The estimates that the limits of one analysis set are computed from: the grand mean and
// the several sigma estimates from ranges, standard deviations, variances and moving ranges
// of the points' statistics.

#include <vector>

#include "engine/control_charts/chart_arrays.h"
#include "engine/control_charts/chart_constants.h"
#include "engine/control_charts/chart_definition.h"
#include "engine/core/missing_value.h"
#include "engine/stats/sample_array.h"
#include "engine/stats/stat_context.h"

namespace vostrel {

// An estimate that no value supports (no moving range could be formed, a standard deviation
// of fewer than two values) is missing rather than 0, so that no limits are drawn from it.
struct SetEstimates {
    long double GM = MissingValue;    // n-weighted mean of the subgroup means
    long double RA = MissingValue;    // mean of SigmaFromRange
    long double RM = MissingValue;    // median of SigmaFromRange
    long double SA = 0;               // n-weighted mean of s / c4(n)
    long double SM = 0;               // median of the subgroup standard deviations
    long double SM2 = 0;              // SM squared
    long double VP = 0;               // pooled variance
    long double MRLA = MissingValue;  // mean moving range of the location statistic
    long double MRLM = MissingValue;  // median moving range of the location statistic
    long double SL = MissingValue;    // standard deviation of the location statistic
    long double TA = MissingValue;    // mean moving range of the dispersion statistic / d2(w)
    long double TM = MissingValue;    // median moving range of the dispersion statistic / d2m(w)
    long double TS = MissingValue;    // standard deviation of the dispersion statistic
    long double LocMedian = MissingValue;  // median of the location statistic
    int MedianN = 0;                       // median subgroup size, rounded
};

// Which of the estimates that need sorting or moving ranges a definition uses; the others
// cost one pass and are always formed.
struct EstimateNeeds {
    bool RM = false;
    bool SM = false;
    bool MRL = false;
    bool SL = false;
    bool T = false;
    bool LocMedian = false;
    bool MedianN = false;
};

EstimateNeeds NeedsOf(const ChartDefinition& definition);

// The estimates over the given points (point numbers in chart order). work is the shared
// sample array, used for medians and standard deviations; its contents are replaced.
SetEstimates ComputeSetEstimates(const ChartArrayType& arrays, const std::vector<int>& points,
                                 const ChartDefinition& definition, const EstimateNeeds& needs,
                                 ChartConstants& constants, StatContext& stat, SampleArray& work);

// The moving range span of a definition, never below 2.
int MovingRangeSpan(const ChartDefinition& definition);

}  // namespace vostrel
