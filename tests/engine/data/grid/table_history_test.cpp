#include "engine/data/grid/table_history.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/data/data_file.h"
#include "engine/data/grid/table_edit.h"
#include "engine/data/table_commands.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/table_snapshot.h"

namespace vostrel {
namespace {

using testing::FillTable;
using testing::Snapshot;
using testing::TableSnapshot;

class TableHistoryTest : public ::testing::Test {
  protected:
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};

    void Fill(int cols, int rows) {
        std::vector<std::string> names;
        for (int c = 1; c <= cols; ++c) names.push_back("V" + std::to_string(c));
        std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                cells[static_cast<std::size_t>(r)].push_back(std::to_string(r * 10 + c));
        FillTable(ws, names, cells);
        ws.table.Modified = false;
        ws.history.Reset();
    }

    void Type(int col, int row, const std::string& text) {
        TableEdit edit(ws.history, "Typing");
        edit.SetCell(GridId::Data, col, row, text);
        edit.Commit();
    }
};

std::string RandomText(std::mt19937& random) {
    std::string s(random() % 6, 'a');
    for (char& c : s) c = static_cast<char>('a' + random() % 26);
    return s;
}

TextGrid RandomPiece(std::mt19937& random, int cols, int rows) {
    TextGrid piece(cols, rows, false);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            if (random() % 3 != 0) piece.SetCell(c, r, RandomText(random));
    return piece;
}

// One random command of one to three primitive changes.
void RandomCommand(std::mt19937& random, TableEdit& edit) {
    DataTable& table = edit.Table();
    const int changes = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < changes; ++i) {
        const int cols = table.MaxCol();
        const int rows = table.CaseRows();
        const int col = 1 + static_cast<int>(random() % static_cast<unsigned>(cols));
        const int row = 1 + static_cast<int>(random() % static_cast<unsigned>(std::max(rows, 1)));
        switch (random() % 11) {
            case 0:
                edit.SetCell(GridId::Data, col, row, RandomText(random));
                break;
            case 1:
                edit.SetCell(GridId::Desc, col, 1 + static_cast<int>(random() % 4),
                             RandomText(random));
                break;
            case 2:
                edit.ReplaceBlock(GridId::Data, col, row,
                                  RandomPiece(random, 1 + static_cast<int>(random() % 3),
                                              1 + static_cast<int>(random() % 700)));
                break;
            case 3: {
                std::vector<int> picked;
                PackedTexts texts;
                for (int r = row; r <= rows; r += 1 + static_cast<int>(random() % 300)) {
                    picked.push_back(r);
                    texts.push_back(RandomText(random));
                }
                edit.ReplaceCells(GridId::Data, col, picked, std::move(texts));
                break;
            }
            case 4:
                edit.InsertEmptyColumns(col, 1 + static_cast<int>(random() % 2));
                break;
            case 5:
                if (cols > 2) edit.DeleteColumns(col, 1 + static_cast<int>(random() % 2));
                break;
            case 6:
                edit.InsertRows(row, RandomPiece(random, table.DataGrid.ColCount(),
                                                 1 + static_cast<int>(random() % 600)));
                break;
            case 7:
                if (rows > 700) edit.DeleteRows(row, 1 + static_cast<int>(random() % 600));
                break;
            case 8:
                edit.SetColumnName(col, RandomText(random));
                break;
            case 9:
                edit.SetMaxCol(std::max(2, cols + static_cast<int>(random() % 3) - 1));
                break;
            default: {
                TextGrid data = RandomPiece(random, 4, 30);
                TextGrid numbered(4, 30, true);
                for (int c = 1; c < 4; ++c)
                    for (int r = 0; r < 30; ++r) numbered.SetCell(c, r, data.Cell(c, r));
                edit.ReplaceGrids(std::move(numbered), TextGrid(4, 5, false));
                break;
            }
        }
    }
}

// Random commands, then every step undone and redone: the table must match, cell for cell,
// what it was after each step.
TEST_F(TableHistoryTest, UndoAndRedoRestoreEveryCellExactly) {
    std::mt19937 random(2024);
    Fill(4, 1300);
    std::vector<TableSnapshot> after{Snapshot(ws.table)};
    for (int step = 0; step < 60; ++step) {
        TableEdit edit(ws.history, "Random");
        RandomCommand(random, edit);
        edit.Commit();
        if (ws.history.StepCount() == after.size()) after.push_back(Snapshot(ws.table));
    }
    ASSERT_EQ(ws.history.StepCount() + 1, after.size());
    for (std::size_t i = after.size() - 1; i > 0; --i) {
        ASSERT_TRUE(ws.history.Undo());
        ASSERT_EQ(Snapshot(ws.table), after[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(ws.history.CanUndo());
    for (std::size_t i = 1; i < after.size(); ++i) {
        ASSERT_TRUE(ws.history.Redo());
        ASSERT_EQ(Snapshot(ws.table), after[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(ws.history.CanRedo());
}

TEST_F(TableHistoryTest, AnEditThatIsNotCommittedIsTakenBack) {
    Fill(3, 600);
    const TableSnapshot before = Snapshot(ws.table);
    {
        TableEdit edit(ws.history, "Abandoned");
        edit.InsertEmptyRows(2, 40);
        edit.SetCell(GridId::Data, 3, 700, "x");
        edit.DeleteColumns(1, 1);
    }
    EXPECT_EQ(Snapshot(ws.table), before);
    EXPECT_FALSE(ws.history.CanUndo());
    EXPECT_FALSE(ws.table.Modified);
}

TEST_F(TableHistoryTest, TheModifiedFlagFollowsTheSavedState) {
    Fill(2, 3);
    Type(1, 1, "a");
    EXPECT_TRUE(ws.table.Modified);
    ws.history.Undo();
    EXPECT_FALSE(ws.table.Modified);
    ws.history.Redo();
    EXPECT_TRUE(ws.table.Modified);
    Type(1, 2, "b");
    ws.table.Modified = false;  // saved here
    ws.history.Undo();
    EXPECT_TRUE(ws.table.Modified);
    ws.history.Redo();
    EXPECT_FALSE(ws.table.Modified);
    // A new step after undoing past the saved state makes it unreachable.
    ws.history.Undo();
    ws.history.Undo();
    Type(2, 1, "c");
    ws.history.Undo();
    EXPECT_TRUE(ws.table.Modified);
}

TEST_F(TableHistoryTest, UndoSetsTheFlagsOfItsCommandAndMarksRowsForDeriving) {
    Fill(3, 5);
    ws.rules.SetProcessIfRule(1, 2, 1, "V2", 11);
    {
        TableEdit edit(ws.history, "Insert Columns");
        edit.InsertEmptyColumns(1, 1);
        edit.SetEffects(EditEffects{false, true, true});
        edit.Commit();
    }
    EXPECT_FALSE(ws.rules.ProcessIf.Active);
    EXPECT_TRUE(ws.table.DataEdited);
    EXPECT_FALSE(ws.table.LayoutEdited);

    ws.table.DataEdited = false;
    ws.rules.SetProcessIfRule(1, 2, 1, "V2", 11);
    ws.history.Undo();
    EXPECT_TRUE(ws.table.DataEdited);
    EXPECT_FALSE(ws.rules.ProcessIf.Active);

    ws.data.UpdateData();
    Type(2, 3, "999");
    EXPECT_TRUE(ws.data.DataChanged);
    ws.data.UpdateData();
    EXPECT_EQ(ws.data.Value(2, 3), 999);
    ws.history.Undo();
    EXPECT_TRUE(ws.data.DataChanged);
    ws.data.UpdateData();
    EXPECT_EQ(ws.data.Value(2, 3), 21);
}

TEST_F(TableHistoryTest, EditingANameOrDescriptionLeavesTheNumbersCurrent) {
    Fill(2, 3);
    {
        TableEdit edit(ws.history, "Rename");
        edit.SetColumnName(1, "Height");
        edit.SetCell(GridId::Desc, 1, DescUSLRow, "12");
        edit.Commit();
    }
    EXPECT_FALSE(ws.data.DataChanged);
    EXPECT_EQ(ws.table.DescGrid.Cell(1, 0), "Height");
}

TEST_F(TableHistoryTest, TheHistoryKeepsAHundredStepsAndBoundsItsMemory) {
    Fill(2, 2000);
    for (int i = 0; i < 150; ++i) Type(1, 1, std::to_string(i));
    EXPECT_EQ(ws.history.StepCount(), 100u);
    int undone = 0;
    while (ws.history.Undo()) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 1), "49");

    // Each step holds a column of 2000 cells; a budget of three such steps keeps three.
    ws.history.Reset();
    ws.history.SetLimits(100, 3 * 2000 * 8);
    for (int i = 0; i < 10; ++i) {
        TableEdit edit(ws.history, "Column");
        TextGrid cells(1, 2000, false);
        for (int r = 0; r < 2000; ++r) cells.SetCell(0, r, "x" + std::to_string(i));
        edit.ReplaceBlock(GridId::Data, 2, 1, std::move(cells));
        edit.Commit();
    }
    EXPECT_LE(ws.history.HeldBytes(), 3u * 2000 * 8);
    EXPECT_GE(ws.history.StepCount(), 2u);
    EXPECT_LT(ws.history.StepCount(), 10u);
}

TEST_F(TableHistoryTest, AStepHoldsWhatItChangedNotTheTable) {
    Fill(5, 20000);
    Type(3, 10000, "changed");
    EXPECT_LT(ws.history.HeldBytes(), 1024u);
    {
        TableEdit edit(ws.history, "Delete Rows");
        edit.DeleteRows(1, 100);
        edit.Commit();
    }
    // 100 rows of 5 cells of at most 6 characters, with their offsets.
    EXPECT_LT(ws.history.HeldBytes(), 100u * 5 * 10 * 2 + 1024);
}

TEST_F(TableHistoryTest, ListenersHearEveryChangeAndItsKind) {
    Fill(2, 3);
    std::vector<TableChange::Kind> heard;
    const int id = ws.history.Subscribe([&](const TableChange& c) { heard.push_back(c.What); });
    const auto revision = ws.history.Revision();
    Type(1, 1, "a");
    {
        TableEdit edit(ws.history, "Insert Rows");
        edit.InsertEmptyRows(1, 2);
        edit.Commit();
    }
    ws.history.Undo();
    ASSERT_TRUE(NewTable(ws));
    ws.history.Unsubscribe(id);
    Type(1, 1, "b");
    EXPECT_EQ(heard,
              (std::vector<TableChange::Kind>{TableChange::Kind::Cells, TableChange::Kind::Shape,
                                              TableChange::Kind::Shape, TableChange::Kind::Table}));
    EXPECT_EQ(ws.history.Revision(), revision + 5);
    EXPECT_EQ(ws.history.StepCount(), 1u);  // New forgot the earlier steps
}

TEST_F(TableHistoryTest, AppendedColumnsAndReplacedRowsComeBackOut) {
    Fill(2, 4);
    const TableSnapshot before = Snapshot(ws.table);
    {
        TableEdit edit(ws.history, "Compute");
        TextGrid column(1, 5, false);
        column.SetCell(0, 0, "Mean");
        for (int r = 1; r <= 4; ++r) column.SetCell(0, r, std::to_string(r));
        edit.AppendColumns(std::move(column));
        TextGrid rows(3, 6, false);
        for (int r = 0; r < 6; ++r) rows.SetCell(1, r, "w" + std::to_string(r));
        edit.ReplaceRows(1, 4, std::move(rows));
        edit.SetEffects(EditEffects{true, true, false});
        edit.Commit();
    }
    EXPECT_EQ(ws.table.MaxCol(), 3);
    EXPECT_EQ(ws.table.CaseRows(), 6);
    EXPECT_EQ(ws.table.DescGrid.Cell(3, 0), "Mean");
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 6), "w5");
    EXPECT_TRUE(ws.data.DataChanged);
    ws.data.UpdateEditedRows();
    EXPECT_EQ(ws.data.Ncount, 6);
    ws.history.Undo();
    EXPECT_EQ(Snapshot(ws.table), before);
    ws.data.UpdateEditedRows();
    EXPECT_EQ(ws.data.Ncount, 4);
}

// Deriving only the edited rows gives what deriving every row gives, also when a column
// gains or loses its text cells and when rows move.
TEST_F(TableHistoryTest, DerivingTheEditedRowsEqualsDerivingEveryRow) {
    std::mt19937 random(99);
    testing::FillTable(ws, {"N", "T", "M"}, {});
    {
        TableEdit edit(ws.history, "Fill");
        edit.SetCaseRows(1500);
        for (int r = 1; r <= 1500; ++r) {
            edit.SetCell(GridId::Data, 1, r, std::to_string(r % 37));
            edit.SetCell(GridId::Data, 2, r, r % 3 ? "t" + std::to_string(r % 5) : "");
            edit.SetCell(GridId::Data, 3, r, std::to_string(r % 11) + ".5");
        }
        edit.Commit();
    }
    ws.data.UpdateData();
    const char* const texts[] = {"", "7", "x", "t1", "-2.5", "abc", "."};
    for (int round = 0; round < 40; ++round) {
        TableEdit edit(ws.history, "Edits");
        for (int i = 0; i < 5; ++i) {
            const int col = 1 + static_cast<int>(random() % 3);
            const int row = 1 + static_cast<int>(random() % 1500);
            edit.SetCell(GridId::Data, col, row, texts[random() % 7]);
        }
        if (round % 10 == 9) edit.InsertEmptyRows(3, 2);
        if (round % 10 == 5) edit.DeleteRows(3, 2);
        edit.Commit();
        if (round == 20) {  // the text column's texts all become numbers
            TableEdit numbers(ws.history, "Numbers");
            for (int r = 1; r <= ws.table.CaseRows(); ++r)
                if (!ws.table.DataGrid.Cell(2, r).empty()) numbers.SetCell(GridId::Data, 2, r, "1");
            numbers.Commit();
            ws.data.UpdateEditedRows();
            EXPECT_FALSE(ws.data.StringVar[2]);
        }
        ws.data.UpdateEditedRows();

        testing::ScriptedUserInterface ui2;
        Workspace fresh(ui2, settings);
        fresh.table.DataGrid = ws.table.DataGrid;
        fresh.table.DescGrid = ws.table.DescGrid;
        fresh.data.UpdateData();
        const TDataList& a = ws.data;
        const TDataList& b = fresh.data;
        ASSERT_EQ(a.Ncount, b.Ncount);
        for (int c = 1; c <= 3; ++c) {
            const auto k = static_cast<std::size_t>(c);
            ASSERT_EQ(a.StringVar[k], b.StringVar[k]) << "round " << round << " col " << c;
            ASSERT_EQ(a.Highlow[k], b.Highlow[k]);
            ASSERT_EQ(a.ColumnHigh[k], b.ColumnHigh[k]);
            ASSERT_EQ(a.ColumnLow[k], b.ColumnLow[k]);
            ASSERT_EQ(a.LevelFirstRow[k], b.LevelFirstRow[k]);
            for (int r = 1; r <= a.Ncount; ++r)
                ASSERT_EQ(a.Value(c, r), b.Value(c, r))
                    << "round " << round << " " << c << "," << r;
        }
    }
}

}  // namespace
}  // namespace vostrel
