#pragma once
// The one data table as the user sees it: the text of the data grid (names in row 0,
// row numbers in column 0, one case per row) and of the description grid (names in row 0,
// then each column's title, USL, Target and LSL), with the table's file name and state.
// Everything numeric is derived from this text by TDataList.

#include <string>

#include "engine/data/text_grid.h"

namespace vostrel {

// Rows of the description grid.
enum DescRow {
    DescNameRow = 0,
    DescTitleRow = 1,
    DescUSLRow = 2,
    DescTargetRow = 3,
    DescLSLRow = 4
};

// A block of data grid cells, inclusive; the selection of the grid.
struct GridRect {
    int Left = 1, Top = 1, Right = 1, Bottom = 1;
    bool MoreThanOneCell() const { return Right > Left || Bottom > Top; }
};

class DataTable {
  public:
    DataTable();

    TextGrid DataGrid{2, 2, true};
    TextGrid DescGrid{2, 5, false};

    std::string DataFilename;  // empty until the table is read from or saved to a file
    bool Modified = false;
    bool HasNames = false;         // the file had a name line (or was saved with one)
    bool HasDescriptions = false;  // the file had description lines
    GridRect Selection;
    bool LoadInProgress = false;  // a file is being read; loads are never re-entered

    // Change counters that other windows compare with what they saw last, to know when to
    // rebuild their lists or results; the flags say what changed since the counters moved.
    int TableGeneration = 0;   // a different table
    int LayoutGeneration = 0;  // names, rows inserted or deleted, rules
    int DataGeneration = 0;    // cell contents or columns
    bool LayoutEdited = false;
    bool DataEdited = false;

    // Data columns 1..MaxCol(); every grid column counts, filled or not.
    int MaxCol() const { return DataGrid.ColCount() - 1; }
    // Case rows 1..CaseRows().
    int CaseRows() const { return DataGrid.RowCount() - 1; }

    // False only for the empty table: a 2 x 2 grid.
    bool HaveData() const;
    // Back to the empty table: one column "Col1", one empty row, no descriptions.
    void Clear();

    // Sets the number of data columns in both grids; new columns get default names.
    void SetMaxCol(int maxCol);
    // Sets the number of case rows.
    void SetCaseRows(int rows) { DataGrid.SetRowCount(rows + 1); }

    std::string ColumnName(int c) const { return DataGrid.CellString(c, 0); }
    // Names a column in both grids.
    void SetColumnName(int c, std::string_view name);
    static std::string DefaultName(int c) { return "Col" + std::to_string(c); }
    // True when at least one name differs from its default "Col" + number (ignoring case).
    bool HasOwnNames() const;
    // True when any title or limit cell holds text.
    bool HasAnyDescription() const;
};

}  // namespace vostrel
