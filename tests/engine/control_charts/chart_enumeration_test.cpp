// The chart list of a definition with chart groups, moving through it, and the points of
// the grouped layouts.

#include "engine/control_charts/chart_enumeration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart_workspace.h"
#include "engine/control_charts/chart_report_source.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ChartEnumerationTest : public ChartWorkspaceTest {
  protected:
    // Groups "a", "b", "c"; group "c" has no value of X, group "b" no value of Y.
    void GroupedTable() {
        Table({"X", "Y", "G", "S"}, {{"1", "10", "a", "1"},
                                     {"2", "", "b", "1"},
                                     {"", "11", "c", "2"},
                                     {"3", "12", "a", "2"},
                                     {"4", "", "b", "2"},
                                     {"", "13", "c", "3"},
                                     {"5", "14", "a", "3"}});
    }
};

TEST_F(ChartEnumerationTest, OneChartPerGroupWithPoints) {
    GroupedTable();
    Measures({1});
    Groups({3});
    ASSERT_TRUE(Action());
    const ChartState& chart = ws_.chart;
    EXPECT_EQ(chart.Definition.LayoutType, 8);
    EXPECT_EQ(chart.Definition.FirstRun, 1);
    EXPECT_EQ(chart.Definition.LastRun, 3);
    // Group "c" has no selected value: it is left out.
    EXPECT_THAT(chart.ChartNames, ElementsAre("a", "b"));
    EXPECT_THAT(chart.ChartKeys, ElementsAre("1 1", "1 2"));

    // Action computed the first chart.
    EXPECT_EQ(chart.RunInfo.CurrentName, "a");
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, 3, 5));
    EXPECT_TRUE(NextChart(ws_));
    EXPECT_EQ(chart.RunInfo.CurrentName, "b");
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(2, 4));
    EXPECT_FALSE(NextChart(ws_));
    EXPECT_EQ(chart.CurrentColumn, 1);
    EXPECT_EQ(chart.CurrentRun, 3);

    ASSERT_TRUE(SelectChart(ws_, 0));
    EXPECT_EQ(chart.RunInfo.CurrentName, "a");
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, 3, 5));
    EXPECT_FALSE(SelectChart(ws_, 2));
}

TEST_F(ChartEnumerationTest, MeasuresAndGroupsTogether) {
    GroupedTable();
    Measures({1, 2});
    Groups({3});
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 12);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("X(a)", "X(b)", "Y(a)", "Y(c)"));
    EXPECT_THAT(ws_.chart.ChartKeys, ElementsAre("1 1", "1 2", "2 1", "2 3"));
    ASSERT_TRUE(SelectChart(ws_, 3));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(11, 13));
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 2));

    // Subgroups in rows: one chart per group, each row of the group a point.
    setup_.SetSubgroupsInRows(true);
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 9);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("X..Y(a)", "X..Y(b)", "X..Y(c)"));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2, 2, 2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(5.5, 7.5, 9.5));
}

TEST_F(ChartEnumerationTest, BlocksWithinAGroupTakeItsValidValuesInTurn) {
    Table({"X", "G"},
          {{"1", "1"}, {"7", "2"}, {"", "1"}, {"3", "1"}, {"8", "2"}, {"4", "1"}, {"5", "1"}});
    Measures({1});
    Groups({2});
    SampleSize(2);
    setup_.SelectAxisLabel(1);
    ws_.chart.View.ShowBreaks = true;
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 11);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("1", "2"));
    // Group 1 has five rows, so three blocks; its four values fill the first two.
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2, 2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(2, 4.5));
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 6));
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 0));

    ASSERT_TRUE(SelectChart(ws_, 1));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(7.5));
}

TEST_F(ChartEnumerationTest, SamplesWithinAGroup) {
    GroupedTable();
    Measures({2});
    Groups({3});
    SampleColumn(4);
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 10);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("a", "c"));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(1, 1, 1));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(10, 12, 14));
    ASSERT_TRUE(SelectChart(ws_, 1));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(11, 13));

    Measures({1});
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 13);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("X(a)", "X(b)", "Y(a)", "Y(c)"));
}

TEST_F(ChartEnumerationTest, BlocksPerMeasureAndGroup) {
    GroupedTable();
    Measures({1, 2});
    Groups({3});
    SampleSize(2);
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 14);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("X(a)", "X(b)", "Y(a)", "Y(c)"));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2, 1));
}

TEST_F(ChartEnumerationTest, NoChartWithPointsGivesAnEmptyList) {
    Table({"X", "G"}, {{"", "1"}, {"", "2"}});
    Measures({1});
    Groups({2});
    EXPECT_FALSE(Action());
    EXPECT_TRUE(ws_.chart.ChartNames.empty());
    EXPECT_EQ(ws_.chart.PointCount, 0);
}

TEST_F(ChartEnumerationTest, EditedDataShowsAfterRecomputingAndKeepsTheGroups) {
    GroupedTable();
    Measures({1});
    Groups({3});
    ASSERT_TRUE(Action());
    ws_.table.DataGrid.SetCell(1, 4, "30");
    ws_.table.DataGrid.SetCell(3, 5, "a");  // row 5 moves from group b to group a
    ws_.data.SetRowModifiedTrue(4);
    ws_.data.SetRowModifiedTrue(5);
    // Another run description replaces the table's run codes in between.
    TRunInfo other;
    other.RefArray[0] = 1;
    other.RefArray[1] = 4;
    ws_.data.SetRunData(other);

    ASSERT_TRUE(SelectChart(ws_, 0));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, 30, 4, 5));
    ASSERT_TRUE(SelectChart(ws_, 1));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(2));
}

TEST_F(ChartEnumerationTest, ReportSourceOfTheCurrentChart) {
    GroupedTable();
    ws_.table.DescGrid.SetCell(1, DescTitleRow, "Length");
    ws_.table.DescGrid.SetCell(1, DescUSLRow, "9");
    ws_.data.UpdateData();
    ws_.rules.SetProcessIfRule(1, 4, 2, "S", 0.0);  // S > 0
    ws_.rules.SetMissingRule(1, 1, "99", 99.0);     // X = 99 is missing
    Measures({1});
    Groups({3});
    ASSERT_TRUE(Action());
    ASSERT_TRUE(SelectChart(ws_, 1));

    ChartReportSource source = MakeChartReportSource(ws_, "Line 4");
    EXPECT_EQ(source.DataTitle, "Line 4");
    EXPECT_EQ(source.ColumnTitle, "Length");
    EXPECT_EQ(source.USL, 9.0);
    EXPECT_EQ(source.RunName, "b");
    EXPECT_EQ(source.FileModifications, "Missing When: X = 99\n\tProcess If: S > 0");
    EXPECT_TRUE(source.BothChartsShown);
    ws_.chart.View.SliderPosition = ChartViewOptions::MaxSlider;
    EXPECT_FALSE(MakeChartReportSource(ws_, "").BothChartsShown);

    WriteCurrentChartReport(ws_, "Line 4");
    EXPECT_EQ(ws_.chart.ReportTitle, "X and Moving Range Chart: Length (b)");
}

// Patterns of the tests for statistical control end at missing data shown as a break and
// at a change of analysis set, with the points extracted from rows.
class PatternStopTest : public ChartWorkspaceTest {
  protected:
    // Seven values above the centerline 5, one more row, then one value above.
    void Run(const std::string& eighthRow, const std::string& ninthSet) {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < 7; ++i) rows.push_back({"10", "1"});
        rows.push_back({eighthRow, "1"});
        rows.push_back({"10", ninthSet});
        Table({"X", "S"}, rows);
        Measures({1});
        Sets(2);
        Dispersion("None");
        SelectByText(setup_.LocLimitCalcs(), &ChartSetupModel::SelectLocLimitCalc, "User Defined");
        setup_.SetUserLimitChecked(UserLocUCL, false);
        setup_.SetUserLimitChecked(UserLocLCL, false);
        setup_.SetUserLimitText(UserLocCL, "5");
        ASSERT_TRUE(Action());
    }
};

TEST_F(PatternStopTest, EightInARowSignal) {
    Run("10", "1");
    EXPECT_EQ(Codes(LocationChart)[7], "R");
    EXPECT_EQ(Codes(LocationChart)[8], "R");
}

TEST_F(PatternStopTest, AMissingValueWithoutBreaksShownJoinsThePattern) {
    Run("", "1");
    ASSERT_EQ(ws_.chart.PointCount, 8);
    EXPECT_EQ(Codes(LocationChart)[7], "R");
}

TEST_F(PatternStopTest, ABreakStopsThePattern) {
    ws_.chart.View.ShowBreaks = true;
    Run("", "1");
    ASSERT_EQ(ws_.chart.PointCount, 8);
    for (const std::string& codes : Codes(LocationChart)) EXPECT_EQ(codes, "");
}

TEST_F(PatternStopTest, AChangeOfSetStopsThePattern) {
    Run("", "2");
    ASSERT_EQ(ws_.chart.PointCount, 8);
    EXPECT_EQ(ws_.chart.SetMax, 2);
    for (const std::string& codes : Codes(LocationChart)) EXPECT_EQ(codes, "");
}

}  // namespace
}  // namespace vostrel::testing
