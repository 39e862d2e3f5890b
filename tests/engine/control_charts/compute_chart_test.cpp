// The points each layout extracts from real rows: values, subgroup statistics, labels,
// sets, breaks and the point list, and the closing steps of a chart's computation.

#include "engine/control_charts/compute_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "chart_workspace.h"
#include "engine/control_charts/compute_limits.h"
#include "engine/data/transform.h"

namespace vostrel::testing {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

constexpr double M = MissingValue;
constexpr double D2of2 = 1.12838;
constexpr double D2of5 = 2.32593;

MATCHER(NearlyEqual, "") {
    const double a = std::get<0>(arg);
    const double b = std::get<1>(arg);
    return a == b || std::fabs(a - b) < 1e-9;
}

class ChartPointsTest : public ChartWorkspaceTest {};

TEST_F(ChartPointsTest, IndividualValuesWithTheirMovingRanges) {
    Table({"X", "Lab"}, {{"10", "a"}, {"12", "b"}, {"", "c"}, {"11", "d"}});
    Measures({1});
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 1);
    EXPECT_EQ(ws_.chart.PointCount, 3);
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(10, 12, 11));
    EXPECT_THAT(Values(Row::SubgroupMean), ElementsAre(10, 12, 11));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(1, 1, 1));
    EXPECT_THAT(Values(Row::SubgroupStdDev), ElementsAre(0, 0, 0));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(M, 2, 1));
    EXPECT_THAT(Values(Row::SigmaFromRange), Pointwise(NearlyEqual(), {M, 2 / D2of2, 1 / D2of2}));
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 2, 3));
    EXPECT_THAT(Values(Row::SetNumber), ElementsAre(0, 0, 0));
    // Without breaks shown the missing value leaves no trace.
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 0, 0));
    EXPECT_EQ(ws_.chart.BreakCount, 0);

    SetShowBreaks(ws_, true);
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 1, 0));
    EXPECT_EQ(ws_.chart.BreakCount, 1);
    EXPECT_EQ(ws_.chart.LocPointText.size(), 5u);  // three points, one gap, entry 0

    setup_.SelectAxisLabel(2);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 2, 4));  // the data rows
}

TEST_F(ChartPointsTest, CaseSelectionLeavesRowsOutAndMissingValuesBreak) {
    Table({"X", "F"}, {{"1", "1"}, {"2", "0"}, {"3", "1"}, {"4", "1"}, {"5", "1"}});
    ws_.rules.SetProcessIfRule(1, 2, 1, "F", 1.0);  // F = 1
    ws_.rules.SetMissingRule(1, 1, "4", 4.0);       // X = 4 is missing
    ws_.chart.View.ShowBreaks = true;
    Measures({1});
    setup_.SelectAxisLabel(1);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, 3, 5));
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 3, 5));
    // Row 2 fails Process If: no break; row 4 is missing: a break after its predecessor.
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 1, 0));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(M, 2, 2));
}

TEST_F(ChartPointsTest, TheMainAnalysisCurrentSetDoesNotFilterTheChart) {
    Table({"X", "S"}, {{"1", "1"}, {"2", "2"}, {"3", "1"}});
    ws_.data.SetColumn = 2;
    ws_.data.SetGlobalIndexData();
    ws_.data.SetIndex = 2;  // as an analysis over the sets leaves it
    Measures({1});
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, 2, 3));
    EXPECT_EQ(ws_.data.SetIndex, 2);
}

TEST_F(ChartPointsTest, MovingRangesStartAgainInEverySet) {
    Table({"X", "S"}, {{"1", "1"}, {"3", "1"}, {"6", "1"}, {"10", "2"}, {"15", "2"}, {"21", "2"}});
    Measures({1});
    Sets(2);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::SetNumber), ElementsAre(1, 1, 1, 2, 2, 2));
    EXPECT_EQ(ws_.chart.SetMin, 1);
    EXPECT_EQ(ws_.chart.SetMax, 2);
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(M, 2, 3, M, 5, 6));
    // Each set has its own centerline.
    EXPECT_NEAR(At(Row::LocCL, 1), 10.0 / 3.0, 1e-12);
    EXPECT_NEAR(At(Row::LocCL, 4), 46.0 / 3.0, 1e-12);

    // A wider span never reaches back into the previous set.
    setup_.SetMRSpan(3);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(M, M, 5, M, M, 11));
    EXPECT_THAT(Values(Row::SigmaFromRange),
                Pointwise(NearlyEqual(), {M, M, 5 / 1.69257, M, M, 11 / 1.69257}));
}

TEST_F(ChartPointsTest, FractionalSetValuesAreSetsOfTheirOwn) {
    // As in the analysis: 1.5 and 2.5 are two sets, not one set "2".
    Table({"X", "S"}, {{"1", "1.5"}, {"3", "2.5"}, {"6", "1.5"}, {"10", "2.5"}});
    Measures({1});
    Sets(2);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::SetNumber), ElementsAre(1.5, 2.5, 1.5, 2.5));
    EXPECT_EQ(ws_.chart.SetMin, 1.5);
    EXPECT_EQ(ws_.chart.SetMax, 2.5);
    EXPECT_NEAR(At(Row::LocCL, 1), 3.5, 1e-12);
    EXPECT_NEAR(At(Row::LocCL, 2), 6.5, 1e-12);
}

TEST_F(ChartPointsTest, NoMovingRangeMeansNoLimitsAndNoTests) {
    // Three points and a span of 4: no moving range, so no sigma. The limits used to
    // collapse onto the centerline and flag the points beside it.
    Table({"X"}, {{"10"}, {"12"}, {"11"}});
    Measures({1});
    setup_.SetMRSpan(4);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::LocCL), ElementsAre(11, 11, 11));
    EXPECT_THAT(Values(Row::LocUCL), ElementsAre(M, M, M));
    EXPECT_THAT(Values(Row::LocLCL), ElementsAre(M, M, M));
    EXPECT_THAT(Values(Row::DispCL), ElementsAre(M, M, M));
    EXPECT_THAT(Values(Row::SigmaEst), ElementsAre(M, M, M));
    EXPECT_TRUE(LimitsLackDispersion(ws_.chart, LocationChart, {1, 2, 3}));
    EXPECT_THAT(Codes(LocationChart), ElementsAre("", "", ""));

    // Sets that alternate row by row: a moving range never spans two sets.
    Table({"X", "S"}, {{"10", "1"}, {"12", "2"}, {"11", "1"}, {"30", "2"}, {"9", "1"}});
    Measures({1});
    Sets(2);
    setup_.SetMRSpan(2);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(M, M, M, M, M));
    EXPECT_THAT(Values(Row::LocUCL), ElementsAre(M, M, M, M, M));
    EXPECT_TRUE(LimitsLackDispersion(ws_.chart, LocationChart, {1, 3, 5}));
    EXPECT_TRUE(LimitsLackDispersion(ws_.chart, DispersionChart, {2, 4}));
    EXPECT_THAT(Codes(LocationChart), ElementsAre("", "", "", "", ""));

    // With moving ranges the same rows have limits again.
    Table({"X"}, {{"10"}, {"12"}, {"11"}});
    Measures({1});
    setup_.SetMRSpan(2);
    ASSERT_TRUE(Action());
    EXPECT_FALSE(LimitsLackDispersion(ws_.chart, LocationChart, {1, 2, 3}));
}

TEST_F(ChartPointsTest, MeasuresInColumnsAndInRows) {
    Table({"A", "B", "C"}, {{"1", "100", "4"}, {"2", "100", "6"}, {"3", "100", "9"}});
    Measures({1, 3});
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 5);
    // The column between the two measures is not charted.
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("A", "C"));
    EXPECT_THAT(ws_.chart.ChartKeys, ElementsAre("1 0", "3 0"));
    EXPECT_TRUE(ws_.data.IncludeCol[1]);
    EXPECT_FALSE(ws_.data.IncludeCol[2]);
    EXPECT_TRUE(ws_.data.IncludeCol[3]);

    setup_.SetSubgroupsInRows(true);
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 2);
    EXPECT_THAT(ws_.chart.ChartNames, ElementsAre("A..C"));
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2, 2, 2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(2.5, 4, 6));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(3, 4, 6));
    EXPECT_THAT(Values(Row::SigmaFromRange),
                Pointwise(NearlyEqual(), {3 / D2of2, 4 / D2of2, 6 / D2of2}));
    EXPECT_THAT(
        Values(Row::SubgroupStdDev),
        Pointwise(NearlyEqual(), {3 / std::sqrt(2.0), 4 / std::sqrt(2.0), 6 / std::sqrt(2.0)}));
}

TEST_F(ChartPointsTest, BlocksOfConstantSize) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 12; ++i) rows.push_back({std::to_string(i)});
    Table({"X"}, rows);
    Measures({1});
    SampleSize(5);
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 4);
    EXPECT_THAT(Values(Row::PointN), ElementsAre(5, 5, 2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(3, 8, 11.5));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(4, 4, 1));
    EXPECT_THAT(Values(Row::SigmaFromRange),
                Pointwise(NearlyEqual(), {4 / D2of5, 4 / D2of5, 1 / D2of2}));
    EXPECT_NEAR(At(Row::SubgroupStdDev, 1), std::sqrt(2.5), 1e-12);

    // Eleven rows: the last block holds one value, which has no dispersion statistic.
    rows.pop_back();
    Table({"X"}, rows);
    Measures({1});
    SampleSize(5);
    setup_.SelectAxisLabel(1);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::PointN), ElementsAre(5, 5, 1));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(3, 8, 11));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(4, 4, M));
    EXPECT_EQ(At(Row::SigmaFromRange, 3), 0.0);
    EXPECT_EQ(At(Row::SubgroupStdDev, 3), 0.0);
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(1, 6, 11));
}

TEST_F(ChartPointsTest, AnEmptyBlockIsABreak) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 12; ++i) rows.push_back({i >= 6 && i <= 10 ? "" : std::to_string(i)});
    Table({"X"}, rows);
    ws_.chart.View.ShowBreaks = true;
    Measures({1});
    SampleSize(5);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::PointN), ElementsAre(5, 2));
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(1, 0));
}

TEST_F(ChartPointsTest, SubgroupsBySampleVariable) {
    // Sample values 1, 2 and 4 in mixed order: three points, none for the empty unit 3.
    Table({"X", "S"}, {{"1", "2"}, {"2", "1"}, {"3", "1"}, {"4", "4"}, {"5", "2"}, {"6", "3.6"}});
    Measures({1});
    SampleColumn(2);
    setup_.SelectAxisLabel(1);
    Location("Median");
    Dispersion("Variance (s²)");
    ws_.chart.View.ShowAllPoints = true;
    ASSERT_TRUE(Action());
    EXPECT_EQ(ws_.chart.Definition.LayoutType, 3);
    EXPECT_THAT(Values(Row::PointN), ElementsAre(2, 2, 2));
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(2.5, 3, 5));
    EXPECT_THAT(Values(Row::SubgroupMean), ElementsAre(2.5, 3, 5));
    EXPECT_THAT(Values(Row::DispStat), ElementsAre(0.5, 8, 2));
    EXPECT_THAT(Values(Row::LabelRow), ElementsAre(2, 1, 4));  // first row of each sample
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 0, 0));
    EXPECT_THAT(ws_.chart.PointList, ElementsAre("", "2 3 ", "1 5 ", "4 6 "));

    SetShowBreaks(ws_, true);
    EXPECT_THAT(Values(Row::BreakAfter), ElementsAre(0, 1, 0));
    SetShowAllPoints(ws_, false);
    EXPECT_TRUE(ws_.chart.PointList.empty());
}

TEST_F(ChartPointsTest, LargeSampleNumbersAreSubgroupsOfTheirOwn) {
    // Serial numbers beyond 32 bits: 3e9 and 4e9 were one subgroup, -3e9 joined them too.
    Table({"X", "S"}, {{"1", "3000000000"},
                       {"2", "4000000000"},
                       {"3", "3000000000"},
                       {"4", "-3000000000"},
                       {"5", "4000000000"}});
    Measures({1});
    SampleColumn(2);
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::PointN), ElementsAre(1, 2, 2));
    EXPECT_THAT(Values(Row::SubgroupMean), ElementsAre(4, 2, 3.5));
}

TEST_F(ChartPointsTest, TheTransformAppliesToEveryValue) {
    Table({"X"}, {{"1"}, {"2"}, {"4"}});
    SetTransform(ws_.transform, 1, "2", "1", "1", 2, 1, 1);  // 2X + 1
    Measures({1});
    ws_.chart.View.ShowAllPoints = true;
    ASSERT_TRUE(Action());
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(3, 5, 9));
    EXPECT_THAT(ws_.chart.PointList, ElementsAre("", "3 ", "5 ", "9 "));
}

TEST_F(ChartPointsTest, ATransformThatFailsPartWayLeavesNoValueTransformed) {
    Table({"X"}, {{"1"}, {"-1"}, {"4"}});
    SetTransform(ws_.transform, 5, "1", "0", "1", 1, 0, 1);  // LN(X)
    Measures({1});
    ASSERT_TRUE(Action());
    EXPECT_FALSE(ws_.transform.On());
    EXPECT_THAT(Values(Row::LocStat), ElementsAre(1, -1, 4));
    ASSERT_FALSE(ui_.errors.empty());
    EXPECT_THAT(ui_.errors.front(), ::testing::StartsWith("Transform Error"));
}

TEST_F(ChartPointsTest, ClosingStepsStoreExtremesAndCountBreaks) {
    Table({"X"}, {{"4"}, {""}, {"9"}, {"1"}, {""}, {"6"}});
    ws_.chart.View.ShowBreaks = true;
    Measures({1});
    ASSERT_TRUE(Action());
    const int n = ws_.chart.PointCount;
    ASSERT_EQ(n, 4);
    EXPECT_EQ(At(Row::LocStat, n + 1), 1);
    EXPECT_EQ(At(Row::LocStat, n + 2), 9);
    EXPECT_EQ(At(Row::DispStat, n + 1), 5);  // moving ranges -, 5, 8, 5
    EXPECT_EQ(At(Row::DispStat, n + 2), 8);
    EXPECT_EQ(ws_.chart.BreakCount, 2);
    EXPECT_EQ(ws_.chart.LocPointText.size(), static_cast<std::size_t>(n + 2 + 1));

    // A user's text stays where it was when the chart is computed again.
    ws_.chart.LocPointText[2] = "check";
    ComputeChart(ws_);
    EXPECT_EQ(ws_.chart.LocPointText[2], "check");
}

TEST_F(ChartPointsTest, OnlyTheChartsShownAreTested) {
    Table({"X"}, {{"1"}, {"1"}, {"1"}, {"1"}, {"1"}, {"1"}, {"1"}, {"1"}, {"20"}});
    Measures({1});
    ASSERT_TRUE(Action());
    EXPECT_THAT(Codes(LocationChart).back(), ::testing::StartsWith("O"));
    Location("None");
    ASSERT_TRUE(Action());
    for (const std::string& codes : Codes(LocationChart)) EXPECT_EQ(codes, "");
}

}  // namespace
}  // namespace vostrel::testing
