#pragma once
// The analysis sets of the current chart: the limits, the report and the tests treat the
// points of each set on their own.

#include <map>
#include <vector>

#include "engine/control_charts/chart_state.h"

namespace vostrel {

// The point numbers of every set from SetMin to SetMax that has points, in point order,
// keyed by set value in increasing order. A chart without a set variable has one set, 0.
using SetPoints = std::map<double, std::vector<int>>;
SetPoints PointsBySet(const ChartState& chart);

}  // namespace vostrel
