#include "engine/control_charts/point_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_points.h"
#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/compute_limits.h"

namespace vostrel {
namespace {

using Row = ChartArrayType::Row;

class PointGridTest : public ::testing::Test {
  protected:
    void Define(int loc, int disp, int locCalc, int dispCalc) {
        ChartDefinition& d = chart_.Definition;
        d.LocChartType = loc;
        d.DispChartType = disp;
        d.LocLimitCalc = locCalc;
        d.DispLimitCalc = dispCalc;
        d.LocCenterline = locCalc == CalcNone ? 0 : CenterAverageLoc;
        d.DispCenterline = dispCalc == CalcNone ? 0 : CenterAverageDisp;
        d.LabelColumn = 0;
        d.ChartSetColumn = 0;
        points_.Start();
    }

    std::vector<std::string> Headers() const {
        std::vector<std::string> headers;
        const PointGrid grid(chart_, locale_);
        for (const PointGridColumn& c : grid.Columns()) {
            headers.push_back(c.Header);
        }
        return headers;
    }

    std::vector<std::string> RowText(const PointGrid& grid, int point, int decimals = -1) const {
        std::vector<std::string> cells;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            cells.push_back(decimals < 0 ? grid.CellText(point, c)
                                         : grid.DisplayText(point, c, decimals));
        }
        return cells;
    }

    ChartState chart_;
    NumberLocale locale_;
    StatContext stat_;
    SampleArray work_;
    testing::ChartPoints points_{chart_};
};

TEST_F(PointGridTest, ColumnsFollowTheDefinition) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR);
    EXPECT_EQ(Headers(),
              (std::vector<std::string>{"Point", "X", "LCL(Loc)", "CL(Loc)", "UCL(Loc)",
                                        "Codes (Loc)", "Moving Range", "LCL(Disp)", "CL(Disp)",
                                        "UCL(Disp)", "Codes (Disp)", "Sigma Est"}));

    Define(ChartMean, ChartStdDev, CalcCenterlineOnly, CalcNone);
    chart_.Definition.LabelColumn = 2;
    chart_.Definition.ChartSetColumn = 4;
    EXPECT_EQ(Headers(), (std::vector<std::string>{"Point", "Labels", "Set", "n", "Mean", "CL(Loc)",
                                                   "Std Dev (s)", "Sigma Est"}));

    Define(ChartNone, ChartVariance, CalcAverageRange, CalcUserDefined);
    EXPECT_EQ(Headers(),
              (std::vector<std::string>{"Point", "n", "Variance (s²)", "LCL(Disp)", "CL(Disp)",
                                        "UCL(Disp)", "Codes (Disp)", "Sigma Est"}));
}

TEST_F(PointGridTest, CellsHoldGeneralNumbersAndShowFixedDecimals) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR);
    points_.Individuals({10, 12.5, 11});
    ComputeLimits(chart_, stat_, work_);
    chart_.Codes.Codes[LocationChart] = {"", "", "O", ""};
    const PointGrid grid = FillPointGrid(chart_, locale_);
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.StatusText(), "Point Count: 3");

    const double ra = 2.0 / 1.12838;
    const std::vector<std::string> first = RowText(grid, 1);
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[1], "10");
    EXPECT_EQ(first[3], "11.1666666666666661");  // CL(Loc), the double to 18 digits
    EXPECT_EQ(first[6], "");                     // no moving range for the first point
    EXPECT_EQ(first[7], "");                     // no LCL on the moving range chart
    EXPECT_NEAR(std::stod(first[11]), ra, 1e-15);

    EXPECT_EQ(RowText(grid, 2, 2),
              (std::vector<std::string>{"2", "12.50", "5.85", "11.17", "16.48", "O", "2.50", "",
                                        "2.00", "6.53", "", "1.77"}));
    EXPECT_EQ(grid.CellText(4, 0), "");  // beyond the points
    EXPECT_EQ(grid.CellText(1, 12), "");
}

TEST_F(PointGridTest, ShadesMarkSignalledPoints) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcCenterlineOnly);
    points_.Subgroups({{1, 2}, {3, 5}});
    ComputeLimits(chart_, stat_, work_);
    chart_.Codes.Codes[LocationChart] = {"", "¶", ""};
    chart_.Codes.Codes[DispersionChart] = {"", "O", ""};
    const PointGrid grid(chart_, locale_);
    // Point, n, Mean, LCL, CL, UCL, Codes (Loc), Range, CL(Disp), Sigma Est
    ASSERT_EQ(grid.ColumnCount(), 10);
    EXPECT_EQ(grid.Shade(1, 2), PointCellShade::Signalled);
    EXPECT_EQ(grid.Shade(2, 2), PointCellShade::Clear);
    EXPECT_EQ(grid.Shade(1, 6), PointCellShade::Signalled);
    EXPECT_EQ(grid.Shade(2, 6), PointCellShade::Plain);
    // The range chart has no codes column, so its statistic is never signalled.
    EXPECT_EQ(grid.Shade(1, 7), PointCellShade::Clear);
    EXPECT_EQ(grid.Shade(1, 4), PointCellShade::Plain);
    EXPECT_EQ(grid.DisplayText(1, 1, 3), "2");  // n keeps its stored form
    EXPECT_EQ(grid.DisplayText(1, 6, 3), "¶");
}

}  // namespace
}  // namespace vostrel
