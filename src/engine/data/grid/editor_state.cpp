#include "engine/data/grid/editor_state.h"

#include "engine/data/case_rules.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel {

std::string EditorCaption(const DataTable& table) {
    std::string caption = table.DataFilename.empty() ? "Data" : "Data - " + table.DataFilename;
    if (table.Modified) caption += "  (modified)";
    return caption;
}

std::string CellStatusText(int col, int row) {
    return "Col = " + std::to_string(col) + ",  Row = " + std::to_string(row);
}

std::string SizeStatusText(const DataTable& table) {
    return "Cols = " + std::to_string(table.MaxCol()) +
           ",  Rows = " + std::to_string(table.CaseRows());
}

std::string StatusBarHint(const DataTable& table, const CaseRules& rules,
                          const TransformRec& transform) {
    std::string hint = "Status Bar";
    if (rules.Missing.Active) {
        for (const std::string& text : {rules.Missing.MissingText1(), rules.Missing.MissingText2()})
            if (!text.empty()) hint += "\n  Missing When: " + text;
    }
    if (rules.ProcessIf.Active) {
        for (const std::string& text :
             {rules.ProcessIf.ProcessIfText1(), rules.ProcessIf.ProcessIfText2()})
            if (!text.empty()) hint += "\n  Process If: " + text;
    }
    if (transform.On()) hint += "\n  Transform: " + TransformText(transform);
    hint += "\n" + SizeStatusText(table);
    return hint;
}

EditMenuState EditMenuEnabling(bool dataPage, PressedOn pressed, bool clipboardHasText) {
    EditMenuState state;
    state.ColumnCommands = dataPage && pressed == PressedOn::ColumnHeaders;
    state.RowCommands = dataPage && pressed == PressedOn::RowNumbers;
    state.Paste = clipboardHasText;
    return state;
}

bool DescriptionKeyAllowed(int descRow, char key) {
    if (descRow == DescTitleRow) return true;
    return (key >= '0' && key <= '9') || key == '-' || key == '.' || key == 'E' || key == 'e';
}

bool NumbersCurrent(const Workspace& ws, int col, int row) {
    const TDataList& data = ws.data;
    if (row < 1 || row > data.Ncount || data.Ncount != ws.table.CaseRows()) return false;
    const auto c = static_cast<std::size_t>(col);
    const auto r = static_cast<std::size_t>(row);
    if (col < 1 || col > ws.table.MaxCol() || c >= data.CellValues.size()) return false;
    if (r >= data.CellValues[c].size()) return false;
    return r >= data.RowModified.size() || data.RowModified[r] == 0;
}

CellLook LookOfCell(const Workspace& ws, int col, int row, bool showLevels) {
    CellLook look;
    const TDataList& data = ws.data;
    if (col < 1 || col > MaxColumns) return look;
    look.TextColumn = data.StringVar[static_cast<std::size_t>(col)];
    if (!NumbersCurrent(ws, col, row)) return look;
    const double value = data.Value(col, row);
    look.Excluded = ws.rules.ProcessIf.Active && !data.ProcessOK(row);
    look.Missing = ws.rules.Missing.Active && !ws.table.DataGrid.Cell(col, row).empty() &&
                   !data.DataValid(value);
    if (showLevels && look.TextColumn && value != MissingValue)
        look.Level = static_cast<int>(value);
    return look;
}

void EditorDeactivated(Workspace& ws) {
    DataTable& table = ws.table;
    if (table.LayoutEdited) ++table.LayoutGeneration;
    if (ws.data.DataChanged) ws.data.UpdateEditedRows();
    if (table.DataEdited) ++table.DataGeneration;
    table.LayoutEdited = false;
    table.DataEdited = false;
}

void TableSaved(Workspace& ws) {
    if (ws.table.DataEdited) ++ws.table.DataGeneration;
}

}  // namespace vostrel
