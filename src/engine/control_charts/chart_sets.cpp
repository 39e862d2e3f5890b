#include "engine/control_charts/chart_sets.h"

#include <algorithm>

namespace vostrel {

SetPoints PointsBySet(const ChartState& chart) {
    SetPoints sets;
    const int count = std::min(chart.PointCount, chart.Points.Capacity());
    for (int p = 1; p <= count; ++p) {
        const double set = chart.Points(ChartArrayType::SetNumber, p);
        if (!IsPresent(set) || set < chart.SetMin || set > chart.SetMax) continue;
        sets[set].push_back(p);
    }
    return sets;
}

}  // namespace vostrel
