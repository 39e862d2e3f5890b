#pragma once
// The charts a definition asks for: one per chosen measure column and per chart group,
// depending on the layout. The chart window lists them by name and moves between them.

#include <string>

namespace vostrel {

class Workspace;

// Puts the enumeration before its first chart: CurrentColumn = ColFirst of the chart run
// description, CurrentRun = FirstRun - 1.
void StartChartEnumeration(Workspace& ws);

// Fills ChartNames and ChartKeys with every chart that has points, in enumeration order,
// then puts the enumeration back at its start. The point arrays hold no chart afterwards.
void BuildChartList(Workspace& ws);

// Advances to the next chart that has points and computes it, naming it in the run
// description's CurrentName; false when there is none left (the position is then at the
// last column and run).
bool NextChart(Workspace& ws);

// Computes chart `index` of the list (its ChartKeys entry gives the column and run) and
// names it; false for an index outside the list.
bool SelectChart(Workspace& ws, int index);

// The name of the chart at (CurrentColumn, CurrentRun) for the layout.
std::string CurrentChartName(const Workspace& ws);
// The name of a chart group run: its group values, joined by ", ".
std::string ChartRunName(const Workspace& ws, int run);

}  // namespace vostrel
