#include "engine/data/grid/grid_print.h"

#include <gtest/gtest.h>

#include "engine/report/report_locale.h"
#include "engine/report/text_printer.h"
#include "support/fake_print_canvas.h"

namespace vostrel {
namespace {

TextGrid Sample(int cols, int rows) {
    TextGrid grid(cols + 1, rows + 1, true);
    for (int c = 1; c <= cols; ++c) {
        grid.SetCell(c, 0, "Name" + std::to_string(c));
        for (int r = 1; r <= rows; ++r)
            grid.SetCell(c, r, "v" + std::to_string(c) + "." + std::to_string(r));
    }
    return grid;
}

std::string PageText(const testing::FakePrintCanvas& canvas, int page) {
    std::string text;
    for (const testing::PrintedText& t : canvas.OnPage(page)) text += t.text + "\n";
    return text;
}

TEST(GridPrint, WidthsAreTheLongestTextPlusThree) {
    const TextGrid grid = Sample(2, 12);
    EXPECT_EQ(GridColumnWidths(grid, GridRect{1, 1, 2, 12}, 100), (std::vector<int>{5, 8, 8}));
    EXPECT_EQ(GridColumnWidths(grid, GridRect{2, 1, 2, 9}, 6), (std::vector<int>{4, 6}));
}

TEST(GridPrint, ColumnsWiderThanAPageContinueForTheSameRows) {
    ReportDate date;
    TMPrinter printer(date);
    testing::FakePrintCanvas canvas;
    canvas.width = 2000;  // room for about 80 characters of Courier
    const TextGrid grid = Sample(12, 3);
    PrintGrid(printer, canvas, grid, GridRect{1, 1, 12, 3}, PageOrientation::Portrait, "fill.dat",
              "Data");
    ASSERT_EQ(canvas.page, 2);
    const std::string first = PageText(canvas, 1);
    const std::string second = PageText(canvas, 2);
    EXPECT_NE(first.find("Name1"), std::string::npos);
    EXPECT_EQ(first.find("Name12"), std::string::npos);
    EXPECT_NE(second.find("Name12"), std::string::npos);
    EXPECT_NE(second.find("   3 |"), std::string::npos);   // the same rows again
    EXPECT_NE(first.find("fill.dat"), std::string::npos);  // the page header
    // The header line is underlined, the title bold Arial.
    bool underlined = false, boldTitle = false;
    for (const testing::PrintedText& t : canvas.printed) {
        if (t.text.find("Name1") != std::string::npos && t.font.underline) underlined = true;
        if (t.text == "Data" && t.font.bold && t.font.name == kArial) boldTitle = true;
    }
    EXPECT_TRUE(underlined);
    EXPECT_TRUE(boldTitle);
}

TEST(GridPrint, RowsThatDoNotFitGoOnTheNextPage) {
    ReportDate date;
    TMPrinter printer(date);
    testing::FakePrintCanvas canvas;
    canvas.height = 1600;  // a few lines a page
    const TextGrid grid = Sample(2, 40);
    PrintGrid(printer, canvas, grid, GridRect{1, 1, 2, 40}, PageOrientation::Portrait, "", "T");
    ASSERT_EQ(canvas.page, 2);
    // Each page has the title, the header line and a block of rows, in order.
    std::vector<int> rows[3];
    for (const testing::PrintedText& t : canvas.printed) {
        const std::size_t bar = t.text.find(" | ");
        if (bar == std::string::npos || t.font.underline) continue;
        rows[t.page].push_back(std::stoi(t.text.substr(0, bar)));
    }
    ASSERT_FALSE(rows[1].empty());
    EXPECT_EQ(rows[1].front(), 1);
    EXPECT_EQ(rows[2].front(), rows[1].back() + 1);
    EXPECT_EQ(rows[2].back(), 40);
    EXPECT_NE(PageText(canvas, 2).find("Name2"), std::string::npos);
}

}  // namespace
}  // namespace vostrel
