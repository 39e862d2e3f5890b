// The performance charts: labels and suffixes, stacked increments, the mixed title, the
// opportunity bars, the variance pages, and what the Action hands over for each set.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "engine/graphs/ppa_charts.h"
#include "graph_fixture.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Labels(const PPAStackedChart& chart) {
    std::vector<std::string> labels;
    for (const PPABar& bar : chart.Bars) labels.push_back(bar.Label);
    return labels;
}

PPAContext Context(bool target, bool first = true, bool clear = true) {
    PPAContext c;
    c.MeasureName = "M";
    c.Specs.HasUSL = c.Specs.HasLSL = true;
    c.Specs.USL = 16;
    c.Specs.LSL = 4;
    c.Specs.HasTarget = target;
    c.Specs.Target = 10;
    c.FirstSet = first;
    c.ClearBeforeDisplay = clear;
    return c;
}

void Display(PPACharts& charts, const PPAContext& c, double ppk = 1, double ppm = 0.9) {
    charts.DisplayPPAVariance(c, 0, 1, 0.5, 0, 0.5, 10, 1.4);
    charts.DisplayPPA(c, ppk, ppm, 1.2, 1.5, 2);
}

TEST(PPAChartsTest, SetsOfARunAreLabelledMThenMTwoAndMThree) {
    PPACharts charts;
    Display(charts, Context(true, true));
    Display(charts, Context(true, false));
    Display(charts, Context(true, false));
    EXPECT_THAT(Labels(charts.IndexBars), ElementsAre("M", "M(2)", "M(3)"));
    EXPECT_THAT(Labels(charts.VarianceBars), ElementsAre("M", "M(2)", "M(3)"));
    EXPECT_EQ(charts.VariancePie.Titles.back(), "Variance Components - M(3)");
    // A new run with clearing starts over.
    Display(charts, Context(true, true));
    EXPECT_THAT(Labels(charts.IndexBars), ElementsAre("M"));
    // Without clearing the bars accumulate and the counter goes on.
    Display(charts, Context(true, true, false));
    EXPECT_THAT(Labels(charts.IndexBars), ElementsAre("M", "M(2)"));
}

TEST(PPAChartsTest, StackedIncrementsAreNeverNegative) {
    EXPECT_THAT(StackedIncrements({1, 1.5, 1.2, 2}), ElementsAre(1, 0.5, 0, 0.5));
    PPACharts charts;
    // Pp(stream) below Pp: an empty segment; the tops mark Ppm, Pp, then Cp.
    charts.DisplayPPAVariance(Context(true), 0, 1, 0.5, 0, 0.5, 10, 1.4);
    charts.DisplayPPA(Context(true), 1.1, 0.8, 1.3, 1.0, 1.25);
    const PPABar& bar = charts.IndexBars.Bars.back();
    EXPECT_DOUBLE_EQ(*bar.Values[0], 0.8);
    EXPECT_DOUBLE_EQ(*bar.Values[1], 0.5);
    EXPECT_DOUBLE_EQ(*bar.Values[2], 0);
    EXPECT_DOUBLE_EQ(*bar.Values[3], 0);
    for (const PPABar& b : charts.Opportunity.Bars)
        for (std::size_t s = 1; s < b.Values.size(); ++s) EXPECT_GE(*b.Values[s], 0) << b.Label;
}

TEST(PPAChartsTest, TheFirstSeriesIsTitledAfterWhatItHolds) {
    PPACharts charts;
    Display(charts, Context(false));
    EXPECT_EQ(charts.IndexBars.Series[0].Title, "Ppk");
    EXPECT_DOUBLE_EQ(*charts.IndexBars.Bars[0].Values[0], 1);  // Ppk without a Target
    Display(charts, Context(true, true, false));
    EXPECT_EQ(charts.IndexBars.Series[0].Title, "Ppm/Ppk");
    EXPECT_DOUBLE_EQ(*charts.IndexBars.Bars[1].Values[0], 0.9);  // Ppm with one
    Display(charts, Context(true, true, true));
    EXPECT_EQ(charts.IndexBars.Series[0].Title, "Ppm");
}

TEST(PPAChartsTest, OpportunityBarsShowTheGainOfRemovingEachComponent) {
    PPACharts charts;
    PPAContext c = Context(true);
    c.HasStreams = true;
    // Q = (16 - 4) / 6 = 2; total = 4 + 1 + 2 + 1 + 1 = 9, so h1 = 2 / 3.
    charts.DisplayPPAVariance(c, 1, 4, 1, 2, 1, 10, 2.8);
    EXPECT_THAT(Labels(charts.Opportunity),
                ElementsAre("             M", "        Target", "        Stream", " Target+Stream",
                            " Time(Control)", "   Measurement"));
    const double h1 = 2.0 / 3;
    const PPABar& measure = charts.Opportunity.Bars[0];
    EXPECT_DOUBLE_EQ(*measure.Values[0], h1);
    EXPECT_DOUBLE_EQ(*measure.Values[1], 2 / std::sqrt(8.0) - h1);  // without target loss
    EXPECT_DOUBLE_EQ(h1 + *measure.Values[1] + *measure.Values[2], 2 / std::sqrt(6.0));
    EXPECT_DOUBLE_EQ(h1 + *measure.Values[1] + *measure.Values[2] + *measure.Values[3], 1);
    EXPECT_DOUBLE_EQ(*charts.Opportunity.Bars[3].Values[4], 2 / std::sqrt(6.0) - h1);
    EXPECT_DOUBLE_EQ(*charts.Opportunity.Bars[4].Values[4], 2 / std::sqrt(8.0) - h1);
    EXPECT_THAT(charts.Opportunity.Series[4].Title, "Opportunity");
}

TEST(PPAChartsTest, WithoutStreamsTheStreamPartsAreAbsent) {
    PPACharts charts;
    charts.DisplayPPAVariance(Context(true), 0, 1, 0.5, 0.7, 0.5, 10, 1.4);
    std::vector<std::string> slices;
    for (const PPAPieSlice& s : charts.VariancePie.Slices) slices.push_back(s.Label);
    EXPECT_THAT(slices, ElementsAre("Potential", "Target Loss", "Time(control)"));
    EXPECT_EQ(*charts.VarianceBars.Bars[0].Values[2], 0);  // "Process Stream"
    for (const std::string& label : Labels(charts.Opportunity))
        EXPECT_EQ(label.find("Stream"), std::string::npos);
}

TEST(PPAChartsTest, ARemovedComponentAsLargeAsTheTotalGivesNoOpportunity) {
    PPACharts charts;
    PPAContext c = Context(false);
    charts.DisplayPPAVariance(c, 0, 0, 0, 0, 2, 10, std::sqrt(2.0));
    const PPABar& time = charts.Opportunity.Bars.back();
    EXPECT_EQ(time.Label, " Time(Control)");
    EXPECT_EQ(*time.Values[4], 0);
}

TEST(PPAChartsTest, SetsWithoutATargetKeepTheirSegmentsTogether) {
    PPACharts charts;
    charts.DisplayPPAVariance(Context(false), 0, 1, 0, 0, 1, 10, 1.4);
    charts.DisplayPPAVariance(Context(true, false), 0, 1, 0.5, 0, 1, 10, 1.4);
    ASSERT_EQ(charts.VarianceBars.Bars.size(), 2u);
    EXPECT_FALSE(charts.VarianceBars.Bars[0].Values[1]);  // no Target Loss point
    EXPECT_DOUBLE_EQ(*charts.VarianceBars.Bars[1].Values[1], 0.5);
    EXPECT_THAT(PPAStackedChart::PercentShares(charts.VarianceBars.Bars[0]),
                ElementsAre(50, 0, 0, 50, 0));
}

TEST(PPAChartsTest, ZeroTotalsAndMissingIndicesNeverGiveNaN) {
    PPACharts charts;
    charts.DisplayPPAVariance(Context(true), 0, 0, 0, 0, 0, 10, 0);
    charts.DisplayPPA(Context(true), NAN, INFINITY, 0, 0, 0);
    EXPECT_EQ(charts.VariancePie.Total(), 0);
    EXPECT_THAT(PPAStackedChart::PercentShares(charts.VarianceBars.Bars[0]),
                ElementsAre(0, 0, 0, 0, 0));
    for (const PPAStackedChart* chart : {&charts.IndexBars, &charts.Opportunity})
        for (const PPABar& bar : chart->Bars)
            for (const auto& v : bar.Values) EXPECT_TRUE(std::isfinite(v.value_or(0)));
}

TEST(PPAChartsTest, WithoutLimitsTheIndexPagesAreCleared) {
    PPACharts charts;
    Display(charts, Context(true));
    PPAContext none = Context(true);
    none.Specs.HasUSL = none.Specs.HasLSL = false;
    charts.DisplayPPAVariance(none, 0, 1, 0, 0, 1, 10, 1.4);
    EXPECT_TRUE(charts.IndexBars.Bars.empty());
    EXPECT_TRUE(charts.Opportunity.Bars.empty());
    EXPECT_EQ(charts.VarianceBars.Bars.size(), 1u);
}

class PPAFeedTest : public GraphTest {};

TEST_F(PPAFeedTest, TheActionFeedsOneBarPerSet) {
    Table({"Set", "X"},
          {{"1", "9"}, {"1", "10"}, {"1", "11"}, {"2", "8"}, {"2", "10"}, {"2", "13"}});
    Limits(2, "16", "10", "4");
    ws.analysis.Settings.SetTitle("Run");
    ws.analysis.Settings.ToggleSetColumn(ws.analysis.Settings.DataVariables.IndexOfColumn(1));
    Measures({2});
    PPAChartFeed feed(ws);
    ws.analysis.Charts = &feed;
    ASSERT_EQ(RunPerformanceAnalysis(ws), ActionResult::Completed);
    EXPECT_THAT(Labels(feed.Charts.IndexBars), ElementsAre("X", "X(2)"));
    EXPECT_THAT(feed.Charts.IndexBars.Titles, ElementsAre("Run", "Process Performance Analysis"));
    EXPECT_EQ(feed.Charts.IndexBars.Series[0].Title, "Ppm");
    EXPECT_TRUE(feed.Charts.HaveIndices);
    // The first segment of each bar is the set's Ppm as the report computes it.
    EXPECT_DOUBLE_EQ(*feed.Charts.IndexBars.Bars[1].Values[0], ws.analysis.Results.Ppm);
}

}  // namespace
}  // namespace vostrel::testing
