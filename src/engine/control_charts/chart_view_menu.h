#pragma once
// The chart window's View menu without its widgets: which items are enabled, and what
// switching an item on or off does to the others.

#include "engine/control_charts/chart_state.h"

namespace vostrel {

class Workspace;

// Whether each chart's limits are drawn: its chart is shown, and its limits are computed
// (any calculation after "User Defined") or user-defined with an upper or lower limit given.
bool LocLimitsShown(const ChartState& chart);
bool DispLimitsShown(const ChartState& chart);

struct ChartViewMenuState {
    bool ShowAllPoints = false;   // not for an X chart
    bool SigmaLines = false;      // an X chart, or all points shown
    bool Specs = false;           // likewise
    bool RemoveLocPlot = false;   // all points shown
    bool Zones = false;           // some limits are drawn
    bool Codes = false;           // while violations are displayed
    bool ClearPointText = false;  // some point has a text
};

// The enabled items as the menu opens.
ChartViewMenuState ViewMenuState(const ChartState& chart);
// What opening the menu does to items that are disabled: "Show All Points" and "Show
// Specifications" lose their check marks.
void UncheckDisabledItems(ChartState& chart);

// "Display Control Violations": switching it off also switches the codes off.
void SetDisplayViolations(ChartState& chart, bool on);
// "Show All Points": switched on, the chart is computed again; switched off, the ±3 sigma
// lines, the specifications (except on an X chart) and the removal of the location plot
// are switched off too.
void ToggleShowAllPoints(Workspace& ws, bool on);
// "Clear Point Text".
void ClearPointText(ChartState& chart);
bool HasPointText(const ChartState& chart);

}  // namespace vostrel
