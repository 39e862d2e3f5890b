#include "engine/data/text_grid.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace vostrel {

TextGrid::TextGrid(int colCount, int rowCount, bool numberedRows) : numberedRows_(numberedRows) {
    Reset(colCount, rowCount);
}

void TextGrid::Reset(int colCount, int rowCount) {
    columns_.assign(static_cast<std::size_t>(std::max(colCount, 1)), Column{});
    rowCount_ = std::max(rowCount, 1);
}

std::string_view TextGrid::StoredCell(const Column& column, int row) const {
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

void TextGrid::SetRowCount(int rowCount) {
    rowCount = std::max(rowCount, 1);
    if (rowCount < rowCount_) {
        // Drop the text of the removed rows so that growing again shows empty cells.
        const auto keepBlocks = static_cast<std::size_t>((rowCount + kBlockRows - 1) / kBlockRows);
        const auto slotsInLast =
            static_cast<std::size_t>(rowCount - static_cast<int>(keepBlocks - 1) * kBlockRows);
        for (Column& column : columns_) {
            if (column.blocks.size() > keepBlocks) column.blocks.resize(keepBlocks);
            if (column.blocks.size() == keepBlocks && keepBlocks > 0) {
                Block& last = column.blocks.back();
                if (last.ends.size() > slotsInLast) {
                    last.ends.resize(slotsInLast);
                    last.text.resize(slotsInLast == 0 ? 0 : last.ends.back());
                }
            }
        }
    }
    rowCount_ = rowCount;
}

std::vector<std::string> TextGrid::TakeCells(const Column& column, int rowCount) {
    std::vector<std::string> cells(static_cast<std::size_t>(rowCount));
    for (std::size_t b = 0; b < column.blocks.size(); ++b) {
        const Block& block = column.blocks[b];
        std::uint32_t begin = 0;
        for (std::size_t slot = 0; slot < block.ends.size(); ++slot) {
            const std::size_t row = b * kBlockRows + slot;
            if (row < cells.size()) cells[row] = block.text.substr(begin, block.ends[slot] - begin);
            begin = block.ends[slot];
        }
    }
    return cells;
}

TextGrid::Column TextGrid::MakeColumn(const std::vector<std::string>& cells) {
    Column column;
    for (std::size_t row = 0; row < cells.size(); ++row)
        StoreCell(column, static_cast<int>(row), cells[row]);
    return column;
}

void TextGrid::InsertRows(int at, int count) {
    if (count <= 0) return;
    at = std::clamp(at, 0, rowCount_);
    for (Column& column : columns_) {
        std::vector<std::string> cells = TakeCells(column, rowCount_);
        cells.insert(cells.begin() + at, static_cast<std::size_t>(count), std::string());
        column = MakeColumn(cells);
    }
    rowCount_ += count;
}

void TextGrid::DeleteRows(int at, int count) {
    if (at < 0 || at >= rowCount_ || count <= 0) return;
    count = std::min(count, rowCount_ - at);
    for (Column& column : columns_) {
        std::vector<std::string> cells = TakeCells(column, rowCount_);
        cells.erase(cells.begin() + at, cells.begin() + at + count);
        column = MakeColumn(cells);
    }
    rowCount_ = std::max(rowCount_ - count, 1);
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
