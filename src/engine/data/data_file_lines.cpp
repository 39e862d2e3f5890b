#include "engine/data/data_file_lines.h"

#include <cctype>

#include "engine/data/data_table.h"
#include "engine/core/missing_value.h"

namespace vostrel {

int DescriptionRow(std::string_view line) {
    // The key runs up to the first colon; the longest key, "TARGET:", has seven characters,
    // so a line whose first colon comes later is no description line.
    constexpr std::size_t kLongestKey = 7;
    // Every key begins with T, U or L; most lines are cases and stop here.
    const char first = line.empty() ? ' ' : static_cast<char>(line[0] & ~0x20);
    if (first != 'T' && first != 'U' && first != 'L') return 0;
    const std::size_t colon = line.substr(0, kLongestKey).find(':');
    if (colon == std::string_view::npos) return 0;
    char upper[kLongestKey];
    for (std::size_t i = 0; i <= colon; ++i)
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
    const std::string_view key(upper, colon + 1);
    if (key == "TITLE:") return DescTitleRow;
    if (key == "USL:") return DescUSLRow;
    if (key == "TARGET:") return DescTargetRow;
    if (key == "LSL:") return DescLSLRow;
    return 0;
}

HeaderFields SplitDescriptionLine(std::string_view line) {
    // The key and its colon, then one separator when there is one: "USL:510" keeps
    // its first digit.
    std::string_view value = line.substr(line.find(':') + 1);
    if (!value.empty() && (value[0] == '\t' || value[0] == ' ' || value[0] == ','))
        value.remove_prefix(1);
    return SplitHeaderLine(value, false, true);
}

bool IsNameLine(std::string_view line, HeaderFields& names) {
    if (line.empty() || !IsText(line)) return false;
    names = SplitHeaderLine(line, true, line.find('\t') != std::string_view::npos);
    for (const std::string& field : names.fields)
        if (ReadNumber(field)) return false;
    return true;
}

void SplitCaseLine(std::string_view line, std::vector<std::string_view>& fields, bool& dropped) {
    SplitDataLine(line, fields);
    if (fields.size() > static_cast<std::size_t>(MaxColumns)) {
        fields.resize(MaxColumns);
        dropped = true;
    }
}

}  // namespace vostrel
