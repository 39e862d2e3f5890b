#include "engine/control_charts/chart_names.h"

#include <gtest/gtest.h>

#include "engine/control_charts/chart_definition.h"

namespace vostrel {
namespace {

TEST(ChartNames, CenterlinesTakeTheTypeNameAndPluralAfterOf) {
    EXPECT_EQ(CenterlineName(CenterAverageLoc, ChartMean), "Average Mean");
    EXPECT_EQ(CenterlineName(CenterMedianLoc, ChartMean), "Median of Means");
    EXPECT_EQ(CenterlineName(CenterMedianLoc, ChartX), "Median of Xs");
    EXPECT_EQ(CenterlineName(CenterKnownMean, ChartX), "Known Mean");
    EXPECT_EQ(CenterlineName(CenterAverageDisp, ChartRange), "Average Range");
    EXPECT_EQ(CenterlineName(CenterMedianDisp, ChartRange), "Median Range");
    EXPECT_EQ(CenterlineName(CenterKnownStdDev, ChartRange), "Known Std Dev");
    EXPECT_EQ(CenterlineName(0, ChartRange), "");
}

TEST(ChartNames, DispersionCalculationsLoseTheBracketedAbbreviation) {
    EXPECT_EQ(LimitCalcName(CalcAverageMROfDisp, ChartRange), "Average MR of Range");
    EXPECT_EQ(LimitCalcName(CalcMedianMROfDisp, ChartStdDev), "Median MR of Std Dev ");
    EXPECT_EQ(LimitCalcName(CalcStdDevOfDisp, ChartVariance), "Std Dev of Variance ");
    EXPECT_EQ(LimitCalcName(CalcMedianRange, ChartStdDev), "Median Range");
    EXPECT_EQ(SubstituteDispersionCalc("X of @", "Ab (cdefgh)"), "X of Ab gh)");
}

TEST(ChartNames, IndexesByName) {
    EXPECT_EQ(ChartTypeIndex("Variance (s²)"), ChartVariance);
    EXPECT_EQ(ChartTypeIndex("Individual Points"), ChartIndividualPoints);
    EXPECT_EQ(ChartTypeIndex("Bogus"), -1);
    EXPECT_EQ(LimitCalcIndex("Std Dev of Medians"), CalcStdDevOfMedians);
}

TEST(LayoutTypes, EveryCombinationMapsToItsCode) {
    struct Case {
        bool groups, several, sample, constant, rows;
        int layout;
    };
    const Case cases[] = {
        {false, false, false, false, false, 1}, {false, false, false, true, false, 4},
        {false, false, true, false, false, 3},  {false, true, false, false, false, 5},
        {false, true, false, false, true, 2},   {false, true, false, true, false, 7},
        {false, true, true, false, false, 6},   {true, false, false, false, false, 8},
        {true, false, false, true, false, 11},  {true, false, true, false, false, 10},
        {true, true, false, false, false, 12},  {true, true, false, false, true, 9},
        {true, true, false, true, false, 14},   {true, true, true, false, false, 13},
        {false, false, true, true, false, 0},   {false, true, true, false, true, 0},
        {false, false, false, false, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutTypeFor({c.groups, c.several, c.sample, c.constant, c.rows}), c.layout)
            << c.groups << c.several << c.sample << c.constant << c.rows;
    }
}

}  // namespace
}  // namespace vostrel
