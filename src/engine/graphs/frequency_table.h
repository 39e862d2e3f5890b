#pragma once
// The frequency table: one row per interval midpoint over all values of the run, one
// column per group, holding counts, relative frequencies or cumulative relative
// frequencies. All groups share the interval grid, so the columns compare row by row.

#include <string>
#include <vector>

#include "engine/report/report_locale.h"

namespace vostrel {

class Workspace;
class TRunInfo;

enum class FrequencyType { Frequencies = 0, RelativeFrequencies = 1, CumulativeFrequencies = 2 };

// The names of the type group, in order.
const std::vector<std::string>& FrequencyTypeNames();

struct FrequencyOptions {
    FrequencyType Type = FrequencyType::Frequencies;
    bool UseIntervalSize = false;  // "&Interval Size" and its box
    std::string IntervalSizeText = "0";
    bool UseFirstMidpoint = false;  // "First Midpoint" and its box
    std::string FirstMidpointText = "0";
    int Decimals = 4;  // of the relative values, 0..9
};

// An interval of a group that holds values; the others show empty cells.
struct FrequencyCell {
    int Row = 0;         // 1-based
    int Count = 0;       // values in the interval
    int Cumulative = 0;  // values in this and every lower interval
};

struct FrequencyColumn {
    std::string Title;
    int n = 0;
    std::vector<FrequencyCell> Cells;  // ascending rows
};

class FrequencyTable {
  public:
    std::string Error;  // why the table is empty: a typed value that cannot be used
    FrequencyType Type = FrequencyType::Frequencies;
    int Decimals = 4;
    NumberLocale Locale;
    double IntervalSize = 0;
    double FirstMidpoint = 0;
    int MidpointDecimals = 0;
    std::vector<std::string> Midpoints;  // rows 1..R
    std::vector<FrequencyColumn> Columns;

    // With the header row and the midpoint column.
    int RowCount() const { return static_cast<int>(Midpoints.size()) + 1; }
    int ColumnCount() const { return static_cast<int>(Columns.size()) + 1; }
    // The text of a cell as the grid shows it: "MidPoint" and the group titles in row 0,
    // the midpoints in column 0; empty for an interval without values.
    std::string Cell(int column, int row) const;
    // The cells of the block (inclusive, grid coordinates) as tab-separated lines, for the
    // clipboard.
    std::string BlockText(int left, int top, int right, int bottom) const;
};

// Loads all values of the run for the grid, then each group in turn (letting the windows
// repaint between groups). The decimals become the report's decimals.
FrequencyTable BuildFrequencyTable(Workspace& ws, TRunInfo& run, const FrequencyOptions& options);

}  // namespace vostrel
