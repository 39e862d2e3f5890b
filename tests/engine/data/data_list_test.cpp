#include "engine/data/data_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/workspace.h"
#include "support/scripted_ui.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::ScriptedUserInterface;

class DataListTest : public ::testing::Test {
  protected:
    // Fills the table column by column: columns[c][r] is the cell of column c+1, row r+1.
    void Fill(const std::vector<std::vector<std::string>>& columns) {
        ws.table.SetMaxCol(static_cast<int>(columns.size()));
        std::size_t rows = 0;
        for (const auto& column : columns) rows = std::max(rows, column.size());
        ws.table.SetCaseRows(static_cast<int>(rows));
        for (std::size_t c = 0; c < columns.size(); ++c)
            for (std::size_t r = 0; r < columns[c].size(); ++r)
                ws.table.DataGrid.SetCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1,
                                          columns[c][r]);
        ws.data.UpdateData();
    }
    std::vector<double> Column(int c) {
        std::vector<double> values;
        for (int r = 1; r <= ws.data.Ncount; ++r) values.push_back(ws.data.Value(c, r));
        return values;
    }

    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

TEST_F(DataListTest, CellsDeriveToNumbersOrMissing) {
    Fill({{"1,234", "$12", ".", "..", ".5", "-.5", "", "3-4", "1e999", "7."}});
    EXPECT_THAT(Column(1), ElementsAre(1234, 12, MissingValue, MissingValue, 0.5, -0.5,
                                       MissingValue, MissingValue, MissingValue, 7));
    EXPECT_FALSE(ws.data.StringVar[1]);
    EXPECT_TRUE(ws.data.Highlow[1]);
    EXPECT_EQ(ws.data.ColumnLow[1], -0.5);
    EXPECT_EQ(ws.data.ColumnHigh[1], 1234);
    EXPECT_EQ(ws.data.Ncount, 10);
    EXPECT_GE(ws.sample.Acount(), 10);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(DataListTest, OneTextCellMakesTheColumnText) {
    Fill({{"5", "n/a", "", "5", "7"}, {"b", "a", "b", "", "a"}});
    // Levels in order of first appearance; blanks stay missing.
    EXPECT_TRUE(ws.data.StringVar[1]);
    EXPECT_THAT(Column(1), ElementsAre(1, 2, MissingValue, 1, 3));
    EXPECT_THAT(Column(2), ElementsAre(1, 2, 1, MissingValue, 2));
    EXPECT_EQ(ws.data.GetLevelName(2, 1), "b");
    EXPECT_EQ(ws.data.GetLevelName(1, 2), "n/a");
    EXPECT_EQ(ws.data.ColumnHigh[1], 3);
    EXPECT_EQ(ws.data.ColumnLow[1], 1);
}

TEST_F(DataListTest, ColumnBecomesNumericAgainWhenItsTextIsGone) {
    Fill({{"1", "x", "3"}});
    ASSERT_TRUE(ws.data.StringVar[1]);
    ws.table.DataGrid.SetCell(1, 2, "2");
    ws.data.SetRowModifiedTrue(2);
    EXPECT_TRUE(ws.data.DataChanged);
    ws.data.UpdateData();
    EXPECT_FALSE(ws.data.StringVar[1]);
    EXPECT_THAT(Column(1), ElementsAre(1, 2, 3));
    EXPECT_FALSE(ws.data.DataChanged);
    EXPECT_EQ(ws.data.GetLevelName(1, 2), "2");  // a numeric level is named by its number
}

TEST_F(DataListTest, NamesTitlesAndLimits) {
    Fill({{"1"}, {"2"}});
    ws.table.SetColumnName(1, "Weight");
    ws.table.DescGrid.SetCell(1, DescTitleRow, "Fill weight");
    ws.table.DescGrid.SetCell(1, DescUSLRow, "10.5");
    ws.table.DescGrid.SetCell(1, DescTargetRow, "abc");
    ws.table.DescGrid.SetCell(1, DescLSLRow, ".5");
    EXPECT_EQ(ws.data.ColumnName(1), "Weight");
    EXPECT_EQ(ws.data.ColumnTitleOrName(1), "Fill weight");
    EXPECT_EQ(ws.data.ColumnTitleOrName(2), "Col2");
    EXPECT_EQ(ws.data.ColumnName(3), "");
    EXPECT_EQ(ws.data.ColumnUSL(1), 10.5);
    EXPECT_EQ(ws.data.ColumnTarget(1), MissingValue);
    EXPECT_EQ(ws.data.ColumnLSL(1), 0.5);
    EXPECT_EQ(ws.data.ColumnUSL(2), MissingValue);
    EXPECT_EQ(ws.data.ColumnUSL(0), MissingValue);
    EXPECT_EQ(ws.data.ColumnUSL(3), MissingValue);
}

TEST_F(DataListTest, RunsNumberPresentCombinationsInCodeOrder) {
    // g1 in 1..3 and g2 in 1..2: code = 1 + (g1 - 1) * 2 + (g2 - 1).
    Fill({{"3", "1", "2", "1", "", "3", "1"}, {"1", "2", "2", "2", "1", "1", "1"}});
    TRunInfo run;
    run.RefArray[0] = 2;
    run.RefArray[1] = 1;
    run.RefArray[2] = 2;
    ws.data.SetRunData(run);
    EXPECT_EQ(run.MaxLevel[1], 3);
    EXPECT_EQ(run.MaxLevel[2], 2);
    EXPECT_EQ(run.Cpower[1], 2);
    EXPECT_EQ(run.Cpower[2], 1);
    EXPECT_EQ(run.MinRun, 1);
    ASSERT_EQ(run.MaxRun, 4);  // (1,1) (1,2) (2,2) (3,1)
    EXPECT_THAT(
        std::vector<std::int64_t>(ws.data.RunCodes.begin() + 1, ws.data.RunCodes.begin() + 5),
        ElementsAre(1, 2, 4, 5));
    EXPECT_EQ(ws.data.RowRunCode[1], 5);
    EXPECT_EQ(ws.data.RowRunCode[5], 0);  // a missing group value: no run
    EXPECT_EQ(ws.data.CalcLineRun(3, run), 4);
    EXPECT_EQ(ws.data.GetRunName(2, run), "1, 2");
    EXPECT_EQ(ws.data.RunRows[2], 2);  // the first row of the run names it
    EXPECT_EQ(run.Afirst, 1);
    EXPECT_EQ(run.Alast, 4);
}

TEST_F(DataListTest, RunsOfManyWideGroupsDoNotOverflow) {
    std::vector<std::vector<std::string>> columns(4);
    for (const char* v : {"-2000000000", "2000000000", "0"})
        for (auto& column : columns) column.emplace_back(v);
    Fill(columns);
    TRunInfo run;
    run.RefArray[0] = 4;
    for (int i = 1; i <= 4; ++i) run.RefArray[static_cast<std::size_t>(i)] = i;
    ws.data.SetRunData(run);
    ASSERT_EQ(run.MaxRun, 3);
    EXPECT_EQ(ws.data.GetRunName(1, run), "-2000000000, -2000000000, -2000000000, -2000000000");
    EXPECT_EQ(ws.data.GetRunName(3, run), "2000000000, 2000000000, 2000000000, 2000000000");
    EXPECT_NE(ws.data.RowRunCode[1], ws.data.RowRunCode[2]);
}

TEST_F(DataListTest, OneRowIsOneRun) {
    Fill({{"4"}, {"7"}});
    TRunInfo run;
    run.RefArray[0] = 2;
    run.RefArray[1] = 1;
    run.RefArray[2] = 2;
    ws.data.SetRunData(run);
    EXPECT_EQ(run.MinRun, 1);
    EXPECT_EQ(run.MaxRun, 1);
}

TEST_F(DataListTest, AnalysisSetsIncludeTheMissingSet) {
    Fill({{"2", "", "1", "2"}});
    ws.data.SetColumn = 1;
    ws.data.SetIndex = 3;
    ws.data.SetGlobalIndexData();
    EXPECT_EQ(ws.data.SetIndex, 0);
    EXPECT_EQ(ws.data.SetCount, 3);
    EXPECT_THAT(std::vector<double>(ws.data.SetValues.begin() + 1, ws.data.SetValues.end()),
                ElementsAre(MissingValue, 1, 2));
    EXPECT_FALSE(ws.data.FirstGlobalSet());
    ws.data.SetIndex = 1;
    EXPECT_TRUE(ws.data.FirstGlobalSet());
}

TEST_F(DataListTest, OneRowTableHasItsOwnSetValue) {
    Fill({{"5"}});
    ws.data.SetColumn = 1;
    ws.data.SetGlobalIndexData();
    EXPECT_EQ(ws.data.SetCount, 1);
    EXPECT_EQ(ws.data.SetValues[1], 5);
}

TEST_F(DataListTest, DerivedColumnsExistBeyondTheWidestTable) {
    std::vector<std::vector<std::string>> columns(MaxColumns, std::vector<std::string>{"1"});
    Fill(columns);
    EXPECT_EQ(ws.data.CellValues.size(),
              static_cast<std::size_t>(MaxColumns + 1 + DerivedColumnCount));
    ws.data.Value(MaxColumns + 3, 1) = 2;  // the count column of the last possible data column
    ws.data.IncludeCol[MaxColumns + 3] = true;
    EXPECT_EQ(ws.data.Value(MaxColumns + 3, 1), 2);
}

TEST_F(DataListTest, RoundHalfEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
}

TEST(RunInfo, InitClearsAndCopyCopiesEverything) {
    TRunInfo a;
    a.v = 3;
    a.ColRefRun = 7;
    a.CurrentTitle = "x";
    a.RefArray[0] = 2;
    a.RefArray[512] = 9;
    a.Cpower[1] = 44;
    TRunInfo b;
    b.CopyFrom(a);
    EXPECT_EQ(b.v, 3);
    EXPECT_EQ(b.RefArray[512], 9);
    EXPECT_EQ(b.Cpower[1], 44);
    a.InitRunInfo();
    EXPECT_EQ(a.v, 0);
    EXPECT_EQ(a.ColRefRun, 0);
    EXPECT_EQ(a.CurrentTitle, "");
    EXPECT_EQ(a.RefArray[512], 0);
    EXPECT_EQ(b.CurrentTitle, "x");
}

}  // namespace
}  // namespace vostrel
