#pragma once
// Pasting clipboard text into the data table, by the shapes of the clipboard block and of
// the selection:
//  - the same shape, a single-cell selection, or a block of several lines and fields: the
//    lines go into successive rows from the selection's top-left cell;
//  - one value into a larger selection: into every selected cell;
//  - one line of values into a column or block selection: into every selected row;
//  - one column of values into a row or block selection: into every selected column.
// A paste is one undoable step. One that would need more than 512 columns, or more memory
// than the machine has, is refused with a message and changes nothing.

#include <string_view>

#include "engine/data/data_table.h"

namespace vostrel {

class Workspace;
class ClipboardBlock;

// Clipboard blocks: 1 one value, 2 one line of values, 3 lines of one value each (judged by
// the first line), 4 lines of several values. Selections: 1 one cell, 2 one row of cells,
// 3 one column of cells, 4 a block.
int ClipboardShape(int lines, int width);
int SelectionShape(const GridRect& selection);

struct PasteResult {
    bool Pasted = false;          // the table changed
    bool NamesPasted = false;     // the first line became the column names
    bool ColumnsChanged = false;  // the table has more columns than before
    GridRect Area;                // the cells written (selected afterwards)
};

// The data page. When the first line looks like names (text in every field) the user is
// asked "Want to use text from first row as Variable Names?".
PasteResult PasteIntoDataGrid(Workspace& ws, const GridRect& selection, std::string_view text);

// The descriptions page: lines split at tabs only; rows beyond the four description rows
// are dropped.
PasteResult PasteIntoDescGrid(Workspace& ws, const GridRect& selection, std::string_view text);

}  // namespace vostrel
