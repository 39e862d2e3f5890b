#include "engine/data/grid/grid_paste.h"

#include <gtest/gtest.h>

#include "engine/data/grid/clipboard_text.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/table_snapshot.h"

namespace vostrel {
namespace {

using testing::FillTable;
using testing::Snapshot;

class GridPasteTest : public ::testing::Test {
  protected:
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};

    std::string Cell(int c, int r) const { return ws.table.DataGrid.CellString(c, r); }
    void Grid(int cols, int rows) {
        FillTable(ws, std::vector<std::string>(static_cast<std::size_t>(cols), "x"),
                  std::vector<std::vector<std::string>>(static_cast<std::size_t>(rows)));
        for (int c = 1; c <= cols; ++c) ws.table.SetColumnName(c, DataTable::DefaultName(c));
        ws.history.Reset();
    }
};

TEST_F(GridPasteTest, CopyGivesALinePerRowAndATabBetweenCells) {
    FillTable(ws, {"A", "B", "C"}, {{"1", "2", "3"}, {"4", "", "6"}});
    EXPECT_EQ(CopyGridSelection(ws.table.DataGrid, GridRect{1, 1, 3, 2}), "1\t2\t3\n4\t\t6");
    EXPECT_EQ(CopyGridSelection(ws.table.DataGrid, GridRect{1, 0, 2, 0}), "A\tB");
}

TEST_F(GridPasteTest, ShapesDecideWhereTheValuesGo) {
    Grid(5, 6);
    // One value into a 3 x 3 selection fills all nine cells.
    PasteResult r = PasteIntoDataGrid(ws, GridRect{1, 1, 3, 3}, "7");
    EXPECT_TRUE(r.Pasted);
    for (int c = 1; c <= 3; ++c)
        for (int row = 1; row <= 3; ++row) EXPECT_EQ(Cell(c, row), "7");
    EXPECT_EQ(Cell(4, 1), "");

    // One line of three values into rows 2..5 of column 1: every row gets the line.
    PasteIntoDataGrid(ws, GridRect{1, 2, 1, 5}, "a\tb\tc");
    for (int row = 2; row <= 5; ++row) {
        EXPECT_EQ(Cell(1, row), "a");
        EXPECT_EQ(Cell(3, row), "c");
    }
    EXPECT_EQ(Cell(1, 1), "7");

    // One column of values into a row selection: every selected column gets the column.
    PasteIntoDataGrid(ws, GridRect{4, 1, 5, 1}, "p\nq");
    EXPECT_EQ(Cell(4, 1), "p");
    EXPECT_EQ(Cell(5, 2), "q");

    // A block into a single cell goes down and right from it, growing the table.
    PasteIntoDataGrid(ws, GridRect{5, 6, 5, 6}, "1 2\n3 4");
    EXPECT_EQ(ws.table.MaxCol(), 6);
    EXPECT_EQ(ws.table.CaseRows(), 7);
    EXPECT_EQ(Cell(6, 7), "4");
    EXPECT_EQ(ws.table.ColumnName(6), "Col6");
    EXPECT_EQ(ws.table.DescGrid.Cell(6, 0), "Col6");
}

TEST_F(GridPasteTest, RaggedLinesLeaveTheCellsTheyDoNotReach) {
    Grid(3, 3);
    PasteIntoDataGrid(ws, GridRect{1, 1, 3, 3}, "k\tk\tk\nk\tk\tk\nk\tk\tk");
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "1\t2\t3\n4\n5\t6\t7\t8\n");
    EXPECT_EQ(Cell(2, 1), "2");
    EXPECT_EQ(Cell(1, 2), "4");
    EXPECT_EQ(Cell(2, 2), "k");         // the short line stops at its last field
    EXPECT_EQ(Cell(4, 3), "8");         // the long one grows the table
    EXPECT_EQ(ws.table.CaseRows(), 3);  // the final line break adds no line
}

TEST_F(GridPasteTest, QuotedFieldsKeepTheirTabsAndLineBreaksAsSpaces) {
    Grid(2, 2);
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "\"a\tb\"\tc\n\"x\ny \"\"z\"\"\"\t9");
    EXPECT_EQ(Cell(1, 1), "a b");
    EXPECT_EQ(Cell(2, 1), "c");
    EXPECT_EQ(Cell(1, 2), "x y \"z\"");
    EXPECT_EQ(Cell(2, 2), "9");
    // A quote that never closes is an ordinary character.
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "\"open\tend");
    EXPECT_EQ(Cell(1, 1), "\"open");
}

TEST_F(GridPasteTest, BytesThatAreNotUtf8AreKeptAsTheyCame) {
    Grid(2, 2);
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "Gr\xF6\xDF\t\xFF\xFE");
    EXPECT_EQ(Cell(1, 1), "Gr\xF6\xDF");
    EXPECT_EQ(Cell(2, 1), "\xFF\xFE");
}

TEST_F(GridPasteTest, AFirstLineOfNamesIsOfferedAsTheColumnNames) {
    Grid(2, 2);
    ui.answers = {Answer::No};
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "Height\tWeight\n1\t2");
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Want to use text from first row as Variable Names?");
    EXPECT_EQ(Cell(1, 1), "Height");
    EXPECT_EQ(Cell(2, 2), "2");
    EXPECT_FALSE(ws.table.DataEdited);

    ui.answers = {Answer::Yes};
    const PasteResult r = PasteIntoDataGrid(ws, GridRect{2, 1, 2, 1}, "Height\tWeight\n1\t2");
    EXPECT_TRUE(r.NamesPasted);
    EXPECT_EQ(ws.table.ColumnName(2), "Height");
    EXPECT_EQ(ws.table.ColumnName(3), "Weight");
    EXPECT_EQ(ws.table.DescGrid.Cell(3, 0), "Weight");
    EXPECT_EQ(Cell(3, 1), "2");
    EXPECT_TRUE(ws.table.DataEdited);

    // A first line with a number in it is data: no question.
    ui.questions.clear();
    PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, "Height\t12\n1\t2");
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(GridPasteTest, APastePastColumn512IsRefusedAndChangesNothing) {
    Grid(509, 2);
    const auto before = Snapshot(ws.table);
    const PasteResult r = PasteIntoDataGrid(ws, GridRect{510, 1, 510, 1}, "1\t2\t3\t4\t5");
    EXPECT_FALSE(r.Pasted);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "Maximum Number of Columns Exceeded.");
    EXPECT_EQ(Snapshot(ws.table), before);
    EXPECT_FALSE(ws.history.CanUndo());

    // Names that would not fit are refused too, and no name is placed.
    ui.answers = {Answer::Yes};
    PasteIntoDataGrid(ws, GridRect{509, 1, 509, 1}, "a\tb\tc\td\te\n1");
    EXPECT_EQ(Snapshot(ws.table), before);
    // Up to column 512 is fine.
    EXPECT_TRUE(PasteIntoDataGrid(ws, GridRect{510, 1, 510, 1}, "1\t2\t3").Pasted);
    EXPECT_EQ(ws.table.MaxCol(), 512);
}

TEST_F(GridPasteTest, NoTextIsSaidSo) {
    Grid(2, 2);
    EXPECT_FALSE(PasteIntoDataGrid(ws, GridRect{}, "").Pasted);
    ASSERT_EQ(ui.warnings.size(), 1u);
    EXPECT_EQ(ui.warnings[0], "There is no text on the Clipboard");
}

TEST_F(GridPasteTest, AHundredThousandLinesPasteAndUndoAsOneStep) {
    Grid(3, 10);
    const auto before = Snapshot(ws.table);
    std::string text;
    for (int i = 1; i <= 100000; ++i)
        text += std::to_string(i) + "\t" + std::to_string(i * 2) + "\t" + std::to_string(i * 3) +
                "\r\n";
    const PasteResult r = PasteIntoDataGrid(ws, GridRect{1, 1, 1, 1}, text);
    EXPECT_TRUE(r.Pasted);
    EXPECT_EQ(ws.table.CaseRows(), 100000);
    EXPECT_EQ(Cell(3, 100000), "300000");
    EXPECT_TRUE(ws.table.Modified);
    ws.history.Undo();
    EXPECT_EQ(Snapshot(ws.table), before);
}

TEST_F(GridPasteTest, DescriptionsSplitAtTabsAndStopAtTheLastDescriptionRow) {
    Grid(2, 2);
    const PasteResult r = PasteIntoDescGrid(ws, GridRect{1, 2, 1, 2}, "10\t\t12\n5 5\t6\n1\n2\n3");
    EXPECT_TRUE(r.Pasted);
    const TextGrid& desc = ws.table.DescGrid;
    EXPECT_EQ(desc.RowCount(), 5);
    EXPECT_EQ(desc.Cell(1, DescUSLRow), "10");
    EXPECT_EQ(desc.Cell(2, DescUSLRow), "");
    EXPECT_EQ(desc.Cell(3, DescUSLRow), "12");
    EXPECT_EQ(desc.Cell(1, DescTargetRow), "5 5");
    EXPECT_EQ(desc.Cell(1, DescLSLRow), "1");
    EXPECT_EQ(ws.table.MaxCol(), 3);  // the data grid takes the new column
    EXPECT_EQ(ws.table.ColumnName(3), "Col3");
    ws.history.Undo();
    EXPECT_EQ(ws.table.MaxCol(), 2);
    EXPECT_EQ(desc.Cell(1, DescUSLRow), "");
}

}  // namespace
}  // namespace vostrel
