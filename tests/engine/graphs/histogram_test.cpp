// The histogram: the interval grid, counting with the boundary rule, the lines, the normal
// curve and the axis, for single groups and for the group list of a run.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/graphs/histogram.h"
#include "graph_fixture.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;

struct Bar {
    double x, y;
    bool operator==(const Bar&) const = default;
};
std::vector<Bar> Bars(const std::vector<GraphPoint>& points) {
    std::vector<Bar> bars;
    for (const GraphPoint& p : points) bars.push_back({p.X, p.Y});
    return bars;
}
std::ostream& operator<<(std::ostream& out, const Bar& b) {
    return out << "(" << b.x << ", " << b.y << ")";
}

HistogramResult Histogram(const std::vector<double>& values, const HistogramOptions& options = {},
                          const HistogramSpecs& specs = {}) {
    SampleArray sample;
    for (double v : values) sample.Append(v);
    SampleStats stats;
    return ComputeHistogram(sample, stats, specs, 0, 0, options, NumberLocale());
}

TEST(HistogramTest, OneToFiveGivesFiveBarsOfOneAndAClosingZeroBar) {
    const HistogramResult h = Histogram({5, 3, 1, 4, 2});
    ASSERT_TRUE(h.Drawn);
    EXPECT_EQ(h.IntervalSize, 1);
    EXPECT_EQ(h.FirstMidpoint, 1);
    EXPECT_EQ(h.SizeLabel, "Size Used: (1)");
    EXPECT_EQ(h.FirstLabel, "First Used: (1)");
    EXPECT_THAT(Bars(h.Bars),
                ElementsAre(Bar{1, 1}, Bar{2, 1}, Bar{3, 1}, Bar{4, 1}, Bar{5, 1}, Bar{6, 0}));
    EXPECT_EQ(h.AxisMin, 0);
    EXPECT_EQ(h.AxisMax, 6);
    EXPECT_EQ(h.AxisIncrement, 1);
    EXPECT_EQ(h.CountLabel, "n=5");
    EXPECT_EQ(h.StretchLow.X, 1);
    EXPECT_DOUBLE_EQ(h.StretchHigh.Y, 1.2);
}

TEST(HistogramTest, AValueOnABoundaryCountsInTheLowerInterval) {
    HistogramOptions options;
    options.UseIntervalSize = true;
    options.IntervalSizeText = "1";
    options.UseFirstMidpoint = true;
    options.FirstMidpointText = "1";
    const HistogramResult h = Histogram({1, 1.5, 2}, options);
    EXPECT_THAT(Bars(h.Bars), ElementsAre(Bar{1, 2}, Bar{2, 1}, Bar{3, 0}));
    EXPECT_EQ(h.SizeLabel, "Size Used: (1)");
}

TEST(HistogramTest, EqualValuesAndSingleValues) {
    const HistogramResult equal = Histogram({3.5, 3.5, 3.5});
    EXPECT_EQ(equal.IntervalSize, 1);
    EXPECT_EQ(equal.FirstMidpoint, 4);  // 3.5 rounded, halves away from zero
    EXPECT_THAT(Bars(equal.Bars), ElementsAre(Bar{4, 3}, Bar{5, 0}));
    const HistogramResult one = Histogram({-7.25});
    EXPECT_EQ(one.FirstMidpoint, -7.25);
    EXPECT_THAT(Bars(one.Bars), ElementsAre(Bar{-7.25, 1}, Bar{-6.25, 0}));
    EXPECT_FALSE(Histogram({}).Drawn);
}

TEST(HistogramTest, TypedSizesAndMidpoints) {
    HistogramOptions options;
    options.UseIntervalSize = true;
    options.IntervalSizeText = "0";  // 0: the automatic size, reported
    const HistogramResult automatic = Histogram({1, 2, 3, 4, 5}, options);
    EXPECT_EQ(automatic.IntervalSize, 1);
    EXPECT_EQ(automatic.SizeLabel, "Size Used: (1)");

    options.UseFirstMidpoint = true;
    options.FirstMidpointText = "3";  // above the minimum: lowered by whole intervals
    EXPECT_EQ(Histogram({1, 2, 3, 4, 5}, options).FirstMidpoint, 1);
    options.FirstMidpointText = "-2";  // below: kept, empty intervals on the left
    const HistogramResult low = Histogram({1, 2, 3, 4, 5}, options);
    EXPECT_EQ(low.FirstMidpoint, -2);
    EXPECT_THAT(Bars(low.Bars), ElementsAre(Bar{-2, 0}, Bar{-1, 0}, Bar{0, 0}, Bar{1, 1}, Bar{2, 1},
                                            Bar{3, 1}, Bar{4, 1}, Bar{5, 1}, Bar{6, 0}));
    EXPECT_EQ(low.FirstLabel, "First Used: (-2)");

    options.FirstMidpointText = "x";
    HistogramResult refused = Histogram({1, 2}, options);
    EXPECT_FALSE(refused.Drawn);
    EXPECT_EQ(refused.Error, "First Midpoint \"x\" is not a number");
    options.UseFirstMidpoint = false;
    options.IntervalSizeText = "-0.5";
    refused = Histogram({1, 2}, options);
    EXPECT_EQ(refused.Error, "Interval Size must not be negative");
    options.IntervalSizeText = "0.0001";  // 100,000 intervals over 0..10
    refused = Histogram({0, 10}, options);
    EXPECT_FALSE(refused.Drawn);
    EXPECT_THAT(refused.Error, ::testing::HasSubstr("Too many intervals"));
    EXPECT_TRUE(refused.Bars.empty());
}

TEST(HistogramTest, LinesRelativeHeightsAndTheWidenedRange) {
    HistogramOptions options;
    options.ProcessLimits = true;
    options.Relative = true;
    HistogramSpecs specs;
    specs.USL = 9;
    specs.LSL = 0;
    specs.Target = 5;
    const HistogramResult h = Histogram({2, 3, 3, 4}, options, specs);
    ASSERT_EQ(h.Lines.size(), 6u);
    EXPECT_EQ(h.Lines[0].Label, "LSL");
    EXPECT_EQ(h.Lines[1].Label, "USL");
    EXPECT_EQ(h.Lines[2].Label, "Target");
    EXPECT_EQ(h.Lines[3].Label, "Mean");
    EXPECT_EQ(h.Lines[4].Label, "LPL");
    EXPECT_EQ(h.Lines[5].Label, "UPL");
    // The tallest bar holds 2 of 4 values: relative height 0.5.
    EXPECT_DOUBLE_EQ(h.Lines[0].Height, 1.1 * 0.5);
    EXPECT_DOUBLE_EQ(h.Lines[3].Height, 1.05 * 0.5);
    EXPECT_DOUBLE_EQ(h.Lines[3].X, 3);
    EXPECT_NEAR(h.Lines[5].X, 3 + 3 * std::sqrt(2.0 / 3), 1e-12);
    EXPECT_EQ(h.StretchLow.X, 0);  // widened to the limits
    EXPECT_EQ(h.StretchHigh.X, 9);
    for (const GraphPoint& bar : h.Bars) EXPECT_LE(bar.Y, 0.5);
    EXPECT_EQ(h.LeftAxisTitle, "Relative Frequency");

    options.DisplaySpecifications = false;
    const HistogramResult bare = Histogram({2, 3, 3, 4}, options, specs);
    EXPECT_EQ(bare.Lines.size(), 3u);
    EXPECT_EQ(bare.StretchHigh.X, 4);
}

TEST(HistogramTest, NormalCurvePeaksAtTheExpectedCountOfACentredInterval) {
    std::mt19937 random(3);
    std::normal_distribution<double> normal(50, 4);
    std::vector<double> values;
    for (int i = 0; i < 2000; ++i) values.push_back(std::round(normal(random) * 10) / 10);
    HistogramOptions options;
    options.NormalCurve = true;
    const HistogramResult h = Histogram(values, options);
    ASSERT_TRUE(h.Drawn);
    const double expected = 2000 * std::erf(h.IntervalSize / (2 * h.S) / std::sqrt(2.0));
    double peak = 0;
    for (const GraphPoint& p : h.Curve) peak = std::max(peak, p.Y);
    EXPECT_NEAR(peak, expected, expected * 1e-3);
    // The axis reaches three standard deviations on each side, in whole intervals.
    EXPECT_LE(h.AxisMin, h.Mean - 3 * h.S);
    EXPECT_GE(h.AxisMax, h.Mean + 3 * h.S);
    EXPECT_GE(h.Bars.front().X, h.AxisMin);
    EXPECT_EQ(h.Bars.back().X, h.AxisMax);
    EXPECT_GE(h.Curve.front().X, h.AxisMin);
    EXPECT_LE(h.Curve.back().X, h.AxisMax);
}

TEST(HistogramTest, NoCurveAndNoWideningWithoutSpread) {
    HistogramOptions options;
    options.NormalCurve = true;
    const HistogramResult h = Histogram({2, 2, 2}, options);
    EXPECT_TRUE(h.Curve.empty());
    EXPECT_EQ(h.AxisMin, 1);
    EXPECT_EQ(h.AxisMax, 3);
    for (const GraphPoint& p : h.Bars) EXPECT_TRUE(std::isfinite(p.Y));
}

TEST(HistogramTest, RandomDataCountsAgreeWithCountingByBoundaries) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> cents(-500, 2500);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<double> values;
        const int n = 1 + trial * 37;
        for (int i = 0; i < n; ++i) values.push_back(cents(random) / 100.0);
        const HistogramResult h = Histogram(values);
        ASSERT_TRUE(h.Drawn);
        const double s = h.IntervalSize;
        const double e = s / 10000;
        int total = 0;
        for (std::size_t b = 0; b < h.Bars.size(); ++b) {
            const double mid = h.Bars[b].X;
            int count = 0;
            for (double v : values)
                if ((b == 0 || v >= mid - s / 2 + e) && v < mid + s / 2 + e) ++count;
            ASSERT_EQ(h.Bars[b].Y, count) << "trial " << trial << " bar " << b;
            total += count;
        }
        ASSERT_EQ(total, n);
    }
}

class HistogramGroupsTest : public GraphTest {};

TEST_F(HistogramGroupsTest, AllComesFirstAndTitlesNameTheGroup) {
    Groups({{1, 2, 3}, {10, 11}});
    ASSERT_TRUE(Prepare());
    const HistogramGroups groups = OpenHistogramGroups(ws, Run());
    EXPECT_THAT(groups.Names, ElementsAre("(All)", "1", "2"));
    EXPECT_EQ(groups.GrandLow, 1);
    EXPECT_EQ(groups.GrandHigh, 11);
    HistogramResult h = BuildHistogram(ws, Run(), groups, 0, {});
    EXPECT_EQ(h.n, 5);
    EXPECT_THAT(h.Titles, ElementsAre("Histogram: (All)"));
    EXPECT_EQ(h.BottomAxisTitle, "X");

    LoadHistogramEntry(ws, Run(), groups, 2);
    HistogramOptions polygon;
    polygon.Type = HistogramType::FrequencyPolygons;
    polygon.FixX = true;
    h = BuildHistogram(ws, Run(), groups, 2, polygon);
    EXPECT_EQ(h.n, 2);
    EXPECT_THAT(h.Titles, ElementsAre("Frequency Polygon: Head (2)"));
    EXPECT_EQ(h.StretchLow.X, 1);  // the range of all groups
    EXPECT_EQ(h.Polygon.front().Y, 0);
    EXPECT_EQ(h.Polygon.back().Y, 0);
}

TEST_F(HistogramGroupsTest, OneGroupHasNoAllEntryAndNoDataDrawsNothing) {
    Values({4, 5, 6});
    ASSERT_TRUE(Prepare());
    const HistogramGroups groups = OpenHistogramGroups(ws, Run());
    EXPECT_THAT(groups.Names, ElementsAre("X"));
    EXPECT_THAT(BuildHistogram(ws, Run(), groups, 0, {}).Titles, ElementsAre("Histogram: X"));

    Table({"X"}, {{"."}, {""}});
    Measures({1});
    ASSERT_TRUE(Prepare());
    const HistogramGroups none = OpenHistogramGroups(ws, Run());
    EXPECT_TRUE(none.Names.empty());
    EXPECT_FALSE(BuildHistogram(ws, Run(), none, 0, {}).Drawn);
}

}  // namespace
}  // namespace vostrel::testing
