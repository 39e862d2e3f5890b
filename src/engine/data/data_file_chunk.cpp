#include "engine/data/data_file_chunk.h"

#include <limits>
#include <stdexcept>

#include "engine/data/cell_value.h"
#include "engine/data/data_file_lines.h"
#include "engine/data/missing_value.h"

namespace vostrel {

void DataFileChunk::Clear() {
    for (int k = 0; k < columnCount_; ++k) {
        ChunkColumn& column = columns_[static_cast<std::size_t>(k)];
        column.text.clear();
        column.ends.clear();
        column.values.clear();
        column.hasText = false;
    }
    columnCount_ = 0;
    cases_ = 0;
    names_.reset();
    descriptions_.clear();
    lineLengths_.clear();
    dropped_ = false;
}

void DataFileChunk::Split(std::string_view text, bool startOfFile) {
    Clear();
    bool first = startOfFile;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            const bool crLf = text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
            pos += crLf ? 2 : 1;
        }
        lineLengths_.push_back(line.size());
        InterpretLine(line, first, *this);
        first = false;
    }
}

void DataFileChunk::NameLine(HeaderFields names) {
    if (names.truncated) dropped_ = true;
    names_ = std::move(names);
}

void DataFileChunk::DescriptionLine(int row, HeaderFields fields) {
    if (fields.truncated) dropped_ = true;
    descriptions_.push_back({row, std::move(fields)});
}

void DataFileChunk::AddColumns(int count) {
    if (columns_.size() < static_cast<std::size_t>(count))
        columns_.resize(static_cast<std::size_t>(count));
    // The earlier cases had no cell in the new columns.
    for (int k = columnCount_; k < count; ++k) {
        ChunkColumn& column = columns_[static_cast<std::size_t>(k)];
        column.ends.assign(static_cast<std::size_t>(cases_), 0);
        column.values.assign(static_cast<std::size_t>(cases_), MissingValue);
    }
    columnCount_ = count;
}

void DataFileChunk::AddCell(ChunkColumn& column, std::string_view text) {
    if (column.text.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("cell text too long");
    column.text.append(text);
    column.ends.push_back(static_cast<std::uint32_t>(column.text.size()));
    double value = MissingValue;
    switch (ReadCell(text, value)) {
        case CellKind::Number:
            break;
        case CellKind::Missing:
            value = MissingValue;
            break;
        case CellKind::Text:
            column.hasText = true;
            value = TextMarker;
            break;
    }
    column.values.push_back(value);
}

void DataFileChunk::CaseLine(std::string_view line) {
    SplitCaseLine(line, fields_, dropped_);
    if (fields_.empty()) return;
    const auto count = static_cast<int>(fields_.size());
    if (count > columnCount_) AddColumns(count);
    for (int k = 0; k < columnCount_; ++k) {
        ChunkColumn& column = columns_[static_cast<std::size_t>(k)];
        if (k < count) {
            AddCell(column, fields_[static_cast<std::size_t>(k)]);
        } else {
            column.ends.push_back(static_cast<std::uint32_t>(column.text.size()));
            column.values.push_back(MissingValue);
        }
    }
    ++cases_;
}

}  // namespace vostrel
