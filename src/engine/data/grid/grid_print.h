#pragma once
// Printing a grid as aligned text columns: a title, an underlined header line of names,
// then the rows, each cell right-justified in its column's width. Columns that do not fit
// across a page continue on the next page for the same rows; pages hold the rows that fit
// below the title and the header.

#include <string>
#include <vector>

#include "engine/data/data_table.h"
#include "engine/report/print_canvas.h"
#include "engine/report/report_writer.h"

namespace vostrel {

class TMPrinter;

// Column widths in characters: column 0 (the row labels) first, then the printed columns.
// Each is its longest text in the range (header included) + 3, and no more than `limit`.
std::vector<int> GridColumnWidths(const TextGrid& grid, const GridRect& range, int limit);

// Prints rows and columns of `range` (column 0 and the header row are always printed) on a
// canvas whose print job the caller has begun and will end.
void PrintGrid(TMPrinter& printer, PrintCanvas& canvas, const TextGrid& grid, const GridRect& range,
               PageOrientation orientation, const std::string& header, const std::string& title);

}  // namespace vostrel
