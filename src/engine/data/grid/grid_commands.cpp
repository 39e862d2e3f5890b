#include "engine/data/grid/grid_commands.h"

#include <algorithm>
#include <cctype>

#include "engine/data/grid/clipboard_text.h"
#include "engine/data/grid/table_edit.h"
#include "engine/data/table_commands.h"
#include "engine/data/text_rules.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

const char* const kTooManyColumns = "Maximum Number of Columns Exceeded.";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// "Col" + a number (any case, leading zeros allowed): the number without its zeros.
std::optional<std::string> DefaultNameNumber(std::string_view name) {
    if (name.size() < 4 || !EqualIgnoringCase(name.substr(0, 3), "COL")) return std::nullopt;
    std::string_view digits = name.substr(3);
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        return std::nullopt;
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return std::string(digits);
}

// The selection's data rows and columns, within the table.
GridRect DataCells(const DataTable& table, const GridRect& s) {
    return {std::max(s.Left, 1), std::max(s.Top, 1), std::min(s.Right, table.MaxCol()),
            std::min(s.Bottom, table.CaseRows())};
}

bool AnyText(const TextGrid& grid, const GridRect& r) {
    for (int c = r.Left; c <= r.Right; ++c)
        for (int row = r.Top; row <= r.Bottom; ++row)
            if (!grid.Cell(c, row).empty()) return true;
    return false;
}

constexpr EditEffects kColumnsChanged{false, true, true};

}  // namespace

bool RenumberDefaultNames(TableEdit& edit) {
    const DataTable& table = edit.Table();
    bool changed = false;
    for (int c = 1; c <= table.MaxCol(); ++c) {
        const std::string_view name = table.DataGrid.Cell(c, 0);
        const std::optional<std::string> number = DefaultNameNumber(name);
        if (name.empty() || (number && *number != std::to_string(c))) {
            edit.SetColumnName(c, DataTable::DefaultName(c));
            changed = true;
        }
    }
    return changed;
}

bool RenumberDefaultNames(Workspace& ws) {
    TableEdit edit(ws.history, "Renumber Names");
    if (!RenumberDefaultNames(edit)) return false;
    edit.SetEffects(EditEffects{true, true, false});
    edit.SetArea(GridId::Data, GridRect{1, 1, ws.table.MaxCol(), 1});
    edit.Commit();
    return true;
}

bool RenameColumn(Workspace& ws, int col, std::string_view typed) {
    DataTable& table = ws.table;
    if (col < 1 || col > table.MaxCol()) return false;
    if (typed.find_first_of("\t\r\n") != std::string_view::npos) {
        ws.ui.ErrorBox("A column name cannot hold a tab or a line break.");
        return false;
    }
    std::string name(TrimSpaces(typed));
    if (name.empty()) {
        name = DataTable::DefaultName(col);
        ws.ui.Warning("A column needs a name; this one is named " + name + ".");
    }
    for (int c = 1; c <= table.MaxCol(); ++c) {
        if (c != col && EqualIgnoringCase(table.DataGrid.Cell(c, 0), name)) {
            ws.ui.ErrorBox("Column " + std::to_string(c) + " is already named " + name + ".");
            return false;
        }
    }
    if (table.DataGrid.Cell(col, 0) == name) return false;
    TableEdit edit(ws.history, "Rename Column");
    edit.SetColumnName(col, name);
    edit.SetEffects(EditEffects{true, true, false});
    edit.SetArea(GridId::Data, GridRect{col, 1, col, 1});
    edit.Commit();
    return true;
}

bool SetCellText(Workspace& ws, GridId page, int col, int row, std::string_view typed) {
    DataTable& table = ws.table;
    if (page == GridId::Data && row == 0) return RenameColumn(ws, col, typed);
    const TextGrid& grid = GridOf(table, page);
    if (col < 1 || col > table.MaxCol() || row < 1 || row >= grid.RowCount()) return false;
    const std::string text = CellTextOf(typed);
    if (grid.Cell(col, row) == text) return false;
    TableEdit edit(ws.history, "Typing");
    edit.SetCell(page, col, row, text);
    edit.SetArea(page, GridRect{col, row, col, row});
    edit.Commit();
    return true;
}

bool ClearCells(Workspace& ws, GridId page, const GridRect& selection, const std::string& label) {
    DataTable& table = ws.table;
    GridRect r = DataCells(table, selection);
    if (page == GridId::Desc) r.Bottom = std::min(selection.Bottom, static_cast<int>(DescLSLRow));
    if (r.Right < r.Left || r.Bottom < r.Top || !AnyText(GridOf(table, page), r)) return false;
    TableEdit edit(ws.history, label);
    edit.ReplaceBlock(page, r.Left, r.Top,
                      TextGrid(r.Right - r.Left + 1, r.Bottom - r.Top + 1, false));
    edit.SetArea(page, r);
    edit.Commit();
    if (page == GridId::Data) ws.data.RecordModifiedRows(r.Top, r.Bottom);
    return true;
}

std::optional<CellPos> DeleteRows(Workspace& ws, const GridRect& selection, int currentCol) {
    DataTable& table = ws.table;
    const GridRect r = DataCells(table, selection);
    if (r.Bottom < r.Top) return std::nullopt;
    const int oldRows = table.CaseRows();
    if (r.Top == 1 && r.Bottom == oldRows) {
        NewTable(ws);
        return std::nullopt;
    }
    TableEdit edit(ws.history, "Delete Rows");
    edit.DeleteRows(r.Top, r.Bottom - r.Top + 1);
    edit.SetEffects(EditEffects{true, false, false});
    edit.SetArea(GridId::Data, GridRect{1, r.Top, table.MaxCol(), r.Top});
    edit.Commit();
    return CellPos{currentCol, r.Bottom == oldRows ? r.Top - 1 : r.Top};
}

std::optional<CellPos> InsertRows(Workspace& ws, const GridRect& selection) {
    DataTable& table = ws.table;
    const int top = std::clamp(selection.Top, 1, table.CaseRows());
    const int count = std::max(selection.Bottom - selection.Top + 1, 1);
    TableEdit edit(ws.history, "Insert Rows");
    edit.InsertEmptyRows(top, count);
    edit.SetEffects(EditEffects{true, false, false});
    edit.SetArea(GridId::Data, GridRect{1, top, table.MaxCol(), top + count - 1});
    edit.Commit();
    return CellPos{1, top};
}

std::optional<CellPos> DeleteColumns(Workspace& ws, const GridRect& selection) {
    DataTable& table = ws.table;
    const GridRect r = DataCells(table, selection);
    if (r.Right < r.Left) return std::nullopt;
    const int oldCols = table.MaxCol();
    if (r.Left == 1 && r.Right == oldCols) {
        NewTable(ws);
        return std::nullopt;
    }
    TableEdit edit(ws.history, "Delete Columns");
    edit.DeleteColumns(r.Left, r.Right - r.Left + 1);
    RenumberDefaultNames(edit);
    edit.SetEffects(kColumnsChanged);
    const int col = r.Right == oldCols ? r.Left - 1 : r.Left;
    edit.SetArea(GridId::Data, GridRect{col, 1, col, 1});
    edit.Commit();
    return CellPos{col, 1};
}

std::optional<CellPos> InsertColumns(Workspace& ws, const GridRect& selection) {
    DataTable& table = ws.table;
    const int left = std::clamp(selection.Left, 1, table.MaxCol());
    const int count = std::max(selection.Right - selection.Left + 1, 1);
    if (table.MaxCol() + count > MaxColumns) {
        ws.ui.ErrorBox(kTooManyColumns);
        return std::nullopt;
    }
    TableEdit edit(ws.history, "Insert Columns");
    edit.InsertEmptyColumns(left, count);
    RenumberDefaultNames(edit);
    edit.SetEffects(kColumnsChanged);
    edit.SetArea(GridId::Data, GridRect{left, 1, left + count - 1, 1});
    edit.Commit();
    return CellPos{left, 1};
}

std::optional<CellPos> InsertCaseNumbers(Workspace& ws) {
    DataTable& table = ws.table;
    if (table.MaxCol() + 1 > MaxColumns) {
        ws.ui.ErrorBox(kTooManyColumns);
        return std::nullopt;
    }
    const int rows = table.CaseRows();
    TextGrid column(1, rows + 1, false);
    column.SetCell(0, 0, "Case");
    for (int r = 1; r <= rows; ++r) column.SetCell(0, r, std::to_string(r));
    TableEdit edit(ws.history, "Insert Case Numbers");
    edit.InsertColumns(1, std::move(column));
    RenumberDefaultNames(edit);
    edit.SetEffects(kColumnsChanged);
    edit.SetArea(GridId::Data, GridRect{1, 1, 1, rows});
    edit.Commit();
    return CellPos{1, 1};
}

bool Transpose(Workspace& ws) {
    DataTable& table = ws.table;
    const int rows = table.CaseRows();
    const int cols = table.MaxCol();
    if (rows > MaxColumns) {
        ws.ui.ErrorBox(kTooManyColumns);
        return false;
    }
    TextGrid data(rows + 1, cols + 1, true);
    TextGrid desc(rows + 1, table.DescGrid.RowCount(), false);
    for (int r = DescTitleRow; r <= DescLSLRow; ++r) desc.SetCell(0, r, table.DescGrid.Cell(0, r));
    for (int c = 1; c <= rows; ++c) {
        data.SetCell(c, 0, DataTable::DefaultName(c));
        desc.SetCell(c, 0, DataTable::DefaultName(c));
        for (int r = 1; r <= cols; ++r) data.SetCell(c, r, table.DataGrid.Cell(r, c));
    }
    TableEdit edit(ws.history, "Transpose");
    edit.ReplaceGrids(std::move(data), std::move(desc));
    edit.SetEffects(kColumnsChanged);
    edit.SetArea(GridId::Data, GridRect{1, 1, 1, 1});
    edit.Commit();
    return true;
}

bool AddColumnByTab(Workspace& ws) {
    DataTable& table = ws.table;
    if (table.MaxCol() >= MaxColumns) return false;
    const int col = table.MaxCol() + 1;
    TableEdit edit(ws.history, "Add Column");
    edit.SetMaxCol(col);
    edit.SetEffects(EditEffects{false, true, false});
    edit.SetArea(GridId::Data, GridRect{col, 1, col, 1});
    edit.Commit();
    return true;
}

void AddRowByEnter(Workspace& ws) {
    DataTable& table = ws.table;
    const int row = table.CaseRows() + 1;
    TableEdit edit(ws.history, "Add Row");
    edit.SetCaseRows(row);
    edit.SetArea(GridId::Data, GridRect{1, row, 1, row});
    edit.Commit();
}

}  // namespace vostrel
