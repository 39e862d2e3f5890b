#include "engine/data/grid/table_edit.h"

#include <algorithm>
#include <utility>

#include "engine/data/data_table.h"

namespace vostrel {

TableEdit::TableEdit(TableHistory& history, std::string label)
    : history_(history), table_(history.Table()) {
    step_.Label = std::move(label);
}

TableEdit::~TableEdit() {
    if (open_) Cancel();
}

// A change is made in its undone state and flipped into the table.
void TableEdit::Add(GridChange change) {
    Flip(change, table_);
    step_.Changes.push_back(std::move(change));
}

void TableEdit::SetCell(GridId grid, int col, int row, std::string_view text) {
    TextGrid cell(1, 1, false);
    cell.SetCell(0, 0, text);
    ReplaceBlock(grid, col, row, std::move(cell));
}

void TableEdit::ReplaceBlock(GridId grid, int left, int top, TextGrid cells) {
    if (left < 0 || top < 0) return;
    const int right = left + cells.ColCount() - 1;
    if (right > table_.MaxCol()) SetMaxCol(right);
    if (grid == GridId::Data) {
        const int bottom = top + cells.RowCount() - 1;
        if (bottom > table_.CaseRows()) SetCaseRows(bottom);
    } else {
        const int rowsLeft = table_.DescGrid.RowCount() - top;
        if (rowsLeft <= 0) return;
        if (cells.RowCount() > rowsLeft) cells.SetRowCount(rowsLeft);
    }
    Add(BlockChange{grid, left, top, std::move(cells)});
}

void TableEdit::ReplaceCells(GridId grid, int col, std::vector<int> rows, PackedTexts texts) {
    if (rows.empty() || col < 0 || col > table_.MaxCol()) return;
    const TextGrid& target = GridOf(table_, grid);
    if (rows.front() < 0 || rows.back() >= target.RowCount()) return;
    Add(CellsChange{grid, col, std::move(rows), std::move(texts)});
}

void TableEdit::ReplaceCells(GridId grid, std::vector<ColumnCells> columns) {
    const std::size_t first = step_.Changes.size();
    const TextGrid& target = GridOf(table_, grid);
    for (ColumnCells& c : columns) {
        if (c.Rows.empty() || c.Col < 0 || c.Col > table_.MaxCol() || c.Rows.front() < 0 ||
            c.Rows.back() >= target.RowCount())
            continue;
        step_.Changes.emplace_back(CellsChange{grid, c.Col, std::move(c.Rows), std::move(c.Texts)});
    }
    FlipAll(step_.Changes, first, table_);
}

void TableEdit::SetColumnName(int col, std::string_view name) {
    SetCell(GridId::Data, col, 0, name);
    SetCell(GridId::Desc, col, 0, name);
}

void TableEdit::InsertColumns(int at, TextGrid data) {
    InsertColumns(at, std::move(data), TextGrid(1, 1, false));
}

void TableEdit::InsertColumns(int at, TextGrid data, TextGrid desc) {
    at = std::clamp(at, 1, table_.MaxCol() + 1);
    const int count = data.ColCount();
    if (data.RowCount() > table_.DataGrid.RowCount()) SetCaseRows(data.RowCount() - 1);
    data.SetRowCount(table_.DataGrid.RowCount());
    desc.SetColCount(count);
    desc.SetRowCount(table_.DescGrid.RowCount());
    for (int c = 0; c < count; ++c) desc.SetCell(c, DescNameRow, data.Cell(c, 0));
    Add(ColumnsChange{at, count, false, std::move(data), std::move(desc)});
}

void TableEdit::InsertEmptyColumns(int at, int count) {
    if (count <= 0) return;
    InsertColumns(at, TextGrid(count, table_.DataGrid.RowCount(), false));
}

void TableEdit::DeleteColumns(int at, int count) {
    at = std::max(at, 1);
    count = std::min(count, table_.MaxCol() - at + 1);
    if (count <= 0) return;
    Add(ColumnsChange{at, count, true, TextGrid(1, 1, false), TextGrid(1, 1, false)});
}

void TableEdit::SetMaxCol(int maxCol) {
    const int old = table_.MaxCol();
    maxCol = std::max(maxCol, 1);
    if (maxCol < old) {
        DeleteColumns(maxCol + 1, old - maxCol);
    } else if (maxCol > old) {
        TextGrid columns(maxCol - old, table_.DataGrid.RowCount(), false);
        for (int c = old + 1; c <= maxCol; ++c)
            columns.SetCell(c - old - 1, 0, DataTable::DefaultName(c));
        InsertColumns(old + 1, std::move(columns));
    }
}

void TableEdit::InsertRows(int at, TextGrid rows) {
    at = std::clamp(at, 1, table_.CaseRows() + 1);
    if (rows.ColCount() > table_.DataGrid.ColCount()) SetMaxCol(rows.ColCount() - 1);
    rows.SetColCount(table_.DataGrid.ColCount());
    const int count = rows.RowCount();
    Add(RowsChange{at, count, false, std::move(rows)});
}

void TableEdit::InsertEmptyRows(int at, int count) {
    if (count <= 0) return;
    InsertRows(at, TextGrid(table_.DataGrid.ColCount(), count, false));
}

void TableEdit::DeleteRows(int at, int count) {
    at = std::max(at, 1);
    count = std::min(count, table_.CaseRows() - at + 1);
    if (count <= 0) return;
    Add(RowsChange{at, count, true, TextGrid(1, 1, false)});
}

void TableEdit::ReplaceRows(int at, int count, TextGrid rows) {
    DeleteRows(at, count);
    InsertRows(at, std::move(rows));
}

void TableEdit::SetCaseRows(int rows) {
    const int old = table_.CaseRows();
    if (rows > old)
        InsertEmptyRows(old + 1, rows - old);
    else if (rows < old)
        DeleteRows(rows + 1, old - rows);
}

void TableEdit::ReplaceGrids(TextGrid data, TextGrid desc) {
    Add(GridsChange{std::move(data), std::move(desc)});
}

void TableEdit::SetArea(GridId page, GridRect area) {
    step_.Page = page;
    step_.Area = area;
}

void TableEdit::Commit() {
    if (!open_) return;
    open_ = false;
    if (step_.Changes.empty()) return;
    history_.Record(std::move(step_));
}

void TableEdit::Cancel() {
    if (!open_) return;
    open_ = false;
    FlipAllReversed(step_.Changes, table_);
    step_.Changes.clear();
}

}  // namespace vostrel
