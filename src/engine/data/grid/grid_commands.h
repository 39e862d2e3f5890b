#pragma once
// The data editor's commands on the table, each one undoable step. They work on the data
// page unless they say otherwise, take the selection as a rectangle of data cells, and
// return where the current cell goes afterwards. Refusals are told through the user
// interface and change nothing.

#include <optional>
#include <string>
#include <string_view>

#include "engine/data/data_table.h"
#include "engine/data/grid/grid_change.h"

namespace vostrel {

class Workspace;
class TableEdit;

struct CellPos {
    int Col = 1;
    int Row = 1;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// What the cell editor hands back. On the data page row 0 is a column name (a rename, in
// both grids); elsewhere the cell's text. Tabs and line breaks become spaces. False when
// nothing changed (the same text, or a name that was refused).
bool SetCellText(Workspace& ws, GridId page, int col, int row, std::string_view text);

// Renames a column in both grids. An empty name gives the default "Col" + number; a name
// with a tab or line break, or one that another column has (ignoring case), is refused
// with a message saying why.
bool RenameColumn(Workspace& ws, int col, std::string_view name);

// Empties the selected cells (label "Clear", or "Cut" for a cut).
bool ClearCells(Workspace& ws, GridId page, const GridRect& selection,
                const std::string& label = "Clear");

// Delete Row(s) and Delete Column(s): removing every row or every column starts a new
// table instead (asking to save a modified one); then the result is nothing.
std::optional<CellPos> DeleteRows(Workspace& ws, const GridRect& selection, int currentCol);
std::optional<CellPos> DeleteColumns(Workspace& ws, const GridRect& selection);
// Insert Row(s) and Insert Column(s): as many empty rows (columns) as the selection has,
// before its first one. Columns beyond 512 are refused.
std::optional<CellPos> InsertRows(Workspace& ws, const GridRect& selection);
std::optional<CellPos> InsertColumns(Workspace& ws, const GridRect& selection);
// A first column "Case" holding 1..rows.
std::optional<CellPos> InsertCaseNumbers(Workspace& ws);
// Rows become columns: the columns are named "Col1".., the descriptions are emptied. A
// table of more than 512 rows is refused (it would need more than 512 columns).
bool Transpose(Workspace& ws);

// Tab from the last column: a new column "Col" + number, unless the table has 512.
bool AddColumnByTab(Workspace& ws);
// Enter in the last row: a new empty row.
void AddRowByEnter(Workspace& ws);

// Default names follow their columns: a column whose name is empty, or "Col" + a number
// other than its position (ignoring case), is named "Col" + position. The second form adds
// the renaming to an edit being made; the first records it as a step of its own. True when
// a name changed.
bool RenumberDefaultNames(Workspace& ws);
bool RenumberDefaultNames(TableEdit& edit);

}  // namespace vostrel
