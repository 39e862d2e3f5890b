#include "engine/data/grid/grid_commands.h"

#include <gtest/gtest.h>

#include "engine/data/grid/cell_navigation.h"
#include "engine/data/grid/editor_state.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/table_snapshot.h"

namespace vostrel {
namespace {

using testing::FillTable;
using testing::Snapshot;

class GridCommandsTest : public ::testing::Test {
  protected:
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};

    std::string Name(int c) const { return ws.table.ColumnName(c); }
    std::string Cell(int c, int r) const { return ws.table.DataGrid.CellString(c, r); }
    void Five() {
        FillTable(ws, {"Col1", "Height", "Col3", "Col4", "Col5"},
                  {{"1", "2", "3", "4", "5"}, {"6", "7", "8", "9", "10"}});
        ws.history.Reset();
        ws.table.Modified = false;
    }
};

TEST_F(GridCommandsTest, TypingChangesOneCellAndMarksTheTable) {
    Five();
    ws.data.UpdateData();
    EXPECT_TRUE(SetCellText(ws, GridId::Data, 2, 1, "3.5"));
    EXPECT_EQ(Cell(2, 1), "3.5");
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_TRUE(ws.data.DataChanged);
    EXPECT_FALSE(ws.table.DataEdited);  // a value is not a change of layout or columns
    EXPECT_FALSE(SetCellText(ws, GridId::Data, 2, 1, "3.5"));  // the same text: no step
    EXPECT_TRUE(SetCellText(ws, GridId::Data, 1, 1, "a\tb"));
    EXPECT_EQ(Cell(1, 1), "a b");
    EXPECT_TRUE(SetCellText(ws, GridId::Desc, 2, DescUSLRow, "12"));
    EXPECT_EQ(ws.data.ColumnUSL(2), 12);
    EXPECT_EQ(ws.history.StepCount(), 3u);
}

TEST_F(GridCommandsTest, RenamingRefusesTabsAndDuplicatesAndNamesAnEmptyColumn) {
    Five();
    EXPECT_TRUE(SetCellText(ws, GridId::Data, 3, 0, "Weight"));
    EXPECT_EQ(Name(3), "Weight");
    EXPECT_EQ(ws.table.DescGrid.Cell(3, 0), "Weight");
    EXPECT_TRUE(ws.table.LayoutEdited);
    EXPECT_TRUE(ws.table.DataEdited);

    EXPECT_FALSE(RenameColumn(ws, 1, "height"));
    EXPECT_EQ(ui.errors.back(), "Column 2 is already named height.");
    EXPECT_FALSE(RenameColumn(ws, 1, "A\tB"));
    EXPECT_EQ(ui.errors.back(), "A column name cannot hold a tab or a line break.");
    EXPECT_EQ(Name(1), "Col1");

    EXPECT_TRUE(RenameColumn(ws, 2, "  "));
    EXPECT_EQ(Name(2), "Col2");
    EXPECT_EQ(ui.warnings.back(), "A column needs a name; this one is named Col2.");
    EXPECT_TRUE(RenameColumn(ws, 2, "HEIGHT"));  // its own name in other letters is fine
}

TEST_F(GridCommandsTest, TabAddsAColumnUpTo512) {
    Five();
    EXPECT_TRUE(AddColumnByTab(ws));
    EXPECT_EQ(Name(6), "Col6");
    EXPECT_EQ(ws.table.DescGrid.Cell(6, 0), "Col6");
    EXPECT_TRUE(ws.table.DataEdited);
    ws.table.SetMaxCol(512);
    EXPECT_FALSE(AddColumnByTab(ws));
    EXPECT_EQ(ws.table.MaxCol(), 512);

    const int rows = ws.table.CaseRows();
    AddRowByEnter(ws);
    EXPECT_EQ(ws.table.CaseRows(), rows + 1);
}

TEST_F(GridCommandsTest, DeletingColumnsRenumbersOnlyDefaultNames) {
    Five();
    ws.rules.SetProcessIfRule(1, 5, 1, "Col5", 5);
    const std::optional<CellPos> at = DeleteColumns(ws, GridRect{3, 1, 4, 2});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (CellPos{3, 1}));
    EXPECT_EQ(ws.table.MaxCol(), 3);
    EXPECT_EQ(Name(1), "Col1");
    EXPECT_EQ(Name(2), "Height");
    EXPECT_EQ(Name(3), "Col3");  // was Col5
    EXPECT_EQ(Cell(3, 2), "10");
    EXPECT_FALSE(ws.rules.ProcessIf.Active);
    EXPECT_EQ(ws.rules.ProcessIfStatusText(), "Process If Off");
    // The last column: the current cell moves one to the left.
    EXPECT_EQ(*DeleteColumns(ws, GridRect{3, 1, 3, 1}), (CellPos{2, 1}));
    ws.history.Undo();
    ws.history.Undo();
    EXPECT_EQ(Name(5), "Col5");
    EXPECT_EQ(Cell(4, 1), "4");
}

TEST_F(GridCommandsTest, InsertingColumnsStopsAt512AndSwitchesProcessIfOff) {
    Five();
    ws.rules.SetProcessIfRule(1, 2, 1, "Height", 2);
    EXPECT_EQ(*InsertColumns(ws, GridRect{2, 1, 3, 1}), (CellPos{2, 1}));
    EXPECT_EQ(ws.table.MaxCol(), 7);
    EXPECT_EQ(Name(2), "Col2");
    EXPECT_EQ(Name(4), "Height");
    EXPECT_EQ(Name(7), "Col7");
    EXPECT_EQ(Cell(4, 1), "2");
    EXPECT_FALSE(ws.rules.ProcessIf.Active);

    ws.table.SetMaxCol(511);
    EXPECT_FALSE(InsertColumns(ws, GridRect{1, 1, 2, 1}));
    EXPECT_EQ(ui.errors.back(), "Maximum Number of Columns Exceeded.");
    EXPECT_EQ(ws.table.MaxCol(), 511);
    EXPECT_TRUE(InsertCaseNumbers(ws));
    EXPECT_FALSE(InsertCaseNumbers(ws));
}

TEST_F(GridCommandsTest, RowsAreInsertedAndDeletedAroundTheSelection) {
    Five();
    EXPECT_EQ(*InsertRows(ws, GridRect{1, 2, 1, 3}), (CellPos{1, 2}));
    EXPECT_EQ(ws.table.CaseRows(), 4);
    EXPECT_EQ(Cell(1, 4), "6");
    EXPECT_TRUE(ws.table.LayoutEdited);
    EXPECT_TRUE(ws.data.DataChanged);
    // The selection reaches the last row: the current row is the one above it.
    EXPECT_EQ(*DeleteRows(ws, GridRect{1, 3, 5, 4}, 2), (CellPos{2, 2}));
    EXPECT_EQ(ws.table.CaseRows(), 2);
    EXPECT_EQ(*DeleteRows(ws, GridRect{1, 2, 5, 2}, 2), (CellPos{2, 1}));
    // Every row: a new table, after asking to save the modified one.
    ui.answers = {Answer::No};
    EXPECT_FALSE(DeleteRows(ws, GridRect{1, 1, 5, 1}, 1));
    EXPECT_EQ(ui.questions.back(), "File Not Saved.  Save?");
    EXPECT_FALSE(ws.table.HaveData());
    EXPECT_FALSE(ws.history.CanUndo());
}

TEST_F(GridCommandsTest, CaseNumbersComeFirst) {
    Five();
    EXPECT_EQ(*InsertCaseNumbers(ws), (CellPos{1, 1}));
    EXPECT_EQ(Name(1), "Case");
    EXPECT_EQ(Cell(1, 1), "1");
    EXPECT_EQ(Cell(1, 2), "2");
    EXPECT_EQ(Name(3), "Height");
    EXPECT_EQ(Name(2), "Col2");
    EXPECT_EQ(ws.table.DescGrid.Cell(1, DescTitleRow), "");
}

TEST_F(GridCommandsTest, TransposeTurnsRowsIntoColumnsWithDefaultNames) {
    FillTable(ws, {"A", "B"}, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
    ws.table.DescGrid.SetCell(1, DescTitleRow, "title");
    const auto before = Snapshot(ws.table);
    EXPECT_TRUE(Transpose(ws));
    EXPECT_EQ(ws.table.MaxCol(), 3);
    EXPECT_EQ(ws.table.CaseRows(), 2);
    EXPECT_EQ(Name(1), "Col1");
    EXPECT_EQ(Name(3), "Col3");
    EXPECT_EQ(Cell(3, 1), "5");
    EXPECT_EQ(Cell(2, 2), "4");
    EXPECT_FALSE(ws.table.HasAnyDescription());
    EXPECT_EQ(ws.table.DescGrid.Cell(0, DescLSLRow), "LSL:");
    ws.history.Undo();
    EXPECT_EQ(Snapshot(ws.table), before);

    ws.table.SetCaseRows(513);
    EXPECT_FALSE(Transpose(ws));
    EXPECT_EQ(ui.errors.back(), "Maximum Number of Columns Exceeded.");
}

TEST_F(GridCommandsTest, ClearEmptiesTheSelectionAndCutIsClearUnderItsOwnName) {
    Five();
    EXPECT_TRUE(ClearCells(ws, GridId::Data, GridRect{2, 1, 3, 2}, "Cut"));
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(3, 2), "");
    EXPECT_EQ(Cell(4, 2), "9");
    EXPECT_EQ(ws.history.UndoLabel(), "Cut");
    EXPECT_FALSE(ClearCells(ws, GridId::Data, GridRect{2, 1, 3, 2}));  // nothing left to clear
    ws.table.DescGrid.SetCell(1, DescTitleRow, "t");
    EXPECT_TRUE(ClearCells(ws, GridId::Desc, GridRect{1, 1, 2, 4}));
    EXPECT_EQ(ws.table.DescGrid.Cell(1, DescTitleRow), "");
    EXPECT_EQ(ws.table.DescGrid.Cell(0, DescTitleRow), "Title:");
}

TEST_F(GridCommandsTest, CtrlArrowsJumpOverRunsOfFilledCells) {
    FillTable(ws, {"A", "B"}, {{"1", ""}, {"2", ""}, {"", "x"}, {"4", ""}, {"", ""}});
    const TextGrid& g = ws.table.DataGrid;
    CellPos p = JumpTarget(g, CellPos{1, 1}, 0, 1, 2, 5);
    EXPECT_EQ(p, (CellPos{1, 2}));
    p = JumpTarget(g, p, 0, 1, 2, 5);
    EXPECT_EQ(p, (CellPos{1, 4}));
    EXPECT_EQ(JumpTarget(g, p, 0, 1, 2, 5), (CellPos{1, 5}));  // nothing below: the last row
    EXPECT_EQ(JumpTarget(g, CellPos{1, 4}, 0, -1, 2, 5), (CellPos{1, 2}));
    EXPECT_EQ(JumpTarget(g, CellPos{2, 1}, 0, -1, 2, 5), (CellPos{2, 1}));  // not the header
    EXPECT_EQ(JumpTarget(g, CellPos{2, 5}, 0, -1, 2, 5), (CellPos{2, 3}));
    EXPECT_EQ(JumpTarget(g, CellPos{1, 3}, 1, 0, 2, 5), (CellPos{2, 3}));
}

TEST_F(GridCommandsTest, LeavingTheEditorAdvancesTheCountersOfWhatWasEdited) {
    Five();
    ws.table.LayoutEdited = ws.table.DataEdited = false;
    const DataTable& t = ws.table;
    const int layout = t.LayoutGeneration, data = t.DataGeneration;
    SetCellText(ws, GridId::Data, 1, 1, "100");
    EditorDeactivated(ws);
    EXPECT_EQ(t.LayoutGeneration, layout);
    EXPECT_EQ(t.DataGeneration, data);
    EXPECT_FALSE(ws.data.DataChanged);
    EXPECT_EQ(ws.data.Value(1, 1), 100);

    InsertRows(ws, GridRect{1, 1, 1, 1});
    RenameColumn(ws, 1, "First");
    EditorDeactivated(ws);
    EXPECT_EQ(t.LayoutGeneration, layout + 1);
    EXPECT_EQ(t.DataGeneration, data + 1);
    EXPECT_FALSE(t.LayoutEdited || t.DataEdited);
    // Undoing the rename is a rename too.
    ws.history.Undo();
    EditorDeactivated(ws);
    EXPECT_EQ(t.LayoutGeneration, layout + 2);
    EXPECT_EQ(t.DataGeneration, data + 2);
}

TEST_F(GridCommandsTest, EditorRules) {
    Five();
    ws.table.DataFilename = "/data/fill.dat";
    ws.table.Modified = true;
    EXPECT_EQ(EditorCaption(ws.table), "Data - /data/fill.dat  (modified)");
    EXPECT_EQ(CellStatusText(3, 12), "Col = 3,  Row = 12");
    EXPECT_EQ(SizeStatusText(ws.table), "Cols = 5,  Rows = 2");
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ws.rules.Missing.Active = true;
    EXPECT_EQ(StatusBarHint(ws.table, ws.rules, ws.transform),
              "Status Bar\n  Missing When: X = 99\nCols = 5,  Rows = 2");
    EXPECT_TRUE(EditMenuEnabling(true, PressedOn::ColumnHeaders, false).ColumnCommands);
    EXPECT_FALSE(EditMenuEnabling(false, PressedOn::ColumnHeaders, true).ColumnCommands);
    EXPECT_FALSE(EditMenuEnabling(true, PressedOn::Cells, true).RowCommands);
    EXPECT_TRUE(DescriptionKeyAllowed(DescUSLRow, 'E'));
    EXPECT_FALSE(DescriptionKeyAllowed(DescLSLRow, 'x'));
    EXPECT_TRUE(DescriptionKeyAllowed(DescTitleRow, 'x'));
}

TEST_F(GridCommandsTest, CellsShowLevelsExcludedRowsAndMissingValues) {
    FillTable(ws, {"Line", "W", "C"}, {{"1", "99", "red"}, {"2", "5", "blue"}, {"1", "", "red"}});
    ws.rules.SetProcessIfRule(1, 1, 1, "Line", 2);
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ws.rules.Missing.Active = true;
    EXPECT_TRUE(LookOfCell(ws, 2, 1, true).Excluded);
    EXPECT_FALSE(LookOfCell(ws, 2, 2, true).Excluded);
    EXPECT_TRUE(LookOfCell(ws, 2, 1, true).Missing);
    EXPECT_FALSE(LookOfCell(ws, 2, 2, true).Missing);
    EXPECT_FALSE(LookOfCell(ws, 2, 3, true).Missing);  // empty cells are not painted
    const CellLook blue = LookOfCell(ws, 3, 2, true);
    EXPECT_TRUE(blue.TextColumn);
    EXPECT_EQ(blue.Level, 2);
    EXPECT_EQ(LookOfCell(ws, 3, 2, false).Level, 0);
    // An edited row shows nothing from its numbers until they are derived again.
    SetCellText(ws, GridId::Data, 3, 2, "green");
    EXPECT_FALSE(NumbersCurrent(ws, 3, 2));
    EXPECT_EQ(LookOfCell(ws, 3, 2, true).Level, 0);
    EXPECT_EQ(LookOfCell(ws, 3, 1, true).Level, 1);
    InsertRows(ws, GridRect{1, 1, 1, 1});
    EXPECT_FALSE(NumbersCurrent(ws, 3, 2));
    ws.data.UpdateData();
    EXPECT_EQ(LookOfCell(ws, 3, 3, true).Level, 2);
}

}  // namespace
}  // namespace vostrel
