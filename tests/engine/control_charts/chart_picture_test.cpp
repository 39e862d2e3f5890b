// What the chart window is given to draw, from charts taken through the setup's Action.

#include "engine/control_charts/chart_picture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "chart_workspace.h"
#include "engine/control_charts/chart_view_menu.h"
#include "engine/report/number_format.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;

class ChartPictureTest : public ChartWorkspaceTest {
  protected:
    ChartPicture Picture() const { return BuildChartPicture(ws_); }

    // Two sets of individual values, a missing value in the first set, labels in column 3.
    void TwoSetsWithAGap() {
        Table({"X", "Set", "Lab"}, {{"10", "1", "a"},
                                    {"12", "1", "b"},
                                    {"", "1", "c"},
                                    {"11", "1", "d"},
                                    {"20", "2", "e"},
                                    {"21", "2", "f"}});
        Measures({1});
        Sets(2);
        setup_.SelectAxisLabel(3);
        ws_.chart.View.ShowBreaks = true;
        ASSERT_TRUE(Action());
    }
};

TEST_F(ChartPictureTest, PositionsLeaveAGapAfterABreakAndSeriesFollowTheArrays) {
    TwoSetsWithAGap();
    const ChartPicture p = Picture();
    ASSERT_EQ(ws_.chart.PointCount, 5);
    EXPECT_EQ(p.PositionCount, 6);
    EXPECT_THAT(p.PointAt, ElementsAre(1, 2, 0, 3, 4, 5));
    EXPECT_THAT(p.Labels, ElementsAre("a", "b", " ", "d", "e", "f"));
    EXPECT_TRUE(p.LabelsRotated);
    EXPECT_EQ(p.BottomTitle, "Lab");
    ASSERT_TRUE(p.BothShown);

    const ChartPanel& loc = p.Upper;
    EXPECT_EQ(loc.Kind, ChartKind::Location);
    EXPECT_EQ(loc.AxisTitle, "X");
    EXPECT_EQ(p.Lower.AxisTitle, "MR");
    const std::vector<int> pointAt = p.PointAt;
    for (std::size_t x = 0; x < pointAt.size(); ++x) {
        const int point = pointAt[x];
        if (point == 0) {
            // Every series has a gap at the break.
            for (const auto* row :
                 {&loc.Statistic, &loc.LCL, &loc.CL, &loc.UCL, &p.Lower.Statistic, &p.Lower.UCL}) {
                EXPECT_TRUE(std::isnan((*row)[x]));
            }
            continue;
        }
        EXPECT_EQ(loc.Statistic[x], At(Row::LocStat, point));
        EXPECT_EQ(loc.UCL[x], At(Row::LocUCL, point));
        EXPECT_EQ(loc.CL[x], At(Row::LocCL, point));
    }
    // A moving range missing at the start of each set is not drawn as a number.
    EXPECT_EQ(At(Row::DispStat, 1), MissingValue);
    EXPECT_TRUE(std::isnan(p.Lower.Statistic[0]));
    EXPECT_TRUE(std::isnan(p.Lower.Statistic[4]));

    // The statistic line is not joined across the break nor across the change of set.
    EXPECT_THAT(loc.JoinedToPrevious, ElementsAre(0, 1, 0, 0, 0, 1));

    // The sets: the first label at the left edge, a line halfway between sets.
    ASSERT_EQ(p.Separators.size(), 2u);
    EXPECT_FALSE(p.Separators[0].Line);
    EXPECT_EQ(p.Separators[0].Label, " Set=1 ");
    EXPECT_TRUE(p.Separators[1].Line);
    EXPECT_DOUBLE_EQ(p.Separators[1].X, 3.5);
    EXPECT_EQ(p.Separators[1].Label, " Set=2 ");

    // The axes hold every value drawn.
    for (const ChartPanel* panel : {&p.Upper, &p.Lower}) {
        EXPECT_LT(panel->AxisMin, panel->AxisMax);
        for (const auto* row : {&panel->Statistic, &panel->UCL, &panel->LCL}) {
            for (double value : *row) {
                if (std::isnan(value)) continue;
                EXPECT_GE(value, panel->AxisMin);
                EXPECT_LE(value, panel->AxisMax);
            }
        }
    }
    EXPECT_GE(p.Lower.AxisMin, 0.0);
}

TEST_F(ChartPictureTest, TitlesCodesAndSignals) {
    // Two levels, then an outlier at the end beyond the limits (test 1).
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 8; ++i) rows.push_back({std::to_string(12 + i % 2)});
    for (int i = 0; i < 8; ++i) rows.push_back({std::to_string(8 + i % 2)});
    rows.push_back({"40"});
    Table({"Weight"}, rows);
    Measures({1});
    ws_.analysis.Settings.Title = "Line 4";
    ws_.chart.Display.DisplayCodes = true;
    ASSERT_TRUE(Action());
    ChartPicture p = Picture();
    EXPECT_THAT(p.TitleLines, ElementsAre("Line 4", "X and Moving Range Chart: Weight"));
    EXPECT_EQ(p.BottomTitle, "Point");
    EXPECT_FALSE(p.LabelsRotated);
    EXPECT_EQ(p.Labels[0], "1");
    const std::vector<std::string> loc = Codes(LocationChart);
    const std::vector<std::string> disp = Codes(DispersionChart);
    ASSERT_EQ(p.Codes.size(), loc.size());
    for (std::size_t i = 0; i < loc.size(); ++i) {
        std::string expected = disp[i];
        if (!disp[i].empty() && !loc[i].empty()) expected += " | ";
        expected += loc[i];
        EXPECT_EQ(p.Codes[i], expected.empty() ? " " : expected);
        EXPECT_EQ(p.Upper.Signalled[i] != 0, !loc[i].empty());
        EXPECT_EQ(p.Lower.Signalled[i] != 0, !disp[i].empty());
    }
    EXPECT_EQ(loc.back().find('O') != std::string::npos, true);
    EXPECT_EQ(p.Codes.back().find(" | ") != std::string::npos, !disp.back().empty());

    // Violations off: nothing in the signal colour and no codes.
    SetDisplayViolations(ws_.chart, false);
    p = Picture();
    EXPECT_FALSE(p.CodesShown);
    for (auto signalled : p.Upper.Signalled) EXPECT_EQ(signalled, 0);

    // The slider at 90 leaves only the location chart, at 10 only the dispersion chart on
    // the upper axis.
    ws_.chart.View.SliderPosition = 90;
    p = Picture();
    EXPECT_FALSE(p.BothShown);
    EXPECT_EQ(p.Upper.Kind, ChartKind::Location);
    EXPECT_EQ(p.TitleLines.back(), "X Chart: Weight");
    ws_.chart.View.SliderPosition = 10;
    p = Picture();
    EXPECT_EQ(p.Upper.Kind, ChartKind::Dispersion);
    EXPECT_EQ(p.Upper.StatisticTitle(), "Dispersion Statistic");
    EXPECT_EQ(p.Upper.AxisTitle, "MR");
}

TEST_F(ChartPictureTest, EqualValuesOnePointAndNoValuesStillGiveAnAxisRange) {
    Table({"X"}, {{"5"}, {"5"}, {"5"}});
    Measures({1});
    ASSERT_TRUE(Action());
    ChartPicture p = Picture();
    EXPECT_LT(p.Upper.AxisMin, 5.0);
    EXPECT_GT(p.Upper.AxisMax, 5.0);
    EXPECT_LT(p.Lower.AxisMin, p.Lower.AxisMax);
    EXPECT_EQ(p.Lower.AxisMin, 0.0);  // moving ranges of 0 never push the axis below zero

    Table({"X"}, {{"7"}});
    Measures({1});
    ASSERT_TRUE(Action());
    p = Picture();
    EXPECT_EQ(p.PositionCount, 1);
    EXPECT_LT(p.Upper.AxisMin, p.Upper.AxisMax);

    // No point at all: nothing to draw, but a usable picture.
    Table({"X", "Y"}, {{"", "1"}, {"", "2"}});
    Measures({1});
    Action();
    p = Picture();
    EXPECT_EQ(p.PositionCount, 0);
    EXPECT_LT(p.Upper.AxisMin, p.Upper.AxisMax);
}

TEST_F(ChartPictureTest, FootCarriesTheLimitsOfTheLastPointAndTheRules) {
    Table({"X"}, {{"10"}, {"12"}, {"11"}, {"13"}});
    Measures({1});
    ws_.chart.Display.AddLimitInfo = true;
    ASSERT_TRUE(Action());
    const ChartPicture p = Picture();
    ASSERT_EQ(p.FootLines.size(), 4u);
    // Dispersion lines first, each chart's centerline above its limits; the centerline
    // text starts after the longer axis title and eleven blanks.
    EXPECT_EQ(p.FootLines[0].find("Centerline ["), 13u);
    EXPECT_EQ(p.FootLines[1].rfind("MR Chart Control Limits [", 0), 0u) << p.FootLines[1];
    EXPECT_NE(p.FootLines[1].find("] from Average MR"), std::string::npos);
    EXPECT_NE(p.FootLines[2].find("] using Average X"), std::string::npos);
    EXPECT_EQ(p.FootLines[3].rfind("X Chart Control Limits [", 0), 0u) << p.FootLines[3];
    EXPECT_EQ(p.FootLines[0].find('['), p.FootLines[1].find('['));
    // The values of the last point, five significant digits.
    const std::string cl = FormatSignificant(ws_.report.numberLocale, 5, At(Row::LocCL, 4));
    EXPECT_NE(p.FootLines[2].find("[" + cl + "]"), std::string::npos);

    // The active rules go on top when asked for.
    ws_.chart.Display.AddFileMods = true;
    EXPECT_EQ(Picture().FootLines.size(), 4u);  // no rules, nothing added
}

TEST_F(ChartPictureTest, ColoursInBlackAndWhite) {
    EXPECT_EQ(ChartColoursFor(false).Limit, (RgbColour{255, 0, 0}));
    EXPECT_EQ(ChartColoursFor(false).Centerline, (RgbColour{0, 128, 0}));
    EXPECT_EQ(ChartColoursFor(true).Signalled, (RgbColour{1, 0, 0}));
    EXPECT_EQ(ChartColoursFor(true).Normal, (RgbColour{0, 0, 0}));
}

TEST_F(ChartPictureTest, ViewMenuFollowsTheChart) {
    Table({"X", "Y"}, {{"1", "2"}, {"3", "4"}, {"2", "2"}});
    Measures({1, 2});
    setup_.SetSubgroupsInRows(true);
    ASSERT_TRUE(Action());
    ChartViewMenuState menu = ViewMenuState(ws_.chart);
    EXPECT_TRUE(menu.ShowAllPoints);
    EXPECT_FALSE(menu.SigmaLines);
    EXPECT_FALSE(menu.RemoveLocPlot);
    EXPECT_TRUE(menu.Zones);
    EXPECT_TRUE(menu.Codes);
    EXPECT_FALSE(menu.ClearPointText);

    ToggleShowAllPoints(ws_, true);
    ws_.chart.Display.ShowSigmaLines = true;
    ws_.chart.Display.RemoveLocPlot = true;
    menu = ViewMenuState(ws_.chart);
    EXPECT_TRUE(menu.SigmaLines && menu.Specs && menu.RemoveLocPlot);
    // The individual values of each row are drawn at its position.
    const ChartPicture p = Picture();
    EXPECT_EQ(p.AllPoints.size(), 6u);
    EXPECT_EQ(p.AllPoints[0], std::make_pair(0.0, 1.0));
    // Removing the location plot removes its limits but keeps its axis over the values.
    EXPECT_TRUE(std::isnan(p.Upper.Statistic[0]));
    EXPECT_TRUE(std::isnan(p.Upper.UCL[0]));

    ToggleShowAllPoints(ws_, false);
    EXPECT_FALSE(ws_.chart.Display.ShowSigmaLines);
    EXPECT_FALSE(ws_.chart.Display.RemoveLocPlot);

    SetDisplayViolations(ws_.chart, true);
    ws_.chart.Display.DisplayCodes = true;
    SetDisplayViolations(ws_.chart, false);
    EXPECT_FALSE(ws_.chart.Display.DisplayCodes);
    EXPECT_FALSE(ViewMenuState(ws_.chart).Codes);

    ws_.chart.LocPointText[2] = "cleaned";
    EXPECT_TRUE(ViewMenuState(ws_.chart).ClearPointText);
    EXPECT_EQ(Picture().Upper.PointTexts.size(), 1u);
    ClearPointText(ws_.chart);
    EXPECT_FALSE(HasPointText(ws_.chart));
}

TEST_F(ChartPictureTest, ASetVariableOfManyLevelsGivesOneSeparatorPerChange) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 2000; ++i)
        rows.push_back({std::to_string(i % 7), "L" + std::to_string(i / 2)});
    Table({"X", "Batch"}, rows);
    Measures({1});
    Sets(2);
    ASSERT_TRUE(Action());
    const ChartPicture p = Picture();
    ASSERT_EQ(p.Separators.size(), 1000u);
    EXPECT_EQ(p.Separators[0].Label, " Batch=L0 ");
    EXPECT_EQ(p.Separators[999].Label, " Batch=L999 ");
}

}  // namespace
}  // namespace vostrel::testing
