#pragma once
// The primitive changes of the data table that undo knows how to reverse. Each one holds
// what the table does not show in its present state: flipping it undoes the change,
// flipping it again redoes it. So a change keeps only the cells it touched, never a copy
// of the table.

#include <cstddef>
#include <variant>
#include <vector>

#include "engine/data/data_table.h"
#include "engine/data/grid/packed_texts.h"
#include "engine/data/text_grid.h"

namespace vostrel {

// The grid a change or a command works on: the data page or the descriptions page.
enum class GridId { Data, Desc };

TextGrid& GridOf(DataTable& table, GridId grid);
const TextGrid& GridOf(const DataTable& table, GridId grid);

// The cells of a block, with (left, top) its top-left cell.
struct BlockChange {
    GridId Grid = GridId::Data;
    int Left = 0, Top = 0;
    TextGrid Cells{1, 1, false};
};

// Some cells of one column (rows ascending).
struct CellsChange {
    GridId Grid = GridId::Data;
    int Col = 0;
    std::vector<int> Rows;
    PackedTexts Texts;
};

// Columns of both grids, inserted (present) or deleted (held here).
struct ColumnsChange {
    int At = 1, Count = 0;
    bool Present = true;
    TextGrid Data{1, 1, false};
    TextGrid Desc{1, 1, false};
};

// Rows of the data grid, inserted (present) or deleted (held here).
struct RowsChange {
    int At = 1, Count = 0;
    bool Present = true;
    TextGrid Rows{1, 1, false};
};

// Both grids replaced at once (the grids the table does not show are held here).
struct GridsChange {
    TextGrid Data{2, 2, true};
    TextGrid Desc{2, 5, false};
};

using GridChange = std::variant<BlockChange, CellsChange, ColumnsChange, RowsChange, GridsChange>;

// Undoes the change, or redoes it when it was undone.
void Flip(GridChange& change, DataTable& table);
// Flips changes[first..) in order, or all of them in reverse order; runs of changes to
// scattered cells of different columns are flipped side by side on several threads.
void FlipAll(std::vector<GridChange>& changes, std::size_t first, DataTable& table);
void FlipAllReversed(std::vector<GridChange>& changes, DataTable& table);

// Whether the change moves rows or columns (so the numeric store must be resized).
bool ChangesShape(const GridChange& change);

// Memory held by the change.
std::size_t HeldBytes(const GridChange& change);

// The data rows whose cells the change touched: first..last, or everything from first on
// for a change of shape; last < first when no data row was touched.
struct RowSpan {
    int First = 1, Last = 0;
};
RowSpan TouchedDataRows(const GridChange& change, const DataTable& table);

}  // namespace vostrel
