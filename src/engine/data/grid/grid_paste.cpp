#include "engine/data/grid/grid_paste.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "engine/data/grid/clipboard_text.h"
#include "engine/data/grid/memory_check.h"
#include "engine/data/grid/table_edit.h"
#include "engine/data/text_rules.h"
#include "engine/workspace.h"

namespace vostrel {

int ClipboardShape(int lines, int width) {
    if (lines <= 1) return width <= 1 ? 1 : 2;
    return width <= 1 ? 3 : 4;
}

int SelectionShape(const GridRect& selection) {
    const bool oneRow = selection.Top == selection.Bottom;
    const bool oneCol = selection.Left == selection.Right;
    if (oneRow && oneCol) return 1;
    if (oneRow) return 2;
    if (oneCol) return 3;
    return 4;
}

namespace {

const char* const kTooManyColumns = "Maximum Number of Columns Exceeded.";
const char* const kNoText = "There is no text on the Clipboard";
const char* const kNoMemory = "Not Enough Memory to Paste.";

// Where the block goes and what each of its cells becomes.
struct Placement {
    GridRect Rect;
    bool Empty = true;
};

Placement PlaceBlock(const ClipboardBlock& block, const GridRect& sel) {
    Placement p;
    const int lines = static_cast<int>(block.LineCount());
    if (lines == 0) return p;
    const int width = static_cast<int>(block.FieldCount(0));
    const int clipShape = ClipboardShape(lines, width);
    const int selShape = SelectionShape(sel);
    p.Empty = false;
    if (clipShape == selShape || selShape == 1 || clipShape == 4) {
        const int maxWidth = static_cast<int>(block.MaxWidth());
        if (maxWidth == 0) {
            p.Empty = true;
            return p;
        }
        p.Rect = {sel.Left, sel.Top, sel.Left + maxWidth - 1, sel.Top + lines - 1};
    } else if (clipShape == 1) {
        p.Rect = sel;
    } else if (clipShape == 2) {
        p.Rect = {sel.Left, sel.Top, sel.Left + width - 1, sel.Bottom};
    } else {
        p.Rect = {sel.Left, sel.Top, sel.Right, sel.Top + lines - 1};
    }
    return p;
}

// The text of cell (k, i) of the placed block (column k, row i counted from its
// top-left); `keep` when the block leaves that cell as it is.
struct BlockText {
    std::string_view Text;
    bool Keep = false;
};

BlockText TextAt(const ClipboardBlock& block, const GridRect& sel, int k, int i) {
    const int lines = static_cast<int>(block.LineCount());
    const int width = static_cast<int>(block.FieldCount(0));
    const int clipShape = ClipboardShape(lines, width);
    const int selShape = SelectionShape(sel);
    std::size_t line = static_cast<std::size_t>(i);
    std::size_t field = static_cast<std::size_t>(k);
    if (!(clipShape == selShape || selShape == 1 || clipShape == 4)) {
        if (clipShape == 1) {
            line = 0;
            field = 0;
        } else if (clipShape == 2) {
            line = 0;
        } else {
            field = 0;
        }
    }
    if (field >= block.FieldCount(line)) return {{}, true};
    return {block.Field(line, field), false};
}

TextGrid BuildCells(const ClipboardBlock& block, const GridRect& sel, const GridRect& rect,
                    const TextGrid& grid) {
    const int width = rect.Right - rect.Left + 1;
    const int height = rect.Bottom - rect.Top + 1;
    TextGrid cells(width, height, false);
    for (int k = 0; k < width; ++k) {
        for (int i = 0; i < height; ++i) {
            const BlockText t = TextAt(block, sel, k, i);
            cells.SetCell(k, i, t.Keep ? grid.Cell(rect.Left + k, rect.Top + i) : t.Text);
        }
    }
    return cells;
}

// A rough count of what the paste needs: the cells' text and offsets in the table and in
// the undo step, and the numbers derived from them.
std::size_t NeededBytes(const ClipboardBlock& block, const GridRect& rect, const DataTable& table) {
    const auto cells = static_cast<std::size_t>(rect.Right - rect.Left + 1) *
                       static_cast<std::size_t>(rect.Bottom - rect.Top + 1);
    const auto newRows = static_cast<std::size_t>(std::max(0, rect.Bottom - table.CaseRows()));
    const auto cols = static_cast<std::size_t>(std::max(rect.Right, table.MaxCol()) + 4);
    return 2 * block.TextBytes() + 12 * cells + 8 * newRows * cols;
}

// Writes the placed block; the caller has checked the columns.
PasteResult WriteBlock(Workspace& ws, TableEdit& edit, GridId page, const ClipboardBlock& block,
                       const GridRect& sel) {
    PasteResult result;
    const Placement placement = PlaceBlock(block, sel);
    if (placement.Empty) return result;
    const GridRect& rect = placement.Rect;
    const int oldCols = ws.table.MaxCol();
    if (!EnoughMemoryFor(NeededBytes(block, rect, ws.table))) {
        ws.ui.ErrorBox(kNoMemory);
        edit.Cancel();
        return result;
    }
    edit.ReplaceBlock(page, rect.Left, rect.Top,
                      BuildCells(block, sel, rect, GridOf(ws.table, page)));
    result.Pasted = true;
    result.ColumnsChanged = ws.table.MaxCol() != oldCols;
    result.Area = rect;
    return result;
}

bool ColumnsFit(Workspace& ws, int lastColumn) {
    if (lastColumn <= MaxColumns) return true;
    ws.ui.ErrorBox(kTooManyColumns);
    return false;
}

int LastColumnOf(const ClipboardBlock& block, const GridRect& sel) {
    const Placement p = PlaceBlock(block, sel);
    return p.Empty ? sel.Left : p.Rect.Right;
}

// The first line may name the columns: it holds text, and every field of it is text.
bool LooksLikeNames(const ClipboardBlock& block) {
    const std::string& line = block.FirstLine();
    if (line.empty() || !IsText(line)) return false;
    const HeaderFields header = SplitHeaderLine(line, true, false);
    return std::all_of(header.fields.begin(), header.fields.end(),
                       [](const std::string& f) { return IsText(f); });
}

void Finish(Workspace& ws, TableEdit& edit, PasteResult& result, GridId page) {
    if (!result.Pasted && !result.NamesPasted) return;
    edit.Effects().Data = result.NamesPasted || result.ColumnsChanged;
    edit.SetArea(page, result.Area);
    edit.Commit();
    ws.data.RecordModifiedRows(result.Area.Top, result.Area.Bottom);
}

}  // namespace

PasteResult PasteIntoDataGrid(Workspace& ws, const GridRect& selection, std::string_view text) {
    if (text.empty()) {
        ws.ui.Warning(kNoText);
        return {};
    }
    BusyCursor busy(ws.ui);
    PasteResult result;
    try {
        ClipboardBlock block = ClipboardBlock::ForData(text);
        const bool names = LooksLikeNames(block) &&
                           ws.ui.Confirm("Want to use text from first row as Variable Names?",
                                         false) == Answer::Yes;
        std::vector<std::string> nameTexts;
        if (names) {
            for (std::size_t k = 0; k < block.FieldCount(0); ++k)
                nameTexts.emplace_back(block.Field(0, k));
            block.DropFirstLine();
        }
        const int nameCount = static_cast<int>(nameTexts.size());
        // Refused before anything changes, names included.
        if (!ColumnsFit(ws,
                        std::max(selection.Left + nameCount - 1, LastColumnOf(block, selection))))
            return {};
        TableEdit edit(ws.history, "Paste");
        const int oldCols = ws.table.MaxCol();
        if (names) {
            TextGrid row(nameCount, 1, false);
            TextGrid copy(nameCount, 1, false);
            for (int k = 0; k < nameCount; ++k) {
                row.SetCell(k, 0, nameTexts[static_cast<std::size_t>(k)]);
                copy.SetCell(k, 0, nameTexts[static_cast<std::size_t>(k)]);
            }
            edit.ReplaceBlock(GridId::Data, selection.Left, 0, std::move(row));
            edit.ReplaceBlock(GridId::Desc, selection.Left, 0, std::move(copy));
            result.NamesPasted = true;
            result.Area = {selection.Left, selection.Top, selection.Left + nameCount - 1,
                           selection.Top};
        }
        const PasteResult cells = WriteBlock(ws, edit, GridId::Data, block, selection);
        if (!edit.HasChanges()) return {};
        if (cells.Pasted) result.Area = cells.Area;
        result.Pasted = true;
        result.ColumnsChanged = ws.table.MaxCol() != oldCols;
        Finish(ws, edit, result, GridId::Data);
    } catch (const std::bad_alloc&) {
        ws.ui.ErrorBox(kNoMemory);
        return {};
    }
    return result;
}

PasteResult PasteIntoDescGrid(Workspace& ws, const GridRect& selection, std::string_view text) {
    if (text.empty()) {
        ws.ui.Warning(kNoText);
        return {};
    }
    BusyCursor busy(ws.ui);
    PasteResult result;
    try {
        const ClipboardBlock block = ClipboardBlock::ForDescriptions(text);
        if (!ColumnsFit(ws, LastColumnOf(block, selection))) return {};
        TableEdit edit(ws.history, "Paste");
        result = WriteBlock(ws, edit, GridId::Desc, block, selection);
        if (!edit.HasChanges()) return {};
        result.Area.Bottom = std::min(result.Area.Bottom, static_cast<int>(DescLSLRow));
        Finish(ws, edit, result, GridId::Desc);
    } catch (const std::bad_alloc&) {
        ws.ui.ErrorBox(kNoMemory);
        return {};
    }
    return result;
}

}  // namespace vostrel
