#include "engine/control_charts/chart_action.h"

#include <algorithm>

#include "engine/control_charts/build_chart_definition.h"
#include "engine/control_charts/chart_enumeration.h"
#include "engine/workspace.h"

namespace vostrel {

int DataColumnSource::ColumnCount() const { return data_.MaxCol(); }

std::string DataColumnSource::ColumnName(int column) const { return data_.ColumnName(column); }

void ApplyChartRunChoice(Workspace& ws, const ChartRunChoice& run) {
    TDataList& data = ws.data;
    ChartState& chart = ws.chart;
    if (data.DataChanged) data.UpdateData();

    const int maxCol = data.MaxCol();
    for (int c = 1; c <= maxCol; ++c) data.IncludeCol[static_cast<std::size_t>(c)] = false;
    chart.MeasureColumns.clear();
    for (int c : run.MeasureColumns) {
        if (c < 1 || c > maxCol) continue;
        data.IncludeCol[static_cast<std::size_t>(c)] = true;
        chart.MeasureColumns.push_back(c);
    }
    std::sort(chart.MeasureColumns.begin(), chart.MeasureColumns.end());

    TRunInfo& info = chart.RunInfo;
    info.InitRunInfo();
    int groups = 0;
    for (int c : run.GroupColumns) {
        if (c < 1 || c > maxCol || groups >= MaxColumns) continue;
        info.RefArray[static_cast<std::size_t>(++groups)] = c;
    }
    info.RefArray[0] = groups;
    info.ColFirst = run.ColFirst;
    info.ColLast = run.ColLast;
    info.GroupName = run.GroupName;
    info.MeasureName = run.MeasureName;

    ChartDefinition& d = chart.Definition;
    d.FirstRun = 0;
    d.LastRun = 0;
    chart.GroupRows.Clear();
    if (groups > 0) {
        data.SetRunData(info);
        d.FirstRun = info.MinRun;
        d.LastRun = info.MaxRun;
        chart.GroupRows.Build(data, info);
    }
}

ChartActionResult ChartSetupAction(Workspace& ws, const ChartSetupModel& setup) {
    ChartActionResult result;
    ChartRunChoice run;
    if (!BuildChartDefinition(setup, ws.ui, ws.stat, ws.chart.Definition, run)) return result;
    result.Accepted = true;
    ApplyChartRunChoice(ws, run);
    BuildChartList(ws);
    result.ChartFound = NextChart(ws);
    return result;
}

}  // namespace vostrel
