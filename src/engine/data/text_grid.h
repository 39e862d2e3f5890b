#pragma once
// The text of a string grid, kept compactly: each column stores its cells in blocks of
// consecutive rows, one character buffer and one end offset per cell, instead of one heap
// string per cell. A million-row table then costs little more than its text, and editing
// one cell rewrites one block only.
//
// Like a string grid, it has ColCount() columns and RowCount() rows, row 0 and column 0
// included. When the grid numbers its rows, column 0 of every row below the header reads
// as the row number and cannot be written.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data/grid/packed_texts.h"

namespace vostrel {

class TextGrid {
  public:
    TextGrid(int colCount, int rowCount, bool numberedRows);

    int ColCount() const { return static_cast<int>(columns_.size()); }
    int RowCount() const { return rowCount_; }

    // The cell text; empty outside the grid. The view stays valid until the next change
    // of this column.
    std::string_view Cell(int col, int row) const;
    std::string CellString(int col, int row) const { return std::string(Cell(col, row)); }
    // Writes a cell; writes outside the grid (and to a numbered row label) are ignored.
    void SetCell(int col, int row, std::string_view text);

    // New rows and columns are empty; removed ones are gone.
    void SetColCount(int colCount);
    void SetRowCount(int rowCount);
    void InsertRows(int at, int count);
    void DeleteRows(int at, int count);
    void InsertColumns(int at, int count);
    void DeleteColumns(int at, int count);
    // Empties every cell and sets the size.
    void Reset(int colCount, int rowCount);

    // Moves whole columns or rows out into a grid of their own (rows not numbered) and back
    // in, without copying their text cell by cell: what an undo step keeps of them.
    TextGrid TakeColumns(int at, int count);
    void PutColumns(int at, TextGrid&& piece);
    TextGrid TakeRows(int at, int count);
    void PutRows(int at, TextGrid&& piece);

    // Exchanges the cells of the block whose top-left cell is (left, top) with the cells
    // (0, 0)..(w - 1, h - 1) of `block`; each column is rewritten once. The block must lie
    // inside the grid.
    void SwapBlock(int left, int top, TextGrid& block);
    // Exchanges the texts of the given rows (ascending, inside the grid) of one column with
    // `texts`, one text per row.
    void SwapCells(int col, const std::vector<int>& rows, PackedTexts& texts);

    bool NumberedRows() const { return numberedRows_; }

    // Bytes held by the cells' text and offsets (for the memory figures).
    std::size_t StoredBytes() const;

  private:
    static constexpr int kBlockRows = 512;

    // Rows [first, first + ends.size()) of a block have text; rows after them are empty.
    struct Block {
        std::string text;
        std::vector<std::uint32_t> ends;
    };
    struct Column {
        std::vector<Block> blocks;
    };

    static std::string_view StoredCell(const Column& column, int row);
    static void StoreCell(Column& column, int row, std::string_view text);
    // Rewrites rows first..last of a column from textOf(row), called once per row in
    // ascending order; blocks after the last row's block are kept when keepAfter is set
    // and dropped otherwise. The old column stays readable until the new blocks are done.
    template <typename TextOf>
    static void Rewrite(Column& column, int first, int last, bool keepAfter, TextOf textOf);
    static void Truncate(Column& column, int rowCount);
    // Runs work(c) for columns first..first + count - 1, sharing large grids out among
    // the cores; each column is handled by one thread.
    template <typename Work>
    void ForEachColumn(int first, int count, Work work);

    std::vector<Column> columns_;
    int rowCount_ = 0;
    bool numberedRows_ = false;
    mutable std::string rowLabel_;  // backs the view of a numbered row label
};

}  // namespace vostrel
