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

// Rows and columns moved out and back in, blocks and scattered cells exchanged, across
// block boundaries: the store must agree with a plain model after each.
TEST(TextGrid, PiecesMoveOutAndBackInAsAPlainModelSays) {
    using Model = std::vector<std::vector<std::string>>;  // [col][row]
    std::mt19937 random(7);
    const int cols = 3;
    int rows = 2000;
    TextGrid grid(cols, rows, false);
    Model model(cols, std::vector<std::string>(static_cast<std::size_t>(rows)));
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; r += 1 + static_cast<int>(random() % 3)) {
            const std::string t = std::to_string(random() % 100000);
            grid.SetCell(c, r, t);
            model[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = t;
        }
    auto check = [&](const char* what) {
        ASSERT_EQ(grid.RowCount(), rows) << what;
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r)
                ASSERT_EQ(grid.Cell(c, r),
                          model[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                    << what << " " << c << "," << r;
    };
    for (int step = 0; step < 40; ++step) {
        const int at = static_cast<int>(random() % static_cast<unsigned>(rows - 10));
        const int count = 1 + static_cast<int>(random() % 900);
        // Out and back in leaves everything as it was.
        TextGrid piece = grid.TakeRows(at, count);
        const int taken = std::min(count, rows - at);
        ASSERT_EQ(piece.RowCount(), taken);
        ASSERT_EQ(grid.RowCount(), rows - taken);
        ASSERT_EQ(piece.Cell(1, 0), model[1][static_cast<std::size_t>(at)]);
        grid.PutRows(at, std::move(piece));
        check("rows back");

        // A block exchanged with a piece of new texts.
        const int height = std::min(1 + static_cast<int>(random() % 700), rows - at);
        TextGrid block(2, height, false);
        for (int r = 0; r < height; ++r)
            if (random() % 2) block.SetCell(1, r, "b" + std::to_string(r));
        const std::string oldTop = model[2][static_cast<std::size_t>(at)];
        for (int r = 0; r < height; ++r) {
            model[1][static_cast<std::size_t>(at + r)] = "";
            model[2][static_cast<std::size_t>(at + r)] = std::string(block.Cell(1, r));
        }
        grid.SwapBlock(1, at, block);
        check("block");
        EXPECT_EQ(block.Cell(1, 0), oldTop);

        // Scattered cells of one column.
        std::vector<int> picked;
        PackedTexts texts;
        for (int r = at; r < rows; r += 1 + static_cast<int>(random() % 400)) {
            picked.push_back(r);
            texts.push_back(r % 2 ? "" : "s" + std::to_string(r));
            model[0][static_cast<std::size_t>(r)] = std::string(texts[texts.size() - 1]);
        }
        grid.SwapCells(0, picked, texts);
        check("cells");
    }
    // Columns out and back.
    TextGrid middle = grid.TakeColumns(1, 1);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.Cell(1, 5), model[2][5]);
    grid.PutColumns(1, std::move(middle));
    check("columns back");
}

}  // namespace
}  // namespace vostrel
