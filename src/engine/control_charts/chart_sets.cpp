#include "engine/control_charts/chart_sets.h"

#include <algorithm>

#include "engine/data/data_list.h"

namespace vostrel {

std::map<int, std::vector<int>> PointsBySet(const ChartState& chart) {
    std::map<int, std::vector<int>> sets;
    const int count = std::min(chart.PointCount, chart.Points.Capacity());
    for (int p = 1; p <= count; ++p) {
        const double set = chart.Points(ChartArrayType::SetNumber, p);
        if (!IsPresent(set) || set < chart.SetMin || set > chart.SetMax) continue;
        sets[RoundHalfEven(set)].push_back(p);
    }
    return sets;
}

}  // namespace vostrel
