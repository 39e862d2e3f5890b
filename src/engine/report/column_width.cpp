#include "engine/report/column_width.h"

#include <algorithm>

#include "engine/report/number_format.h"

namespace vostrel {

int FittedWidth(int described, const std::vector<std::string>& cells, int gap) {
    int width = described;
    for (const std::string& cell : cells) width = std::max(width, DisplayLength(cell) + gap);
    return width;
}

std::vector<int> FittedWidths(std::vector<int> described,
                              const std::vector<std::vector<std::string>>& rows) {
    for (std::size_t c = 0; c < described.size(); ++c) {
        std::vector<std::string> column;
        for (const std::vector<std::string>& row : rows)
            if (c < row.size()) column.push_back(row[c]);
        described[c] = FittedWidth(described[c], column, c == 0 ? 0 : 1);
    }
    return described;
}

std::string RightAlignedLine(const std::vector<std::string>& cells,
                             const std::vector<int>& widths) {
    std::string line;
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c)
        line += PadLeft(cells[c], widths[c]);
    return line;
}

}  // namespace vostrel
