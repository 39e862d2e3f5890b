#include "engine/graphs/frequency_table_print.h"

#include <algorithm>

namespace vostrel {

namespace {

std::string RightJustified(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

}  // namespace

std::vector<std::string> FrequencyTableLines(const FrequencyTable& table) {
    std::vector<std::size_t> widths;
    for (int c = 0; c < table.ColumnCount(); ++c) {
        std::size_t longest = 0;
        for (int r = 0; r < table.RowCount(); ++r)
            longest = std::max(longest, table.Cell(c, r).size());
        widths.push_back(longest + 3);
    }
    std::vector<std::string> lines;
    for (int r = 0; r < table.RowCount(); ++r) {
        std::string line = RightJustified(table.Cell(0, r), widths[0]) + " | ";
        for (int c = 1; c < table.ColumnCount(); ++c)
            line += RightJustified(table.Cell(c, r), widths[static_cast<std::size_t>(c)]);
        lines.push_back(line);
    }
    return lines;
}

ReportDocument FrequencyTableDocument(const FrequencyTable& table) {
    ReportDocument document;
    ReportStyle heading;
    heading.name = kArial;
    heading.bold = true;
    document.Append(std::string(kFrequencyPlotHeading) + "\n\n", heading);
    ReportStyle header;
    header.underline = true;
    const ReportStyle body;
    const std::vector<std::string> lines = FrequencyTableLines(table);
    for (std::size_t i = 0; i < lines.size(); ++i)
        document.Append(lines[i] + "\n", i == 0 ? header : body);
    return document;
}

}  // namespace vostrel
