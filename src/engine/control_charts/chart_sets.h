#pragma once
// The analysis sets of the current chart: the limits, the report and the tests treat the
// points of each set on their own.

#include <map>
#include <vector>

#include "engine/control_charts/chart_state.h"

namespace vostrel {

// The point numbers of every set from SetMin to SetMax that has points, in point order,
// keyed by set number in increasing order. A chart without a set variable has one set, 0.
std::map<int, std::vector<int>> PointsBySet(const ChartState& chart);

}  // namespace vostrel
