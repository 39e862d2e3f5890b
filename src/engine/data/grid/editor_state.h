#pragma once
// The rules of the data editor window that need no widget: its caption, the texts of its
// status bar, which menu items are enabled, which keys a description cell takes, and what
// leaving the editor does to the change counters.

#include <string>

#include "engine/data/data_table.h"

namespace vostrel {

class Workspace;
struct CaseRules;
struct TransformRec;

// "Data", or "Data - " + file name, followed by "  (modified)" while modified.
std::string EditorCaption(const DataTable& table);

// Status panels 0 and 4: "Col = 3,  Row = 12" and "Cols = 8,  Rows = 300".
std::string CellStatusText(int col, int row);
std::string SizeStatusText(const DataTable& table);
// The status bar's hint: "Status Bar", then a line per active rule and the size.
std::string StatusBarHint(const DataTable& table, const CaseRules& rules,
                          const TransformRec& transform);

// What the last mouse press in a grid selected.
enum class PressedOn { Cells, ColumnHeaders, RowNumbers };

struct EditMenuState {
    bool ColumnCommands = false;  // Delete / Insert Column(s), Change Column Names (popup)
    bool RowCommands = false;     // Delete / Insert Row(s)
    bool Paste = false;
};
// The Edit menu and the grid's popup menu take these when they open.
EditMenuState EditMenuEnabling(bool dataPage, PressedOn pressed, bool clipboardHasText);

// Description cells: the USL, Target and LSL rows take only what a number is typed with
// (digits, "-", ".", "E", "e"); the title row takes anything.
bool DescriptionKeyAllowed(int descRow, char key);

// How a data cell is drawn beyond its text.
struct CellLook {
    bool TextColumn = false;  // the column is a text variable (yellow)
    bool Excluded = false;    // the row fails the Process If conditions (aqua)
    bool Missing = false;     // a filled cell whose value counts as missing (blue)
    int Level = 0;            // the text level shown after the text; 0 for none
};
// Whether the numbers of a cell are derived from its present text, so that what is drawn
// from them is right. Edited rows and every row after rows or columns moved are not,
// until the numbers are derived again.
bool NumbersCurrent(const Workspace& ws, int col, int row);
CellLook LookOfCell(const Workspace& ws, int col, int row, bool showLevels);

// Leaving the editor: the numbers are derived again when the text changed, and the change
// counters advance for what was edited, so that other windows catch up.
void EditorDeactivated(Workspace& ws);
// After a save: the data generation advances when data were edited.
void TableSaved(Workspace& ws);

}  // namespace vostrel
