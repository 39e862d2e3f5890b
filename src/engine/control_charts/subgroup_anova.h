#pragma once
// One-way analysis of variance between the subgroups of one analysis set, with the
// random-effects split of the variance into sample-to-sample and within-sample parts.

#include <vector>

#include "engine/control_charts/chart_arrays.h"
#include "engine/stats/stat_context.h"

namespace vostrel {

inline constexpr int AnovaSingleGroup = 1;  // fewer than two subgroups
inline constexpr int AnovaNoWithin = 2;     // no subgroup has two values

struct AnovaResult {
    int Error = 0;  // 0, AnovaSingleGroup or AnovaNoWithin (which wins when both apply)
    long double dfB = 0, SSB = 0, MSB = 0;
    long double dfW = 0, SSW = 0, MSW = 0;
    long double F = 0;
    long double p = 1;
    long double ne = 0;          // the effective subgroup size
    long double VarBetween = 0;  // sample-to-sample variance, never negative
    long double VarTotal = 0;
    long double ICC = 0;  // intraclass correlation, 0..1
};

// The analysis over the given points (their PointN, SubgroupMean and SubgroupStdDev; points
// without a size or mean are left out), about the n-weighted mean of their subgroup means.
AnovaResult SubgroupAnova(StatContext& stat, const ChartArrayType& arrays,
                          const std::vector<int>& points);

}  // namespace vostrel
