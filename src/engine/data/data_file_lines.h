#pragma once
// The lines of a data file: what kind each line is and how it is split. Both file readers
// (the plain one, line by line, and the one that splits chunks of the file on several
// threads) go through InterpretLine, so they read every line alike.

#include <string_view>
#include <vector>

#include "engine/data/text_rules.h"

namespace vostrel {

// The description row a line's key names ("TITLE:", "USL:", "TARGET:", "LSL:" in any
// case), or 0 when the line is not a description line.
int DescriptionRow(std::string_view line);

// The fields of a description line: what follows its key, its colon and one separator
// when there is one.
HeaderFields SplitDescriptionLine(std::string_view line);

// The first line is the name line when it holds text and none of its fields is a number.
bool IsNameLine(std::string_view line, HeaderFields& names);

// The fields of a case line, at most MaxColumns of them; `dropped` is set when the line
// had more.
void SplitCaseLine(std::string_view line, std::vector<std::string_view>& fields, bool& dropped);

// Hands a line to the reader by its kind: reader.NameLine(HeaderFields),
// reader.DescriptionLine(row, HeaderFields) or reader.CaseLine(line). Comments and empty
// lines are skipped. `first` tells the file's first line, the only one that can hold names
// (a UTF-8 byte-order mark before it is not part of it).
template <typename Reader>
void InterpretLine(std::string_view line, bool first, Reader& reader) {
    constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
    if (first && line.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        line.remove_prefix(kUtf8ByteOrderMark.size());
    if (!line.empty() && line[0] == '*') return;  // a comment
    if (const int row = DescriptionRow(line)) {
        reader.DescriptionLine(row, SplitDescriptionLine(line));
        return;
    }
    HeaderFields names;
    if (first && IsNameLine(line, names)) {
        reader.NameLine(std::move(names));
        return;
    }
    if (!line.empty()) reader.CaseLine(line);
}

}  // namespace vostrel
