#include "engine/control_charts/chart_enumeration.h"

#include <algorithm>
#include <sstream>

#include "engine/control_charts/compute_chart.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// Layouts 2 and 9 put all measures into one chart: only the first column pass exists.
bool AllMeasuresInOneChart(int layout) { return layout == 2 || layout == 9; }

// The next chosen measure after the column; past ColLast when there is none.
int NextMeasureColumn(const ChartState& chart, int column) {
    const std::vector<int>& measures = chart.MeasureColumns;
    const auto it = std::upper_bound(measures.begin(), measures.end(), column);
    return it == measures.end() ? chart.RunInfo.ColLast + 1 : *it;
}

// One step of the enumeration; false when it has run past the last chart.
bool StepChart(ChartState& chart) {
    const ChartDefinition& d = chart.Definition;
    if (d.LayoutType == 0) return false;
    ++chart.CurrentRun;
    if (chart.CurrentRun > d.LastRun) {
        chart.CurrentRun = d.FirstRun;
        if (AllMeasuresInOneChart(d.LayoutType)) return false;
        chart.CurrentColumn = NextMeasureColumn(chart, chart.CurrentColumn);
    }
    return chart.CurrentColumn <= chart.RunInfo.ColLast;
}

}  // namespace

void StartChartEnumeration(Workspace& ws) {
    ChartState& chart = ws.chart;
    chart.CurrentColumn = chart.RunInfo.ColFirst;
    chart.CurrentRun = chart.Definition.FirstRun - 1;
}

void BuildChartList(Workspace& ws) {
    ChartState& chart = ws.chart;
    chart.ChartNames.clear();
    chart.ChartKeys.clear();
    PrepareChartData(ws);
    StartChartEnumeration(ws);
    while (StepChart(chart)) {
        if (ExtractChartPoints(ws) == 0) continue;
        chart.ChartNames.push_back(CurrentChartName(ws));
        chart.ChartKeys.push_back(std::to_string(chart.CurrentColumn) + " " +
                                  std::to_string(chart.CurrentRun));
    }
    StartChartEnumeration(ws);
    chart.PointCount = 0;
}

bool NextChart(Workspace& ws) {
    ChartState& chart = ws.chart;
    while (StepChart(chart)) {
        ComputeChart(ws);
        if (chart.PointCount > 0) {
            chart.RunInfo.CurrentName = CurrentChartName(ws);
            return true;
        }
    }
    chart.CurrentColumn = chart.RunInfo.ColLast;
    chart.CurrentRun = chart.Definition.LastRun;
    return false;
}

bool SelectChart(Workspace& ws, int index) {
    ChartState& chart = ws.chart;
    if (index < 0 || index >= static_cast<int>(chart.ChartKeys.size())) return false;
    std::istringstream key(chart.ChartKeys[static_cast<std::size_t>(index)]);
    int column = 0;
    int run = 0;
    if (!(key >> column >> run)) return false;
    chart.CurrentColumn = column;
    chart.CurrentRun = run;
    ComputeChart(ws);
    chart.RunInfo.CurrentName = CurrentChartName(ws);
    return true;
}

std::string ChartRunName(const Workspace& ws, int run) {
    const TDataList& data = ws.data;
    const TRunInfo& runInfo = ws.chart.RunInfo;
    if (data.Ncount >= 2) return data.GetRunName(run, runInfo);
    // A table of one row is one run, named by that row.
    if (run != 1 || data.Ncount < 1) return {};
    std::string name;
    for (int i = 1; i <= runInfo.RefArray[0]; ++i) {
        if (i > 1) name += ", ";
        name += data.Table().DataGrid.Cell(runInfo.RefArray[static_cast<std::size_t>(i)], 1);
    }
    return name;
}

std::string CurrentChartName(const Workspace& ws) {
    const ChartState& chart = ws.chart;
    const TDataList& data = ws.data;
    std::string column = data.ColumnName(chart.CurrentColumn);
    std::string measures =
        data.ColumnName(chart.RunInfo.ColFirst) + ".." + data.ColumnName(chart.RunInfo.ColLast);
    switch (chart.Definition.LayoutType) {
        case 2:
            return measures;
        case 9:
            return measures + "(" + ChartRunName(ws, chart.CurrentRun) + ")";
        case 8:
        case 10:
        case 11:
            return ChartRunName(ws, chart.CurrentRun);
        case 12:
        case 13:
        case 14:
            return column + "(" + ChartRunName(ws, chart.CurrentRun) + ")";
        default:
            return column;
    }
}

}  // namespace vostrel
