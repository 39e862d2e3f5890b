#pragma once
// The centerlines, standard errors, control limits and sigma estimates of the current
// chart, computed from its points separately for every analysis set.

#include <vector>

#include "engine/control_charts/chart_state.h"
#include "engine/stats/sample_array.h"
#include "engine/stats/stat_context.h"

namespace vostrel {

// Fills rows LocLCL..DispUCL, LocStdError, DispStdError, SigmaEst and GrandMean of points
// 1..PointCount from the other rows and the definition, and sets SigmaSource. Rows that
// cannot be computed are left missing. Runs after the points are extracted and before the
// tests for statistical control; it does not touch the extremes beyond PointCount. work is
// the shared sample array (its contents are replaced); constants for subgroups of one set
// the error code to 1, which the chart ignores.
void ComputeLimits(ChartState& chart, StatContext& stat, SampleArray& work);

// Whether chart `which` (LocationChart or DispersionChart) has a calculation that estimates
// the dispersion, yet none of the points has a standard error: no moving range could be
// formed within the set, or a standard deviation would rest on one value. Its limits are
// then missing, it is not tested, and the report says why.
bool LimitsLackDispersion(const ChartState& chart, int which, const std::vector<int>& points);

}  // namespace vostrel
