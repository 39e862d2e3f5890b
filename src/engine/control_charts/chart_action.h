#pragma once
// The setup window's Action on the data table: the definition is built from the setup,
// the measures are marked, the chart run description gets its chart groups and runs, the
// chart list is built and the first chart with points is computed.

#include <string>

#include "engine/control_charts/chart_column_source.h"
#include "engine/control_charts/chart_definition.h"
#include "engine/control_charts/chart_setup_model.h"

namespace vostrel {

class TDataList;
class Workspace;

// The data table's columns as the setup lists them: 1..MaxCol with the grid's names.
class DataColumnSource : public ChartColumnSource {
  public:
    explicit DataColumnSource(const TDataList& data) : data_(data) {}
    int ColumnCount() const override;
    std::string ColumnName(int column) const override;

  private:
    const TDataList& data_;
};

// Marks the measures in IncludeCol (clearing every other column), fills the chart run
// description from the choice and, with chart groups, finds the runs (SetRunData) and sets
// FirstRun and LastRun of the definition; without them both are 0.
void ApplyChartRunChoice(Workspace& ws, const ChartRunChoice& run);

struct ChartActionResult {
    bool Accepted = false;    // the definition was valid (otherwise the user saw why)
    bool ChartFound = false;  // a chart with points is now the current chart
};

// Action: builds the definition, applies the run choice, builds the chart list and
// computes the first chart that has points.
ChartActionResult ChartSetupAction(Workspace& ws, const ChartSetupModel& setup);

}  // namespace vostrel
