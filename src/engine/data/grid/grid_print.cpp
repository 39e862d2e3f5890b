#include "engine/data/grid/grid_print.h"

#include <algorithm>

#include "engine/report/report_document.h"
#include "engine/report/report_print.h"
#include "engine/report/text_printer.h"

namespace vostrel {

namespace {

// A cell's text is cut to the widest column a page can hold.
constexpr int kLongestText = 252;

std::string RightJustified(std::string_view text, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (text.size() >= w) return std::string(text.substr(0, w));
    return std::string(w - text.size(), ' ') + std::string(text);
}

const PrintFont kGridFont{kCourierNew, 9, false, false};
const PrintFont kHeaderLineFont{kCourierNew, 9, false, true};
const PrintFont kTitleFont{kArial, 9, true, false};

}  // namespace

std::vector<int> GridColumnWidths(const TextGrid& grid, const GridRect& range, int limit) {
    std::vector<int> widths;
    auto width = [&](int col) {
        std::size_t longest = grid.Cell(col, 0).size();
        for (int r = range.Top; r <= range.Bottom; ++r)
            longest = std::max(longest, grid.Cell(col, r).size());
        const int chars = static_cast<int>(std::min<std::size_t>(longest, kLongestText)) + 3;
        return std::max(std::min(chars, limit), 1);
    };
    widths.push_back(width(0));
    for (int c = range.Left; c <= range.Right; ++c) widths.push_back(width(c));
    return widths;
}

void PrintGrid(TMPrinter& printer, PrintCanvas& canvas, const TextGrid& grid, const GridRect& range,
               PageOrientation orientation, const std::string& header, const std::string& title) {
    printer.InitMPrinter();
    AttachedCanvas attached(printer, canvas);
    const bool landscape = orientation == PageOrientation::Landscape;
    if (landscape)
        printer.SetMargins(750, 750, 1000, 500);
    else
        printer.SetMargins(750, 500, 600, 500);
    canvas.SetFont(kGridFont);
    printer.SetHeaderFooter(header, "", "&D", landscape ? 650 : 250, true, kHeader,
                            HeaderFooterFont());
    printer.SetHeaderFooter("", "", "Page (&P)", 250, false, kFooter, HeaderFooterFont());

    const int rowsPerPage = std::max(printer.LinesPerPage() - 3, 1);
    const int usable = std::max(printer.CharactersPerLine() - 1, 8);
    const std::vector<int> widths = GridColumnWidths(grid, range, std::max(usable / 2, 4));
    const int labelWidth = widths[0];
    auto widthOf = [&](int col) { return widths[static_cast<std::size_t>(col - range.Left + 1)]; };

    bool firstPage = true;
    for (int top = range.Top; top <= range.Bottom; top += rowsPerPage) {
        const int bottom = std::min(top + rowsPerPage - 1, range.Bottom);
        int left = range.Left;
        while (left <= range.Right) {
            // As many columns as fit after the labels; at least one.
            int right = left;
            int used = labelWidth + 3 + widthOf(left);
            while (right < range.Right && used + widthOf(right + 1) <= usable) {
                ++right;
                used += widthOf(right);
            }
            if (!firstPage) printer.PrintString("\f");
            firstPage = false;
            canvas.SetFont(kTitleFont);
            printer.PrintLine(title);
            canvas.SetFont(kGridFont);
            printer.PrintLine("");
            std::string line = RightJustified(grid.Cell(0, 0), labelWidth) + " | ";
            for (int c = left; c <= right; ++c) line += RightJustified(grid.Cell(c, 0), widthOf(c));
            canvas.SetFont(kHeaderLineFont);
            printer.PrintLine(line);
            canvas.SetFont(kGridFont);
            for (int r = top; r <= bottom; ++r) {
                line = RightJustified(grid.Cell(0, r), labelWidth) + " | ";
                for (int c = left; c <= right; ++c)
                    line += RightJustified(grid.Cell(c, r), widthOf(c));
                printer.PrintLine(line);
            }
            left = right + 1;
        }
    }
}

}  // namespace vostrel
