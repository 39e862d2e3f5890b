// Across-rows statistics, run numbers, auto recode and weight cases.

#include <cmath>

#include <gmock/gmock.h>

#include "derived_fixture.h"
#include "engine/derived/compute_variables.h"
#include "engine/derived/derived_statistics.h"
#include "engine/derived/run_numbers.h"
#include "engine/derived/weight_cases.h"
#include "engine/report/report_export.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class TableCommandsTest : public testing::DerivedTest {
  protected:
    DeriveResult Across(int item, std::vector<int> columns, const std::string& name = "") {
        AcrossRowsRequest request;
        request.Statistic = item;
        request.Columns = std::move(columns);
        request.NewName = name;
        return ComputeAcrossRows(ws, request, &log);
    }
    ReportDocument log;
};

TEST_F(TableCommandsTest, AcrossRowsMeanTakesTheValidValuesOfEachRow) {
    Fill({"A", "B"}, {{"2", "4"}, {"3", ""}, {"", "."}, {"1", "7"}});
    ASSERT_EQ(Across(AcrossMean, {1, 2}, "Mean1"), DeriveResult::Added);
    EXPECT_THAT(Cells("Mean1"), ElementsAre("3", "3", "", "4"));
    EXPECT_EQ(ReportToPlainText(log, LineEnd::Lf),
              "Mean1 added to Data Editor\n\t* Mean of A, B\n\n");
}

TEST_F(TableCommandsTest, AcrossRowsStatisticsOfSeveralColumns) {
    Fill({"A", "B", "C"}, {{"1", "5", "3"}, {"4", "", ""}, {"2", "2", "8"}});
    for (int item : {AcrossMedian, AcrossStdDev, AcrossVariance, AcrossLow, AcrossHigh, AcrossRange,
                     AcrossSum, AcrossCount, AcrossMode})
        ASSERT_EQ(Across(item, {1, 2, 3}, "s" + std::to_string(item)), DeriveResult::Added);
    EXPECT_THAT(Cells("s1"), ElementsAre("3", "4", "2"));
    EXPECT_NEAR(Number("s2", 1), 2.0, 1e-15);
    EXPECT_EQ(Number("s2", 2), 0.0);            // one value: no spread
    EXPECT_NEAR(Number("s3", 3), 12.0, 1e-12);  // 2, 2, 8: mean 4, squares 4 + 4 + 16
    EXPECT_THAT(Cells("s4"), ElementsAre("1", "4", "2"));
    EXPECT_THAT(Cells("s5"), ElementsAre("5", "4", "8"));
    EXPECT_THAT(Cells("s6"), ElementsAre("4", "0", "6"));
    EXPECT_THAT(Cells("s7"), ElementsAre("9", "4", "12"));
    EXPECT_THAT(Cells("s8"), ElementsAre("3", "1", "3"));
    EXPECT_THAT(Cells("s9"), ElementsAre("1", "4", "2"));
}

TEST_F(TableCommandsTest, AcrossRowsUsesUntransformedValuesOfRowsThatPassProcessIf) {
    Fill({"Use", "A", "B"}, {{"1", "1", "3"}, {"0", "5", "7"}});
    ws.rules.SetProcessIfRule(1, 1, 1, "Use", 1);
    AcceptTransformDialog(ws.transform, 1, "100", "0", "1", false);
    ASSERT_EQ(Across(AcrossSum, {2, 3}), DeriveResult::Added);
    EXPECT_THAT(Cells("Sum1"), ElementsAre("4", ""));
}

TEST_F(TableCommandsTest, RunNumbersFollowTheCombinationsInCodeOrder) {
    Fill({"P", "Q"}, {{"2", "1"}, {"1", "2"}, {"1", "1"}, {"", "1"}, {"1", "2"}});
    ASSERT_EQ(GenerateRunNumbers(ws, {2, 1}), DeriveResult::Added);
    EXPECT_THAT(Cells("Run"), ElementsAre("3", "2", "1", "", "2"));
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_TRUE(ws.table.DataEdited);
    EXPECT_EQ(ws.data.Value(3, 1), 3.0);
}

TEST_F(TableCommandsTest, RunNumbersNeedTwoRows) {
    Fill({"P"}, {{"1"}});
    EXPECT_EQ(GenerateRunNumbers(ws, {1}), DeriveResult::Refused);
    EXPECT_EQ(ws.table.MaxCol(), 1);
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST_F(TableCommandsTest, AutoRecodeNumbersTheDistinctValuesFromTheLowest) {
    Fill({"V", "T"}, {{"10", "b"}, {"30", "a"}, {"", "b"}, {"10", ""}, {"20", "c"}});
    ASSERT_EQ(AutoRecode(ws, {2, 1}), DeriveResult::Added);
    EXPECT_EQ(ws.table.ColumnName(3), "V_R");
    EXPECT_EQ(ws.table.ColumnName(4), "T_R");
    EXPECT_THAT(Cells("V_R"), ElementsAre("1", "3", "", "1", "2"));
    // A text column's values are its levels, numbered in order of first appearance.
    EXPECT_THAT(Cells("T_R"), ElementsAre("1", "2", "1", "", "3"));
}

TEST_F(TableCommandsTest, AutoRecodeAppliesTheMissingRulesButNotProcessIf) {
    Fill({"V", "Use"}, {{"5", "0"}, {"-1", "1"}, {"7", "1"}});
    ws.rules.SetMissingRule(1, 4, "0", 0);  // x < 0 is missing
    ws.rules.SetProcessIfRule(1, 2, 1, "Use", 1);
    ASSERT_EQ(AutoRecode(ws, {1}), DeriveResult::Added);
    EXPECT_THAT(Cells("V_R"), ElementsAre("1", "", "2"));
}

TEST_F(TableCommandsTest, AutoRecodeAddsNothingWhenTheColumnsDoNotFit) {
    Fill({"A", "B"}, {{"1", "2"}});
    ws.table.SetMaxCol(MaxColumns - 1);
    EXPECT_EQ(AutoRecode(ws, {1, 2}), DeriveResult::Refused);
    EXPECT_THAT(ui.errors, ElementsAre("Maximum Number of Columns Exceeded."));
    EXPECT_EQ(ws.table.MaxCol(), MaxColumns - 1);
}

TEST_F(TableCommandsTest, WeightCasesAppendsCopiesAfterTheOriginalRows) {
    Fill({"Id", "W"}, {{"a", "1"}, {"b", "3"}, {"c", "2"}});
    ui.answers = {Answer::Yes};
    ASSERT_EQ(WeightCases(ws, 2), DeriveResult::Added);
    EXPECT_THAT(ui.questions, ElementsAre("New Row Count = 6, Continue?"));
    EXPECT_THAT(Cells("Id"), ElementsAre("a", "b", "c", "b", "b", "c"));
    EXPECT_THAT(Cells("W"), ElementsAre("1", "3", "2", "3", "3", "2"));
    EXPECT_EQ(ws.table.DataGrid.CellString(0, 6), "6");
    EXPECT_EQ(ws.data.Ncount, 6);
    EXPECT_TRUE(ws.table.Modified);
}

TEST_F(TableCommandsTest, WeightCasesNoLeavesTheTableAsItWas) {
    Fill({"Id", "W"}, {{"a", "1"}, {"b", "3"}});
    const auto before = Grid();
    ui.answers = {Answer::No};
    EXPECT_EQ(WeightCases(ws, 2), DeriveResult::Cancelled);
    EXPECT_EQ(Grid(), before);
    EXPECT_FALSE(ws.table.Modified);
}

TEST_F(TableCommandsTest, RowsWithoutAPositiveRoundedWeightAreRemovedAndCounted) {
    // Weights: missing, 0, -2, 0.4 (rounds to 0), 2.5 (to 2), 1.5 (to 2), 1.
    Fill(
        {"Id", "W"},
        {{"a", ""}, {"b", "0"}, {"c", "-2"}, {"d", "0.4"}, {"e", "2.5"}, {"f", "1.5"}, {"g", "1"}});
    const WeightPlan plan = PlanWeightCases(ws, 2);
    EXPECT_EQ(plan.NewRowCount, 5);
    EXPECT_EQ(plan.RemovedRows, 4);
    ui.answers = {Answer::Yes};
    ASSERT_EQ(WeightCases(ws, 2), DeriveResult::Added);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0],
              "New Row Count = 5, Continue?\n(4 rows whose weight is missing or below 0.5 will be "
              "removed.)");
    // Exactly the announced rows, every one holding data.
    EXPECT_THAT(Cells("Id"), ElementsAre("e", "f", "g", "e", "f"));
    EXPECT_EQ(ws.table.CaseRows(), 5);
}

TEST_F(TableCommandsTest, WeightCasesRefusesWeightsThatLeaveNoRowOrAreText) {
    Fill({"Id", "W"}, {{"a", "0"}, {"b", ""}});
    EXPECT_EQ(WeightCases(ws, 2), DeriveResult::Refused);
    EXPECT_EQ(WeightCases(ws, 1), DeriveResult::Refused);
    EXPECT_THAT(ui.errors, ElementsAre("No row has a weight of 1 or more.",
                                       "Weight Variable Id must hold numbers."));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ws.table.CaseRows(), 2);
}

TEST_F(TableCommandsTest, WeightCasesRefusesMoreRowsThanATableHolds) {
    Fill({"W"}, {{"1e12"}, {"3"}});
    EXPECT_EQ(WeightCases(ws, 1), DeriveResult::Refused);
    EXPECT_THAT(ui.errors, ElementsAre("New Row Count is too large."));
    EXPECT_EQ(ws.table.CaseRows(), 2);
}

}  // namespace
}  // namespace vostrel
