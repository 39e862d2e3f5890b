#pragma once
// The points of the current chart (CurrentColumn, CurrentRun) from the data table: single
// values, or subgroups made of one row of several measures, of blocks of consecutive rows,
// or of the rows sharing a sample variable value; then the whole chart with its limits,
// tests and axis extremes.

namespace vostrel {

class Workspace;

// Derives the data table again when it changed, and finds the chart group runs again when
// the table was derived since they were found.
void PrepareChartData(Workspace& ws);

// Fills the point arrays, PointCount, SetMin, SetMax and, while ShowAllPoints is on, the
// point list, for the layout of the definition. No limits or tests. Returns PointCount.
int ExtractChartPoints(Workspace& ws);

// Extracts the points, computes the limits, runs the tests on each chart that is drawn,
// stores the extremes of rows LocStat..DispUCL, counts the breaks and sizes the point
// text arrays for the points and gaps.
void ComputeChart(Workspace& ws);

// The chart window's "Show Breaks": recomputes the chart and clears the point texts, whose
// positions move with the gaps.
void SetShowBreaks(Workspace& ws, bool on);
// "Show All Points": switched on, the chart is computed again to collect each subgroup's
// values.
void SetShowAllPoints(Workspace& ws, bool on);

}  // namespace vostrel
