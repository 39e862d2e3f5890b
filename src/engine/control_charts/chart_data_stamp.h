#pragma once
// What the chart windows remember of the data table, to notice when it changed under them:
// its structure (another table, other columns or names, rows inserted or deleted, rules)
// and its contents.

#include <string>

namespace vostrel {

class Workspace;

struct ChartDataStamp {
    int Table = -1;
    int Layout = -1;
    int Data = -1;
    int Rows = -1;
    std::string Structure;  // the file and the column names, for changes nobody counted

    bool SameStructure(const ChartDataStamp& other) const {
        return Table == other.Table && Layout == other.Layout && Structure == other.Structure;
    }
    bool SameContents(const ChartDataStamp& other) const {
        return Data == other.Data && Rows == other.Rows;
    }
};

ChartDataStamp TakeChartDataStamp(const Workspace& ws);

}  // namespace vostrel
