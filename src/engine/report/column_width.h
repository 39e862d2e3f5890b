#pragma once
// The widths of the columns of a report's fixed-width tables.

#include <string>
#include <vector>

namespace vostrel {

// The width of a table column: the described width while every cell of the column (header
// included) fits with `gap` blanks beside it, else the widest cell and those blanks, so that
// neighbouring cells never run together and the column stays aligned over the whole table.
int FittedWidth(int described, const std::vector<std::string>& cells, int gap = 1);

// FittedWidth of every column of a table of right-aligned cells (rows may be shorter than
// the table). The first column starts the line and needs no blank before it.
std::vector<int> FittedWidths(std::vector<int> described,
                              const std::vector<std::vector<std::string>>& rows);

// The cells of one row, each padded on the left to its column's width.
std::string RightAlignedLine(const std::vector<std::string>& cells, const std::vector<int>& widths);

}  // namespace vostrel
