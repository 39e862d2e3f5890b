#include "engine/data/data_file_chunk.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "engine/data/cell_value.h"
#include "engine/data/data_file_lines.h"
#include "engine/core/missing_value.h"

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

namespace {

// Finds the line ends of a text from the front: the next LF and the next CR are each looked
// for (quickly, with memchr) only once the text has been read past the last one found, so
// that a file with only one kind of line end is not searched through for the other on
// every line.
class LineEnds {
  public:
    explicit LineEnds(std::string_view text)
        : text_(text), nextLf_(Find('\n', 0)), nextCr_(Find('\r', 0)) {}

    // Where the line that starts at `pos` ends.
    std::size_t From(std::size_t pos) {
        if (nextLf_ < pos) nextLf_ = Find('\n', pos);
        if (nextCr_ < pos) nextCr_ = Find('\r', pos);
        return std::min(nextLf_, nextCr_);
    }

  private:
    std::size_t Find(char c, std::size_t pos) const {
        if (pos >= text_.size()) return text_.size();
        const void* at = std::memchr(text_.data() + pos, c, text_.size() - pos);
        return at == nullptr
                   ? text_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(at) - text_.data());
    }

    std::string_view text_;
    std::size_t nextLf_;  // the first LF at or after the text read so far, or the end
    std::size_t nextCr_;
};

}  // namespace

void DataFileChunk::Split(std::string_view text, bool startOfFile) {
    Clear();
    textEnd_ = text.data() + text.size();
    bool first = startOfFile;
    LineEnds lineEnds(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = lineEnds.From(pos);
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

void DataFileChunk::CellTextTooLong() { throw std::length_error("cell text too long"); }

void DataFileChunk::AddNumberCell(ChunkColumn& column, std::string_view text, double value) {
    AddText(column, text);
    column.values.push_back(value);
}

void DataFileChunk::AddCell(ChunkColumn& column, std::string_view text) {
    AddText(column, text);
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
    const char separator = DataLineSeparator(line);
    if (separator == ' ')
        CaseLineAtSpaces(line);
    else
        CaseLineAt(line, separator);
}

void DataFileChunk::CaseLineAtSpaces(std::string_view line) {
    SplitCaseLine(line, fields_, dropped_);
    const auto count = static_cast<int>(fields_.size());
    if (count > columnCount_) AddColumns(count);
    for (int k = 0; k < count; ++k)
        AddCell(columns_[static_cast<std::size_t>(k)], fields_[static_cast<std::size_t>(k)]);
    EndCase(count);
}

// The fields are taken as they are found, as SplitCaseLine gives them: every field before a
// separator counts, even empty, the one after the last only when not blank. A field that is
// a plainly written number is read as its end is looked for.
void DataFileChunk::CaseLineAt(std::string_view line, char separator) {
    const char* const end = line.data() + line.size();
    const char* start = line.data();
    int count = 0;
    while (true) {
        double value = 0;
        const char* at = ReadPlainDecimalPrefix(start, end, value);
        const bool plainNumber = at != nullptr && (at == end || *at == separator);
        if (!plainNumber) {
            at = start;
            while (at != end && *at != separator) ++at;
        }
        const bool last = at == end;
        const std::string_view text(start, static_cast<std::size_t>(at - start));
        const std::string_view field = plainNumber ? text : TrimSpaces(text);
        if (last && field.empty()) break;
        if (count == MaxColumns) {
            dropped_ = true;
            break;
        }
        if (count == columnCount_) AddColumns(count + 1);
        ChunkColumn& column = columns_[static_cast<std::size_t>(count)];
        if (plainNumber)
            AddNumberCell(column, field, value);
        else
            AddCell(column, field);
        ++count;
        if (last) break;
        start = at + 1;
    }
    EndCase(count);
}

// The line gave `count` cells; the columns it did not reach get a missing one.
void DataFileChunk::EndCase(int count) {
    if (count == 0) return;  // no fields: not a case
    for (int k = count; k < columnCount_; ++k) {
        ChunkColumn& column = columns_[static_cast<std::size_t>(k)];
        column.ends.push_back(static_cast<std::uint32_t>(column.text.size()));
        column.values.push_back(MissingValue);
    }
    ++cases_;
}

}  // namespace vostrel
