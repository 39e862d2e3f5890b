#include "engine/data/text_grid.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "engine/data/parallel_columns.h"

namespace vostrel {

TextGrid::TextGrid(int colCount, int rowCount, bool numberedRows) : numberedRows_(numberedRows) {
    Reset(colCount, rowCount);
}

void TextGrid::Reset(int colCount, int rowCount) {
    columns_.assign(static_cast<std::size_t>(std::max(colCount, 1)), Column{});
    rowCount_ = std::max(rowCount, 1);
}

std::string_view TextGrid::StoredCell(const Column& column, int row) {
    const auto blockIndex = static_cast<std::size_t>(row / kBlockRows);
    if (blockIndex >= column.blocks.size()) return {};
    const Block& block = column.blocks[blockIndex];
    const auto slot = static_cast<std::size_t>(row % kBlockRows);
    if (slot >= block.ends.size()) return {};
    const std::uint32_t begin = slot == 0 ? 0 : block.ends[slot - 1];
    return std::string_view(block.text).substr(begin, block.ends[slot] - begin);
}

std::string_view TextGrid::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= rowCount_) return {};
    if (numberedRows_ && col == 0 && row > 0) {
        rowLabel_ = std::to_string(row);
        return rowLabel_;
    }
    return StoredCell(columns_[static_cast<std::size_t>(col)], row);
}

void TextGrid::StoreCell(Column& column, int row, std::string_view text) {
    const auto blockIndex = static_cast<std::size_t>(row / kBlockRows);
    if (blockIndex >= column.blocks.size()) {
        if (text.empty()) return;
        column.blocks.resize(blockIndex + 1);
    }
    Block& block = column.blocks[blockIndex];
    const auto slot = static_cast<std::size_t>(row % kBlockRows);
    if (slot >= block.ends.size()) {
        if (text.empty()) return;
        // Appending: the rows between the last stored one and this one are empty.
        const auto size = static_cast<std::uint32_t>(block.text.size());
        block.ends.resize(slot, size);
        if (block.text.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("cell text too long");
        block.text.append(text);
        block.ends.push_back(static_cast<std::uint32_t>(block.text.size()));
        if (block.ends.size() == kBlockRows) {
            // A full block rarely grows again; give back what appending over-reserved.
            block.text.shrink_to_fit();
            block.ends.shrink_to_fit();
        }
        return;
    }
    const std::uint32_t begin = slot == 0 ? 0 : block.ends[slot - 1];
    const std::uint32_t end = block.ends[slot];
    const std::size_t newSize = block.text.size() - (end - begin) + text.size();
    if (newSize > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("cell text too long");
    block.text.replace(begin, end - begin, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - (end - begin);
    for (std::size_t i = slot; i < block.ends.size(); ++i)
        block.ends[i] = static_cast<std::uint32_t>(block.ends[i] + delta);
    // Trailing empty cells need no offsets.
    while (!block.ends.empty() &&
           (block.ends.size() == 1 ? block.ends[0] == 0
                                   : block.ends.back() == block.ends[block.ends.size() - 2]))
        block.ends.pop_back();
}

void TextGrid::SetCell(int col, int row, std::string_view text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= rowCount_) return;
    if (numberedRows_ && col == 0 && row > 0) return;
    StoreCell(columns_[static_cast<std::size_t>(col)], row, text);
}

void TextGrid::AppendCells(int col, int firstRow, std::string_view text,
                           std::span<const std::uint32_t> ends) {
    const auto count = static_cast<int>(ends.size());
    if (col < 0 || col >= ColCount() || firstRow < 0 || count > rowCount_ - firstRow ||
        (numberedRows_ && col == 0)) {
        for (int i = 0; i < count; ++i) {
            const std::uint32_t begin = i == 0 ? 0 : ends[static_cast<std::size_t>(i) - 1];
            SetCell(col, firstRow + i,
                    text.substr(begin, ends[static_cast<std::size_t>(i)] - begin));
        }
        return;
    }
    Column& column = columns_[static_cast<std::size_t>(col)];
    int i = 0;
    while (i < count) {
        // The cells that fall into one block are copied at once.
        const int row = firstRow + i;
        const auto blockIndex = static_cast<std::size_t>(row / kBlockRows);
        const auto slot = static_cast<std::size_t>(row % kBlockRows);
        const int inBlock = std::min(count - i, kBlockRows - static_cast<int>(slot));
        const auto first = static_cast<std::size_t>(i);
        const auto last = first + static_cast<std::size_t>(inBlock);  // one past
        i += inBlock;
        const std::uint32_t begin = first == 0 ? 0 : ends[first - 1];
        const std::uint32_t end = ends[last - 1];
        if (blockIndex < column.blocks.size() && column.blocks[blockIndex].ends.size() > slot) {
            // Not empty below firstRow after all: write cell by cell.
            for (std::size_t k = first; k < last; ++k) {
                const std::uint32_t from = k == 0 ? 0 : ends[k - 1];
                StoreCell(column, firstRow + static_cast<int>(k),
                          text.substr(from, ends[k] - from));
            }
            continue;
        }
        if (end == begin) continue;  // empty cells need nothing stored
        if (blockIndex >= column.blocks.size()) column.blocks.resize(blockIndex + 1);
        Block& block = column.blocks[blockIndex];
        const auto base = static_cast<std::uint32_t>(block.text.size());
        if (block.text.size() + (end - begin) > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("cell text too long");
        block.text.reserve(block.text.size() + (end - begin));
        block.text.append(text.substr(begin, end - begin));
        block.ends.reserve(slot + static_cast<std::size_t>(inBlock));
        block.ends.resize(slot, base);  // the empty rows before
        for (std::size_t k = first; k < last; ++k) block.ends.push_back(base + (ends[k] - begin));
    }
}

void TextGrid::SetColCount(int colCount) {
    columns_.resize(static_cast<std::size_t>(std::max(colCount, 1)));
}

void TextGrid::Truncate(Column& column, int rowCount) {
    const auto keepBlocks = static_cast<std::size_t>((rowCount + kBlockRows - 1) / kBlockRows);
    const auto slotsInLast =
        static_cast<std::size_t>(rowCount - static_cast<int>(keepBlocks - 1) * kBlockRows);
    if (column.blocks.size() > keepBlocks) column.blocks.resize(keepBlocks);
    if (column.blocks.size() == keepBlocks && keepBlocks > 0) {
        Block& last = column.blocks.back();
        if (last.ends.size() > slotsInLast) {
            last.ends.resize(slotsInLast);
            last.text.resize(slotsInLast == 0 ? 0 : last.ends.back());
        }
    }
}

void TextGrid::SetRowCount(int rowCount) {
    rowCount = std::max(rowCount, 1);
    // Drop the text of the removed rows so that growing again shows empty cells.
    if (rowCount < rowCount_)
        for (Column& column : columns_) Truncate(column, rowCount);
    rowCount_ = rowCount;
}

template <typename TextOf>
void TextGrid::Rewrite(Column& column, int first, int last, bool keepAfter, TextOf textOf) {
    const int firstBlock = first / kBlockRows;
    const int lastBlock = last / kBlockRows;
    const int base = firstBlock * kBlockRows;
    // The new blocks firstBlock..lastBlock, their rows counted from base.
    Column fresh;
    for (int r = base; r < first; ++r) StoreCell(fresh, r - base, StoredCell(column, r));
    for (int r = first; r <= last; ++r) StoreCell(fresh, r - base, textOf(r));
    std::vector<Block> after;
    if (keepAfter) {
        for (int r = last + 1; r < (lastBlock + 1) * kBlockRows; ++r)
            StoreCell(fresh, r - base, StoredCell(column, r));
        const auto next = static_cast<std::size_t>(lastBlock) + 1;
        if (column.blocks.size() > next) {
            after.assign(std::make_move_iterator(column.blocks.begin() + static_cast<long>(next)),
                         std::make_move_iterator(column.blocks.end()));
            fresh.blocks.resize(static_cast<std::size_t>(lastBlock - firstBlock) + 1);
        }
    }
    std::vector<Block>& blocks = column.blocks;
    blocks.resize(static_cast<std::size_t>(firstBlock));
    for (Block& block : fresh.blocks) blocks.push_back(std::move(block));
    for (Block& block : after) blocks.push_back(std::move(block));
}

template <typename Work>
void TextGrid::ForEachColumn(int first, int count, Work work) {
    ForEachColumnInParallel(count,
                            static_cast<std::size_t>(count) * static_cast<std::size_t>(rowCount_),
                            [&](int c) { work(first + c - 1); });
}

TextGrid TextGrid::TakeRows(int at, int count) {
    at = std::clamp(at, 0, rowCount_);
    count = std::clamp(count, 0, rowCount_ - at);
    TextGrid piece(ColCount(), count, false);
    if (count == 0) return piece;
    const int newRowCount = rowCount_ - count;
    ForEachColumn(0, ColCount(), [&](int c) {
        Column& column = columns_[static_cast<std::size_t>(c)];
        Column& taken = piece.columns_[static_cast<std::size_t>(c)];
        for (int r = 0; r < count; ++r) StoreCell(taken, r, StoredCell(column, at + r));
        if (at < newRowCount)
            Rewrite(column, at, newRowCount - 1, false,
                    [&](int r) { return StoredCell(column, r + count); });
        else
            Truncate(column, newRowCount);
    });
    rowCount_ = std::max(newRowCount, 1);
    return piece;
}

void TextGrid::PutRows(int at, TextGrid&& piece) {
    at = std::clamp(at, 0, rowCount_);
    const int count = piece.RowCount();
    const int newRowCount = rowCount_ + count;
    ForEachColumn(0, ColCount(), [&](int c) {
        Column& column = columns_[static_cast<std::size_t>(c)];
        const bool inPiece = c < piece.ColCount();
        Rewrite(column, at, newRowCount - 1, false, [&](int r) -> std::string_view {
            if (r >= at + count) return StoredCell(column, r - count);
            return inPiece ? StoredCell(piece.columns_[static_cast<std::size_t>(c)], r - at)
                           : std::string_view();
        });
    });
    rowCount_ = newRowCount;
}

void TextGrid::InsertRows(int at, int count) {
    if (count <= 0) return;
    PutRows(at, TextGrid(ColCount(), count, false));
}

void TextGrid::DeleteRows(int at, int count) {
    if (at < 0 || at >= rowCount_ || count <= 0) return;
    TakeRows(at, count);
}

TextGrid TextGrid::TakeColumns(int at, int count) {
    at = std::clamp(at, 0, ColCount());
    count = std::clamp(count, 0, ColCount() - at);
    TextGrid piece(std::max(count, 1), rowCount_, false);
    for (int c = 0; c < count; ++c)
        piece.columns_[static_cast<std::size_t>(c)] =
            std::move(columns_[static_cast<std::size_t>(at + c)]);
    columns_.erase(columns_.begin() + at, columns_.begin() + at + count);
    if (columns_.empty()) columns_.resize(1);
    return piece;
}

void TextGrid::PutColumns(int at, TextGrid&& piece) {
    at = std::clamp(at, 0, ColCount());
    if (piece.rowCount_ > rowCount_) piece.SetRowCount(rowCount_);
    columns_.insert(columns_.begin() + at, std::make_move_iterator(piece.columns_.begin()),
                    std::make_move_iterator(piece.columns_.end()));
}

void TextGrid::SwapBlock(int left, int top, TextGrid& block) {
    const int width = block.ColCount();
    const int height = block.RowCount();
    if (left < 0 || top < 0 || left + width > ColCount() || top + height > rowCount_)
        throw std::out_of_range("block outside the grid");
    ForEachColumn(0, width, [&](int c) {
        Column& column = columns_[static_cast<std::size_t>(left + c)];
        Column& other = block.columns_[static_cast<std::size_t>(c)];
        Column taken;
        for (int r = 0; r < height; ++r) StoreCell(taken, r, StoredCell(column, top + r));
        Rewrite(column, top, top + height - 1, true,
                [&](int r) { return StoredCell(other, r - top); });
        other = std::move(taken);
    });
}

void TextGrid::SwapCells(int col, const std::vector<int>& rows, PackedTexts& texts) {
    if (col < 0 || col >= ColCount()) throw std::out_of_range("column outside the grid");
    Column& column = columns_[static_cast<std::size_t>(col)];
    // What the cells hold now, kept exactly as large as it needs to be.
    std::size_t bytes = 0;
    for (int r : rows) bytes += StoredCell(column, r).size();
    PackedTexts old;
    old.reserve(rows.size(), bytes);
    for (int r : rows) old.push_back(StoredCell(column, r));
    // One rewrite for the rows that share a block.
    std::size_t i = 0;
    while (i < rows.size()) {
        std::size_t j = i + 1;
        while (j < rows.size() && rows[j] / kBlockRows == rows[i] / kBlockRows) ++j;
        std::size_t next = i;
        Rewrite(column, rows[i], rows[j - 1], true, [&](int r) {
            if (next < j && rows[next] == r) return texts[next++];
            return StoredCell(column, r);
        });
        i = j;
    }
    texts = std::move(old);
}

void TextGrid::InsertColumns(int at, int count) {
    if (count <= 0) return;
    at = std::clamp(at, 0, ColCount());
    columns_.insert(columns_.begin() + at, static_cast<std::size_t>(count), Column{});
}

void TextGrid::DeleteColumns(int at, int count) {
    if (at < 0 || at >= ColCount() || count <= 0) return;
    count = std::min(count, ColCount() - at);
    columns_.erase(columns_.begin() + at, columns_.begin() + at + count);
    if (columns_.empty()) columns_.resize(1);
}

TextGrid::ColumnReader::ColumnReader(const TextGrid& grid, int col, int firstRow)
    : grid_(&grid),
      col_(col),
      row_(firstRow),
      stored_(col >= 0 && col < grid.ColCount() && !(grid.numberedRows_ && col == 0)) {}

void TextGrid::ColumnReader::EnterBlock(std::size_t index) {
    const Column& column = grid_->columns_[static_cast<std::size_t>(col_)];
    blockIndex_ = index;
    block_ = index < column.blocks.size() ? &column.blocks[index] : nullptr;
}

std::size_t TextGrid::StoredBytes() const {
    std::size_t bytes = 0;
    for (const Column& column : columns_)
        for (const Block& block : column.blocks)
            bytes += block.text.capacity() + block.ends.capacity() * sizeof(std::uint32_t);
    return bytes;
}

}  // namespace vostrel
