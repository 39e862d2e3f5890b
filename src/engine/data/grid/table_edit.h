#pragma once
// One undoable command on the data table, being made. A command opens a TableEdit, changes
// the table only through it, and commits it; each change is made at once and recorded so
// that Undo can take the whole command back. An edit that is not committed (the command
// failed, ran out of memory, or cancelled) is taken back when it ends, so a command either
// happens whole or not at all.
//
//     TableEdit edit(ws.history, "Paste");
//     edit.ReplaceBlock(GridId::Data, left, top, std::move(cells));
//     edit.SetArea(GridId::Data, pastedRect);
//     edit.Commit();
//
// Commit marks the table modified, sets LayoutEdited and DataEdited as the effects say,
// marks the touched rows for deriving again and tells the windows.

#include <string>
#include <string_view>
#include <vector>

#include "engine/data/grid/table_history.h"

namespace vostrel {

class TableEdit {
  public:
    TableEdit(TableHistory& history, std::string label);
    ~TableEdit();
    TableEdit(const TableEdit&) = delete;
    TableEdit& operator=(const TableEdit&) = delete;

    DataTable& Table() { return table_; }

    // Cells. A block is a grid of its own whose cell (0, 0) goes to (left, top); on the
    // data page the table grows to hold it (new columns get default names), on the
    // descriptions page rows below the last description row are dropped.
    void SetCell(GridId grid, int col, int row, std::string_view text);
    void ReplaceBlock(GridId grid, int left, int top, TextGrid cells);
    // Some cells of one column: rows ascending, one text each.
    void ReplaceCells(GridId grid, int col, std::vector<int> rows, PackedTexts texts);
    // Some cells of several columns at once (each column once).
    struct ColumnCells {
        int Col = 0;
        std::vector<int> Rows;
        PackedTexts Texts;
    };
    void ReplaceCells(GridId grid, std::vector<ColumnCells> columns);
    // A column's name, in both grids.
    void SetColumnName(int col, std::string_view name);

    // Columns, in both grids. The data piece holds the names in row 0 and the cells below;
    // the description piece, when given, its five rows (names copied from the data piece).
    void InsertColumns(int at, TextGrid data);
    void InsertColumns(int at, TextGrid data, TextGrid desc);
    void InsertEmptyColumns(int at, int count);  // names empty
    void AppendColumns(TextGrid data) { InsertColumns(table_.MaxCol() + 1, std::move(data)); }
    void DeleteColumns(int at, int count);
    // Grows (default names) or shrinks the data columns at the end.
    void SetMaxCol(int maxCol);

    // Data rows. The piece holds the rows' cells in its rows 0.., columns as in the table.
    void InsertRows(int at, TextGrid rows);
    void InsertEmptyRows(int at, int count);
    void DeleteRows(int at, int count);
    void ReplaceRows(int at, int count, TextGrid rows);
    // Grows or shrinks the case rows at the end.
    void SetCaseRows(int rows);

    // Both grids at once.
    void ReplaceGrids(TextGrid data, TextGrid desc);

    // What the command means for the change counters and the rules.
    void SetEffects(EditEffects effects) { step_.Effects = effects; }
    EditEffects& Effects() { return step_.Effects; }
    // The page and cells the command covered: selected again after undo and redo.
    void SetArea(GridId page, GridRect area);

    bool HasChanges() const { return !step_.Changes.empty(); }
    // Records the step (when anything changed) and brings everything up to date.
    void Commit();
    // Takes back what was changed so far.
    void Cancel();

  private:
    void Add(GridChange change);

    TableHistory& history_;
    DataTable& table_;
    TableStep step_;
    bool open_ = true;
};

}  // namespace vostrel
