#include "engine/control_charts/chart_data_stamp.h"

#include "engine/workspace.h"

namespace vostrel {

ChartDataStamp TakeChartDataStamp(const Workspace& ws) {
    const DataTable& table = ws.table;
    ChartDataStamp stamp;
    stamp.Table = table.TableGeneration;
    stamp.Layout = table.LayoutGeneration;
    stamp.Data = table.DataGeneration;
    stamp.Rows = table.CaseRows();
    stamp.Structure = table.DataFilename;
    for (int c = 1; c <= table.MaxCol(); ++c) stamp.Structure += '\n' + table.ColumnName(c);
    return stamp;
}

}  // namespace vostrel
