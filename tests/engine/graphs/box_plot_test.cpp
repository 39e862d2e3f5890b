// Box-and-whisker statistics: the quarter-step quartiles, the fences and outlier classes,
// the groups of a run with their limits, and the symbol layout.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/graphs/box_plot.h"
#include "engine/graphs/graph_text.h"
#include "graph_fixture.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

BoxGroup Box(std::vector<double> values, BoxPlotKind kind = BoxPlotKind::Outliers) {
    SampleArray sample;
    for (double v : values) sample.Append(v);
    SampleStats stats;
    return ComputeBoxGroup(sample, stats, kind);
}

TEST(BoxGroupTest, QuartilesOfThreeAndFourValues) {
    const BoxGroup three = Box({9, 1, 4});
    EXPECT_EQ(three.Q1, 1);
    EXPECT_EQ(three.Median, 4);
    EXPECT_EQ(three.Q3, 9);
    // n = 4: k = 1, d = 1: Q1 = (3 x1 + x2) / 4, Q3 = (x3 + 3 x4) / 4.
    const BoxGroup four = Box({10, 2, 6, 4});
    EXPECT_DOUBLE_EQ(four.Q1, 2.5);
    EXPECT_DOUBLE_EQ(four.Median, 5);
    EXPECT_DOUBLE_EQ(four.Q3, 9);
    EXPECT_EQ(four.n, 4);
}

TEST(BoxGroupTest, ValuesOnTheFencesBelongInside) {
    // n = 15: k = 4, d = 0, so Q1 = x[4] = 0 and Q3 = x[12] = 10; the step is 15, the inner
    // fences -15 and 25, the outer ones -30 and 40.
    const BoxGroup g = Box({-31, -30, -15, 0, 5, 5, 5, 5, 5, 5, 5, 10, 25, 40, 41});
    EXPECT_DOUBLE_EQ(g.Q1, 0);
    EXPECT_DOUBLE_EQ(g.Q3, 10);
    EXPECT_THAT(g.FarOutliers, ElementsAre(-31, 41));
    EXPECT_THAT(g.MildOutliers, ElementsAre(-30, 40));  // on an outer fence: mild
    // -15 and 25 lie on the inner fences: not outliers; the whiskers end there.
    EXPECT_EQ(g.LowWhisker, -15);
    EXPECT_EQ(g.HighWhisker, 25);
}

TEST(BoxGroupTest, WhiskerEndsAtTheFenceWhenOutliersLieBeyond) {
    const BoxGroup g = Box({1, 2, 3, 4, 5, 6, 7, 8, 30});
    // Q1 = 2.5, Q3 = 7.5 (k = 2, d = 2), step 7.5: upper inner fence 15.
    EXPECT_DOUBLE_EQ(g.HighWhisker, 15);
    EXPECT_DOUBLE_EQ(g.LowWhisker, 1);
    EXPECT_THAT(g.FarOutliers, ElementsAre(30));
    EXPECT_THAT(g.MildOutliers, IsEmpty());

    const BoxGroup plain = Box({1, 2, 3, 4, 5, 6, 7, 8, 30}, BoxPlotKind::BoxWhisker);
    EXPECT_EQ(plain.LowWhisker, 1);
    EXPECT_EQ(plain.HighWhisker, 30);
    EXPECT_THAT(plain.FarOutliers, IsEmpty());
}

TEST(BoxGroupTest, EqualValuesCollapseToALineAndOneValueWorks) {
    const BoxGroup equal = Box({3, 3, 3, 3, 3});
    EXPECT_EQ(equal.Q1, 3);
    EXPECT_EQ(equal.Q3, 3);
    EXPECT_EQ(equal.LowWhisker, 3);
    EXPECT_EQ(equal.HighWhisker, 3);
    EXPECT_THAT(equal.MildOutliers, IsEmpty());
    EXPECT_THAT(equal.FarOutliers, IsEmpty());
    const BoxGroup one = Box({-2});
    EXPECT_EQ(one.n, 1);
    EXPECT_EQ(one.Median, -2);
    EXPECT_EQ(one.LowWhisker, -2);
}

// Quartiles at position (n + 1) / 4 from each end, interpolated linearly.
double QuartileAt(const std::vector<double>& x, double position) {
    const auto below = static_cast<std::size_t>(std::floor(position));
    const double fraction = position - std::floor(position);
    if (fraction == 0) return x[below - 1];
    return x[below - 1] + fraction * (x[below] - x[below - 1]);
}

TEST(BoxGroupTest, RandomGroupsAgreeWithAStraightforwardComputation) {
    std::mt19937 random(7);
    std::lognormal_distribution<double> skewed(0, 1);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 4 + trial % 60;
        std::vector<double> x;
        for (int i = 0; i < n; ++i) x.push_back(std::round(skewed(random) * 100) / 100);
        const BoxGroup g = Box(x);
        std::sort(x.begin(), x.end());
        const double q1 = QuartileAt(x, (n + 1) / 4.0);
        const double q3 = QuartileAt(x, n + 1 - (n + 1) / 4.0);
        ASSERT_NEAR(g.Q1, q1, 1e-12) << n;
        ASSERT_NEAR(g.Q3, q3, 1e-12) << n;
        const double iqr = q3 - q1;
        std::vector<double> far, mild;
        double lowWhisker = x.front(), highWhisker = x.back();
        for (double v : x) {
            if (v < q1 - 3 * iqr || v > q3 + 3 * iqr)
                far.push_back(v);
            else if (v < q1 - 1.5 * iqr || v > q3 + 1.5 * iqr)
                mild.push_back(v);
        }
        if (x.front() < q1 - 1.5 * iqr) lowWhisker = q1 - 1.5 * iqr;
        if (x.back() > q3 + 1.5 * iqr) highWhisker = q3 + 1.5 * iqr;
        ASSERT_EQ(g.FarOutliers, far) << n;
        ASSERT_EQ(g.MildOutliers, mild) << n;
        ASSERT_NEAR(g.LowWhisker, lowWhisker, 1e-12);
        ASSERT_NEAR(g.HighWhisker, highWhisker, 1e-12);
    }
}

class BoxPlotTest : public GraphTest {};

TEST_F(BoxPlotTest, OneBoxPerNonEmptyGroupWithTitlesAndLimits) {
    Groups({{1, 2, 3}, {}, {4, 5, 6, 7}});
    Limits(2, "10", "", "0");
    ws.analysis.Settings.SetTitle("Jars");
    ASSERT_TRUE(Prepare());
    const BoxPlot plot = BuildBoxPlot(ws, Run(), {});
    EXPECT_THAT(plot.Titles, ElementsAre("Jars", "Box & Whisker Plots"));
    EXPECT_EQ(plot.LeftAxisTitle, "X");
    EXPECT_EQ(plot.BottomAxisTitle, "Head");
    ASSERT_EQ(plot.Groups.size(), 2u);
    EXPECT_EQ(plot.Groups[0].Label, "1");
    EXPECT_EQ(plot.Groups[1].Label, "3");
    EXPECT_EQ(plot.Groups[1].n, 4);
    EXPECT_EQ(plot.Groups[0].USL, 10);
    EXPECT_FALSE(plot.Groups[0].Target);  // an absent limit draws no stroke
    EXPECT_EQ(plot.Groups[0].LSL, 0);

    BoxPlotOptions noSpecs;
    noSpecs.DisplaySpecifications = false;
    const BoxPlot bare = BuildBoxPlot(ws, Run(), noSpecs);
    EXPECT_FALSE(bare.Groups[0].USL);
    EXPECT_FALSE(bare.Groups[0].LSL);
}

TEST_F(BoxPlotTest, SetsRestrictTheGroupsToTheChosenSet) {
    Table({"Set", "X"}, {{"1", "1"}, {"1", "2"}, {"2", "30"}, {"2", "40"}, {"2", "50"}});
    ws.analysis.Settings.ToggleSetColumn(ws.analysis.Settings.DataVariables.IndexOfColumn(1));
    Measures({2});
    ASSERT_TRUE(Prepare());
    const std::vector<std::string> entries = SetSelectorEntries(ws.data, ws.report.numberLocale);
    EXPECT_THAT(entries, ElementsAre("Set=All", "Set=1", "Set=2"));
    SelectAnalysisSet(ws.data, 2);
    BoxPlot plot = BuildBoxPlot(ws, Run(), {});
    ASSERT_EQ(plot.Groups.size(), 1u);
    EXPECT_EQ(plot.Groups[0].n, 3);
    EXPECT_EQ(plot.Groups[0].Median, 40);
    SelectAnalysisSet(ws.data, 0);
    plot = BuildBoxPlot(ws, Run(), {});
    EXPECT_EQ(plot.Groups[0].n, 5);
}

TEST_F(BoxPlotTest, TextMeasuresShowTheirLevelsAndMissingValuesNothing) {
    Table({"X"}, {{"b"}, {"a"}, {"b"}, {""}});
    Measures({1});
    ASSERT_TRUE(Prepare());
    const BoxPlot levels = BuildBoxPlot(ws, Run(), {});
    ASSERT_EQ(levels.Groups.size(), 1u);
    EXPECT_EQ(levels.Groups[0].n, 3);
    EXPECT_EQ(levels.Groups[0].High, 2);

    Table({"X"}, {{"."}, {""}});
    Measures({1});
    ASSERT_TRUE(Prepare());
    EXPECT_THAT(BuildBoxPlot(ws, Run(), {}).Groups, IsEmpty());
}

TEST(BoxLayoutTest, SymbolSizesFollowTheSlotWidth) {
    const BoxLayout one = ComputeBoxLayout(1, 0, 400, 50);
    EXPECT_EQ(one.CandleWidth, 180);  // 400 * 50 * 9 / 1000
    EXPECT_EQ(one.XDiff, 200);
    const BoxLayout four = ComputeBoxLayout(4, 100, 500, 50);
    EXPECT_EQ(four.XDiff, 50);
    EXPECT_EQ(four.CandleWidth, 50);
    EXPECT_EQ(four.CenterSize, 5);
    EXPECT_EQ(four.OutlierSize, 2);
    EXPECT_EQ(four.FenceHalfLength, 12);
    EXPECT_EQ(ComputeBoxLayout(1000, 0, 500, 1).CandleWidth, 1);  // never below one pixel
}

}  // namespace
}  // namespace vostrel::testing
