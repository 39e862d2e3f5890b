#pragma once
// Grid cells as clipboard text and back: rows on lines, cells separated by tabs.
//
// Pasted text is split into lines and each line into fields with the data file rules (at
// tabs when the line has one, else at commas, else at runs of spaces). A field written in
// double quotes, as spreadsheets copy cells that hold tabs or line breaks, is one field
// whatever it holds; "" inside it stands for one quote. A cell never holds a tab or a line
// break (a saved file could not be read back the same), so those become spaces.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/data/data_table.h"
#include "engine/data/grid/packed_texts.h"

namespace vostrel {

// The cells of the rectangle, a line per row, cells joined by single tabs.
std::string CopyGridSelection(const TextGrid& grid, const GridRect& rect);

// Pasted text as lines of fields.
class ClipboardBlock {
  public:
    std::size_t LineCount() const { return lineStart_.size() - first_; }
    std::size_t FieldCount(std::size_t line) const {
        const std::size_t i = line + first_;
        return End(i) - lineStart_[i];
    }
    std::string_view Field(std::size_t line, std::size_t k) const {
        return fields_[lineStart_[line + first_] + k];
    }
    // The first line of the text as it was, quotes and all.
    const std::string& FirstLine() const { return firstLine_; }
    // The widest line's field count.
    std::size_t MaxWidth() const;
    // Bytes of all fields' text.
    std::size_t TextBytes() const { return textBytes_; }

    void DropFirstLine();

    // Splits case lines (data page): the data file rules.
    static ClipboardBlock ForData(std::string_view text);
    // Splits description lines: at tabs only, fields kept as they are.
    static ClipboardBlock ForDescriptions(std::string_view text);

  private:
    std::size_t End(std::size_t i) const {
        return i + 1 < lineStart_.size() ? lineStart_[i + 1] : fields_.size();
    }

    PackedTexts fields_;
    std::vector<std::size_t> lineStart_;
    std::string firstLine_;
    std::size_t first_ = 0;
    std::size_t textBytes_ = 0;
};

// Cells as the line break free text a cell may hold.
std::string CellTextOf(std::string_view text);

}  // namespace vostrel
