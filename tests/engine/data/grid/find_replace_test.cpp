#include "engine/data/grid/find_replace.h"

#include <gtest/gtest.h>

#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/table_snapshot.h"

namespace vostrel {
namespace {

using testing::FillTable;

class FindReplaceTest : public ::testing::Test {
  protected:
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};

    void SetUp() override {
        FillTable(ws, {"A", "B", "C"},
                  {{"5", "red", "1"}, {"7", "blue", ""}, {"", "red", "5"}, {"5", "", "9"}});
        ws.history.Reset();
    }
    static FindRequest Request(int rel1, const std::string& v1, int rel2 = 0,
                               const std::string& v2 = "0") {
        FindRequest r;
        r.First = {rel1, v1};
        r.Second = {rel2, v2};
        r.Current = {1, 1};
        return r;
    }
};

TEST_F(FindReplaceTest, FindGoesDownEachColumnFromBelowTheCurrentCell) {
    FindRequest r = Request(1, "5");
    FindOutcome found = FindNext(ws, r);
    ASSERT_TRUE(found.Found);
    EXPECT_EQ(found.Cell, (CellPos{1, 4}));  // row 1 is where the search begins
    r.Current = found.Cell;
    found = FindNext(ws, r);
    EXPECT_EQ(found.Cell, (CellPos{3, 3}));  // then on down the next columns
    r.Current = found.Cell;
    EXPECT_FALSE(FindNext(ws, r).Found);
}

TEST_F(FindReplaceTest, NumbersTextsAndTheTwoCriteria) {
    // "> 6 OR <= 1": 7 in column 1, then 1 in column 3 (the text column's levels are 1 and 2,
    // so red = 1 matches too).
    FindRequest r = Request(2, "6", 5, "1");
    r.Current = {1, 1};
    EXPECT_EQ(FindNext(ws, r).Cell, (CellPos{1, 2}));
    r.Current = {1, 4};
    EXPECT_EQ(FindNext(ws, r).Cell, (CellPos{2, 1}));
    // A text value compares texts: "blue" < "red"; empty cells never match.
    r = Request(4, "c");
    r.Current = {2, 1};
    EXPECT_EQ(FindNext(ws, r).Cell, (CellPos{2, 2}));
    // Both boxes empty: nothing happens; one empty box has nothing to compare with.
    EXPECT_FALSE(FindNext(ws, Request(2, "", 2, " ")).Found);
    r = Request(2, "", 1, "9");
    EXPECT_EQ(FindNext(ws, r).Cell, (CellPos{3, 4}));
}

TEST_F(FindReplaceTest, SelectionOnlySearchesTheSelection) {
    FindRequest r = Request(1, "5");
    r.SelectionOnly = true;
    r.Selection = GridRect{3, 1, 3, 4};
    r.Current = {1, 1};
    EXPECT_EQ(FindNext(ws, r).Cell, (CellPos{3, 3}));
    const FindOutcome replaced = ReplaceNext(ws, r, "50");
    EXPECT_EQ(replaced.Cell, (CellPos{3, 3}));
    EXPECT_EQ(ws.table.DataGrid.Cell(3, 3), "50");
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 1), "5");
}

TEST_F(FindReplaceTest, ReplaceAllIsOneStepAndUndoesWhole) {
    const auto before = testing::Snapshot(ws.table);
    const FindOutcome all = ReplaceAll(ws, Request(1, "red", 1, "blue"), "green");
    EXPECT_TRUE(all.Found);
    EXPECT_EQ(all.Replaced, 3);
    EXPECT_EQ(all.Cell, (CellPos{2, 3}));
    EXPECT_EQ(ws.table.DataGrid.Cell(2, 2), "green");
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_EQ(ws.history.StepCount(), 1u);
    ws.history.Undo();
    EXPECT_EQ(testing::Snapshot(ws.table), before);
    EXPECT_FALSE(ReplaceAll(ws, Request(1, "purple"), "x").Found);
    EXPECT_FALSE(ws.history.CanUndo());
}

}  // namespace
}  // namespace vostrel
