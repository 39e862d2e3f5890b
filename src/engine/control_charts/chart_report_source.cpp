#include "engine/control_charts/chart_report_source.h"

#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/chart_sets.h"
#include "engine/data/rule_descriptions.h"
#include "engine/data/set_names.h"
#include "engine/workspace.h"

namespace vostrel {

ChartReportSource MakeChartReportSource(const Workspace& ws, const std::string& dataTitle) {
    const ChartState& chart = ws.chart;
    ChartReportSource source;
    source.DataTitle = dataTitle;
    DescribeChartData(ws.data, chart.Definition, chart.CurrentColumn, source);
    source.FileModifications = GetFileModString(ws.rules, ws.transform).FileModStringTab;
    if (chart.Definition.LayoutType > 7) source.RunName = ChartRunName(ws, chart.CurrentRun);
    source.BothChartsShown = chart.View.BothChartsShown(chart.Definition);
    const int setColumn = chart.Definition.ChartSetColumn;
    if (setColumn > 0) {
        for (const auto& [set, points] : PointsBySet(chart))
            source.SetNames[set] = SetValueName(ws.data, setColumn, set, ws.report.numberLocale);
    }
    return source;
}

void WriteCurrentChartReport(Workspace& ws, const std::string& dataTitle) {
    const ChartReportSource source = MakeChartReportSource(ws, dataTitle);
    WriteChartReport(ws.report, ws.chart, ws.stat, source);
}

}  // namespace vostrel
