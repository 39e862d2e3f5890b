#include "engine/control_charts/chart_view_menu.h"

#include <algorithm>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/compute_chart.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

bool LimitsShown(int calc, double userUCL, double userLCL) {
    return calc > CalcUserDefined ||
           (calc == CalcUserDefined && (IsPresent(userUCL) || IsPresent(userLCL)));
}

bool AnyText(const std::vector<std::string>& texts) {
    return std::any_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return !text.empty(); });
}

}  // namespace

bool LocLimitsShown(const ChartState& chart) {
    const ChartDefinition& d = chart.Definition;
    return chart.View.LocShown(d) && LimitsShown(d.LocLimitCalc, d.UserLocUCL, d.UserLocLCL);
}

bool DispLimitsShown(const ChartState& chart) {
    const ChartDefinition& d = chart.Definition;
    return chart.View.DispShown(d) && LimitsShown(d.DispLimitCalc, d.UserDispUCL, d.UserDispLCL);
}

ChartViewMenuState ViewMenuState(const ChartState& chart) {
    const bool x = chart.Definition.LocChartType == ChartX;
    const bool allPoints = chart.View.ShowAllPoints;
    ChartViewMenuState state;
    state.ShowAllPoints = !x;
    state.SigmaLines = x || allPoints;
    state.Specs = x || allPoints;
    state.RemoveLocPlot = allPoints;
    state.Zones = LocLimitsShown(chart) || DispLimitsShown(chart);
    state.Codes = chart.Display.DisplayViolations;
    state.ClearPointText = HasPointText(chart);
    return state;
}

void UncheckDisabledItems(ChartState& chart) {
    const ChartViewMenuState state = ViewMenuState(chart);
    if (!state.ShowAllPoints) chart.View.ShowAllPoints = false;
    if (!state.Specs) chart.Display.ShowSpecs = false;
}

void SetDisplayViolations(ChartState& chart, bool on) {
    chart.Display.DisplayViolations = on;
    if (!on) chart.Display.DisplayCodes = false;
}

void ToggleShowAllPoints(Workspace& ws, bool on) {
    ChartState& chart = ws.chart;
    SetShowAllPoints(ws, on);
    if (on) return;
    chart.Display.ShowSigmaLines = false;
    if (chart.Definition.LocChartType != ChartX) chart.Display.ShowSpecs = false;
    chart.Display.RemoveLocPlot = false;
}

void ClearPointText(ChartState& chart) {
    std::fill(chart.LocPointText.begin(), chart.LocPointText.end(), std::string());
    std::fill(chart.DispPointText.begin(), chart.DispPointText.end(), std::string());
}

bool HasPointText(const ChartState& chart) {
    return AnyText(chart.LocPointText) || AnyText(chart.DispPointText);
}

}  // namespace vostrel
