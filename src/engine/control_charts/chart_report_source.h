#pragma once
// What the analysis report of the current chart takes from the rest of the program: the
// data's title and file, the rules in force, the column's description, the chart group
// and whether both charts are on screen.

#include <string>

#include "engine/control_charts/chart_report.h"

namespace vostrel {

class Workspace;

// The report source of the current chart. dataTitle is the analysis title (empty for none).
ChartReportSource MakeChartReportSource(const Workspace& ws, const std::string& dataTitle);

// Writes the analysis report of the current chart into ws.chart.InfoReport.
void WriteCurrentChartReport(Workspace& ws, const std::string& dataTitle);

}  // namespace vostrel
