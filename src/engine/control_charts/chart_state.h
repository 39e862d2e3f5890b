#pragma once
// The state of the current control chart that the setup, the chart window and the
// information window share: its definition, point arrays, counts, enumeration position,
// test settings and codes, the cached constants and the analysis report. The Workspace owns one.

#include <string>
#include <vector>

#include "engine/control_charts/chart_arrays.h"
#include "engine/control_charts/chart_constants.h"
#include "engine/control_charts/chart_definition.h"
#include "engine/control_charts/chart_group_rows.h"
#include "engine/control_charts/chart_view_options.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/control_charts/control_tests.h"
#include "engine/data/run_info.h"
#include "engine/report/report_document.h"

namespace vostrel {

// The chart information window's settings, kept for the program run: the report's decimals
// and the point sizes of its title, section titles and body text.
struct ChartInfoSettings {
    int InfoDecimals = 4;  // 0..9
    int InfoHeadingSize = 14;
    int InfoTitleSize = 10;
    int InfoBodySize = 9;
};

struct ChartState {
    ChartDefinition Definition;
    ChartArrayType Points;
    int PointCount = 0;
    int BreakCount = 0;  // points followed by a break
    // Smallest and largest set value (the set column's value, as in the analysis); both 0
    // without a set variable.
    double SetMin = 0;
    double SetMax = 0;
    int CurrentColumn = 0;  // measure column of the current chart
    int CurrentRun = 0;     // chart group run of the current chart
    int SigmaSource = 0;    // LimitCalcNames index of the calculation behind SigmaEst

    // The chart run description: the chart group columns, the first and last measure and,
    // after SetRunData, the runs; CurrentName is the current chart's name.
    TRunInfo RunInfo;
    std::vector<int> MeasureColumns;  // the chosen measures, in column order
    ChartGroupRows GroupRows;         // the rows of every run of RunInfo

    // Every chart of the definition, in enumeration order: its name, and its column and run
    // as "column run".
    std::vector<std::string> ChartNames;
    std::vector<std::string> ChartKeys;

    ChartViewOptions View;
    // While ShowAllPoints is on: per point the values of its subgroup, each followed by a
    // blank (entry 0 is empty).
    std::vector<std::string> PointList;
    // The texts the user typed at plotted positions (points and gaps), kept while the
    // chart is recomputed.
    std::vector<std::string> LocPointText;
    std::vector<std::string> DispPointText;

    ControlTestSettings TestSettings;
    ControlCodes Codes;
    ChartConstants Constants;

    ChartInfoSettings Info;
    ReportDocument InfoReport;  // the analysis report of the current chart
    std::string ReportTitle;    // its first line
    bool SpecsUsable = false;   // the last report showed the specifications
};

// Runs the tests on the current chart's location (0) or dispersion (1) statistics.
inline void EvaluateControlTests(ChartState& state, int chart, bool movingRange) {
    EvaluateControlTests(state.Points, state.PointCount, state.TestSettings, chart, movingRange,
                         chart == LocationChart ? LocationTestRows : DispersionTestRows,
                         state.Codes);
}

}  // namespace vostrel
