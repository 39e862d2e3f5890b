#include "engine/data/text_grid.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vostrel {
namespace {

TEST(TextGrid, CellsBehaveLikeAStringGrid) {
    TextGrid grid(3, 4, true);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 4);
    grid.SetCell(1, 0, "Name");
    grid.SetCell(2, 3, "x");
    grid.SetCell(0, 2, "ignored");  // row labels are the row numbers
    grid.SetCell(5, 1, "outside");
    EXPECT_EQ(grid.Cell(1, 0), "Name");
    EXPECT_EQ(grid.Cell(2, 3), "x");
    EXPECT_EQ(grid.Cell(0, 2), "2");
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(grid.Cell(5, 1), "");
    EXPECT_EQ(grid.Cell(-1, -1), "");
}

// Random edits against a plain vector-of-strings model: the store must agree cell by cell.
TEST(TextGrid, AgreesWithAPlainModelUnderRandomEdits) {
    std::mt19937 random(42);
    const int cols = 4;
    int rows = 1200;
    TextGrid grid(cols, rows, false);
    std::vector<std::vector<std::string>> model(
        cols, std::vector<std::string>(static_cast<std::size_t>(rows)));
    auto text = [&]() {
        std::string s(random() % 12, 'a');
        for (char& c : s) c = static_cast<char>('a' + random() % 26);
        return s;
    };
    for (int step = 0; step < 20000; ++step) {
        const int c = static_cast<int>(random() % cols);
        const int r = static_cast<int>(random() % static_cast<unsigned>(rows));
        const unsigned action = random() % 100;
        if (action < 90) {
            std::string t = text();
            grid.SetCell(c, r, t);
            model[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = t;
        } else if (action < 94) {
            grid.InsertRows(r, 3);
            for (auto& column : model) column.insert(column.begin() + r, 3, std::string());
            rows += 3;
        } else if (action < 98) {
            grid.DeleteRows(r, 2);
            const int n = std::min(2, rows - r);
            for (auto& column : model) column.erase(column.begin() + r, column.begin() + r + n);
            rows -= n;
        } else {
            const int newRows = std::max(1, rows + static_cast<int>(random() % 600) - 300);
            grid.SetRowCount(newRows);
            for (auto& column : model) column.resize(static_cast<std::size_t>(newRows));
            rows = newRows;
        }
    }
    ASSERT_EQ(grid.RowCount(), rows);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            ASSERT_EQ(grid.Cell(c, r),
                      model[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                << c << "," << r;
}

TEST(TextGrid, ShrinkingForgetsTheRemovedCells) {
    TextGrid grid(2, 10, false);
    grid.SetCell(1, 8, "gone");
    grid.SetRowCount(5);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cell(1, 8), "");
}

TEST(TextGrid, ColumnsInsertAndDelete) {
    TextGrid grid(3, 2, false);
    grid.SetCell(1, 1, "a");
    grid.SetCell(2, 1, "b");
    grid.InsertColumns(2, 1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cell(3, 1), "b");
    EXPECT_EQ(grid.Cell(2, 1), "");
    grid.DeleteColumns(1, 2);
    EXPECT_EQ(grid.Cell(1, 1), "b");
}

}  // namespace
}  // namespace vostrel
