#pragma once
// A chunk of a data file (whole lines) split into what the table takes from it: the cells
// of its case lines column by column, with the text of each cell and the value it derives
// to; its description lines in order; the names when it begins the file; and the length
// of each line, for the progress gauge. Chunks are split on several threads and then
// joined into the table in file order. A chunk keeps its memory from one split to the
// next, so splitting allocates nothing once the chunks have grown to their size.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data/cell_text_buffer.h"
#include "engine/data/text_rules.h"

namespace vostrel {

// One column of the chunk's cases.
struct ChunkColumn {
    CellTextBuffer text;              // the cells' text, one after the other
    std::vector<std::uint32_t> ends;  // per case: where its cell's text ends in `text`
    std::vector<double> values;       // per case: the value the cell derives to
    bool hasText = false;             // a cell holds text, so the column is a text variable
};

struct ChunkDescription {
    int row = 0;  // DescTitleRow .. DescLSLRow
    HeaderFields fields;
};

class DataFileChunk {
  public:
    // Splits the lines of `text`; `startOfFile` when it begins the file.
    void Split(std::string_view text, bool startOfFile);

    int Cases() const { return cases_; }
    // Columns 0.. hold the fields 1.. of the cases.
    int ColumnCount() const { return columnCount_; }
    const ChunkColumn& Column(int k) const { return columns_[static_cast<std::size_t>(k)]; }
    const std::optional<HeaderFields>& Names() const { return names_; }
    const std::vector<ChunkDescription>& Descriptions() const { return descriptions_; }
    // The length of every line, without its end, in file order.
    const std::vector<std::size_t>& LineLengths() const { return lineLengths_; }
    // A line had more fields than the table keeps.
    bool ColumnsDropped() const { return dropped_; }

    // The kinds of line (see InterpretLine).
    void NameLine(HeaderFields names);
    void DescriptionLine(int row, HeaderFields fields);
    void CaseLine(std::string_view line);

  private:
    void Clear();
    void AddColumns(int count);
    // A cell of the given text, read as the table reads cells; a plainly written number
    // whose value is known already.
    void AddCell(ChunkColumn& column, std::string_view text);
    void AddNumberCell(ChunkColumn& column, std::string_view text, double value);
    void AddText(ChunkColumn& column, std::string_view text) {
        // The ends are kept in 32 bits.
        if (column.text.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
            CellTextTooLong();
        column.text.Append(text, static_cast<std::size_t>(textEnd_ - text.data()));
        column.ends.push_back(static_cast<std::uint32_t>(column.text.size()));
    }
    [[noreturn]] static void CellTextTooLong();
    void CaseLineAtSpaces(std::string_view line);
    void CaseLineAt(std::string_view line, char separator);
    void EndCase(int count);

    std::vector<ChunkColumn> columns_;  // the first columnCount_ are in use
    int columnCount_ = 0;
    int cases_ = 0;
    std::optional<HeaderFields> names_;
    std::vector<ChunkDescription> descriptions_;
    std::vector<std::size_t> lineLengths_;
    bool dropped_ = false;
    std::vector<std::string_view> fields_;  // of the line being split
    const char* textEnd_ = nullptr;         // the end of the text being split
};

}  // namespace vostrel
