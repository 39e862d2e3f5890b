#pragma once
// The analysis report of the current control chart: title, data file, specifications, how
// the limits were obtained, the counts of test signals, the correlation of the two
// statistics and a one-way analysis of variance between subgroups, per analysis set.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "engine/control_charts/chart_state.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/control_charts/control_tests.h"
#include "engine/core/missing_value.h"
#include "engine/report/report_writer.h"
#include "engine/stats/stat_context.h"

namespace vostrel {

class TDataList;

// What the report shows from outside the chart: the data table's description, the rules
// in force and the chart window's state. The caller fills it.
struct ChartReportSource {
    std::string DataTitle;          // empty when the data has no title
    std::string DataFileName;       // empty when the data has no file
    std::string FileModifications;  // the active rules, items joined by CR and a tab; or empty
    std::string ColumnTitle;        // title or name of the charted column
    std::string RunName;            // the chart group of the chart, shown for layouts above 7
    double USL = MissingValue;      // the column's specification limits
    double Target = MissingValue;
    double LSL = MissingValue;
    std::string BottomAxisTitle = "Point";  // the label column's title, or "Point"
    bool BothChartsShown = true;            // the correlation needs both charts on screen
    // The names of the chart's sets (level texts of a text set column); a set without a
    // name here is shown by its value.
    std::map<double, std::string> SetNames;
};

// The column's title, limits and file name, and the label column's title, from the table.
void DescribeChartData(const TDataList& data, const ChartDefinition& definition, int column,
                       ChartReportSource& source);

// Whether the limits describe a usable specification: USL above LSL, or a single limit with
// the target (if any) on its inner side. Missing values are absent limits.
bool SpecsUsableFor(double usl, double target, double lsl);

// Test signals of one chart over the points of a set. Test 1 and 9 count points; tests 2 to 8
// count patterns, each ending at its last consecutive signalling point.
struct TestSignalCounts {
    std::array<int, ControlTestCount + 1> Count{};  // index 1..9
    bool AnyCode = false;                           // some point carries a code or symbol
};
TestSignalCounts CountTestSignals(const ControlCodes& codes, int chart,
                                  const std::vector<int>& points);

// Clears chart.InfoReport and writes the report into it through the writer, then gives the
// writer back its previous target and style. Sets chart.ReportTitle and chart.SpecsUsable.
void WriteChartReport(ReportWriter& writer, ChartState& chart, StatContext& stat,
                      const ChartReportSource& source);

}  // namespace vostrel
