#pragma once
// The chart window's options that change what is computed or reported: breaks for missing
// data, the individual values of every subgroup, and the slider that shares the height
// between the location and the dispersion chart. The window binds its controls to them.

#include "engine/control_charts/chart_definition.h"
#include "engine/control_charts/chart_names.h"

namespace vostrel {

struct ChartViewOptions {
    static constexpr int MinSlider = 10;  // only the dispersion chart
    static constexpr int MaxSlider = 90;  // only the location chart

    bool ShowBreaks = false;     // a gap after a point followed by missing data
    bool ShowAllPoints = false;  // keep the values of each subgroup for drawing
    int SliderPosition = 60;     // percent of the height given to the location chart

    bool LocShown(const ChartDefinition& d) const {
        return d.LocChartType != ChartNone && SliderPosition > MinSlider;
    }
    bool DispShown(const ChartDefinition& d) const {
        return d.DispChartType != ChartNone && SliderPosition < MaxSlider;
    }
    bool BothChartsShown(const ChartDefinition& d) const { return LocShown(d) && DispShown(d); }
};

}  // namespace vostrel
