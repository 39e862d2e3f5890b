#include "engine/control_charts/compute_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "chart_points.h"
#include "engine/control_charts/chart_names.h"

namespace vostrel {
namespace {

using Row = ChartArrayType::Row;
using testing::Missing;

// The classical factors of the control chart tables, formed from d2, d3 and c4.
struct Factors {
    double A2, D3, D4, A3, B3, B4, E2;
};

Factors TextbookFactors(int n) {
    ChartConstants constants;
    StatContext stat;
    const double d2 = static_cast<double>(constants.ChartConstantD2(stat, n));
    const double d3 = static_cast<double>(constants.ChartConstantD3(stat, n));
    const double c4 = static_cast<double>(constants.ChartConstantC4(stat, n));
    const double rootN = std::sqrt(static_cast<double>(n));
    const double sFactor = 3.0 * std::sqrt(1.0 - c4 * c4) / c4;
    return {3.0 / (d2 * rootN),
            std::max(0.0, 1.0 - 3.0 * d3 / d2),
            1.0 + 3.0 * d3 / d2,
            3.0 / (c4 * rootN),
            std::max(0.0, 1.0 - sFactor),
            1.0 + sFactor,
            3.0 / d2};
}

TEST(TextbookFactors, MatchThePublishedTables) {
    struct Published {
        int n;
        double A2, D3, D4, A3, B3, B4;
    };
    for (const Published& t : {Published{2, 1.880, 0, 3.267, 2.659, 0, 3.267},
                               Published{5, 0.577, 0, 2.114, 1.427, 0, 2.089},
                               Published{6, 0.483, 0, 2.004, 1.287, 0.030, 1.970},
                               Published{7, 0.419, 0.076, 1.924, 1.182, 0.118, 1.882},
                               Published{10, 0.308, 0.223, 1.777, 0.975, 0.284, 1.716}}) {
        SCOPED_TRACE(t.n);
        const Factors f = TextbookFactors(t.n);
        EXPECT_NEAR(f.A2, t.A2, 1e-3);
        EXPECT_NEAR(f.D3, t.D3, 1e-3);
        EXPECT_NEAR(f.D4, t.D4, 1e-3);
        EXPECT_NEAR(f.A3, t.A3, 1e-3);
        EXPECT_NEAR(f.B3, t.B3, 1e-3);
        EXPECT_NEAR(f.B4, t.B4, 1e-3);
    }
}

class ComputeLimitsTest : public ::testing::Test {
  protected:
    void Define(int loc, int disp, int locCalc, int dispCalc, int locCL, int dispCL) {
        def_.LocChartType = loc;
        def_.DispChartType = disp;
        def_.LocLimitCalc = locCalc;
        def_.DispLimitCalc = dispCalc;
        def_.LocCenterline = locCL;
        def_.DispCenterline = dispCL;
        points_.Start();
    }

    void Compute() { ComputeLimits(chart_, stat_, work_); }
    double At(int row, int p) const { return chart_.Points(row, p); }

    long double D2(int n) { return chart_.Constants.ChartConstantD2(stat_, n); }
    long double D3(int n) { return chart_.Constants.ChartConstantD3(stat_, n); }
    long double D2m(int n) { return chart_.Constants.MedianRangeConstant(stat_, n); }
    long double C4(int n) { return chart_.Constants.ChartConstantC4(stat_, n); }

    // Every point of the chart has the same value in the row (missing included).
    void ExpectRow(int row, double value, double tolerance = 1e-9) {
        for (int p = 1; p <= chart_.PointCount; ++p) {
            SCOPED_TRACE(p);
            if (value == Missing) {
                EXPECT_EQ(At(row, p), Missing) << "row " << row;
            } else {
                EXPECT_NEAR(At(row, p), value, tolerance) << "row " << row;
            }
        }
    }

    void ExpectAllFinite() {
        for (int row = 0; row < ChartArrayType::RowCount; ++row) {
            for (int p = 1; p <= chart_.PointCount; ++p) {
                EXPECT_TRUE(std::isfinite(At(row, p))) << "row " << row << " point " << p;
            }
        }
    }

    ChartState chart_;
    ChartDefinition& def_ = chart_.Definition;
    StatContext stat_;
    SampleArray work_;
    testing::ChartPoints points_{chart_};
};

TEST_F(ComputeLimitsTest, IndividualsFromTheAverageMovingRange) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({10, 12, 11});
    Compute();
    const double ra = 1.5 / 1.12838;
    ExpectRow(Row::LocCL, 11.0);
    ExpectRow(Row::GrandMean, 11.0);
    ExpectRow(Row::LocStdError, ra);
    ExpectRow(Row::LocUCL, 11.0 + 3 * ra);
    ExpectRow(Row::LocLCL, 11.0 - 3 * ra);
    // The moving range chart: centerline the average moving range, UCL = D4 * MR-bar and no
    // LCL, since D3 is 0 for n = 2.
    const Factors f = TextbookFactors(2);
    ExpectRow(Row::DispCL, 1.5);
    ExpectRow(Row::DispUCL, f.D4 * 1.5);
    ExpectRow(Row::DispLCL, Missing);
    ExpectRow(Row::DispStdError, 0.8525 * ra);
    ExpectRow(Row::SigmaEst, ra);
    EXPECT_EQ(chart_.SigmaSource, CalcAverageMR);
    // E2 = 3 / d2 of the tables.
    EXPECT_NEAR(At(Row::LocUCL, 1) - 11.0, f.E2 * 1.5, 1e-9);
}

TEST_F(ComputeLimitsTest, IndividualsFromTheMedianMovingRange) {
    Define(ChartX, ChartMovingRange, CalcMedianMR, CalcMedianMR, CenterAverageLoc,
           CenterMedianDisp);
    points_.Individuals({10, 12, 11, 14, 13, 13});  // moving ranges 2, 1, 3, 1, 0
    Compute();
    const double sigma = 1.0 / 0.9539;  // median moving range / d2m(2)
    ExpectRow(Row::LocCL, 73.0 / 6.0);
    ExpectRow(Row::LocStdError, sigma);
    ExpectRow(Row::LocUCL, 73.0 / 6.0 + 3 * sigma);
    ExpectRow(Row::DispCL, 1.0);  // the median moving range
    ExpectRow(Row::DispUCL, (1.12838 + 3 * 0.8525) * sigma);
    ExpectRow(Row::SigmaEst, sigma);
    EXPECT_EQ(chart_.SigmaSource, CalcMedianMR);
}

TEST_F(ComputeLimitsTest, IndividualsFromTheStandardDeviationWithAWiderMovingRange) {
    Define(ChartX, ChartMovingRange, CalcStdDev, CalcStdDev, CenterMedianLoc, CenterAverageDisp);
    def_.MRSpan = 3;
    points_.Individuals({1, 4, 2, 8, 5, 7});  // moving ranges of three: 3, 6, 6, 3
    Compute();
    const double sd = testing::Describe({1, 4, 2, 8, 5, 7}).sd;
    ExpectRow(Row::LocCL, 4.5);  // median of the values
    ExpectRow(Row::GrandMean, 4.5);
    ExpectRow(Row::LocStdError, sd);
    ExpectRow(Row::LocLCL, 4.5 - 3 * sd);
    ExpectRow(Row::DispCL, 4.5);  // d2(3) * mean(MR / d2(3)) is the mean moving range
    ExpectRow(Row::DispUCL, static_cast<double>((D2(3) + 3 * D3(3)) * sd));
    ExpectRow(Row::DispStdError, static_cast<double>(D3(3) * sd));
    EXPECT_EQ(chart_.SigmaSource, CalcStdDev);
}

TEST_F(ComputeLimitsTest, KnownSigmaAndMeanWithPositiveLimitsOnly) {
    Define(ChartX, ChartMovingRange, CalcKnownStdDev, CalcKnownStdDev, CenterKnownMean,
           CenterKnownStdDev);
    def_.UseKnownMean = true;
    def_.KnownMean = 3.0;
    def_.UseKnownSigma = true;
    def_.KnownSigma = 2.0;
    def_.PositiveLimitsOnly = true;
    points_.Individuals({1, 2, 9});
    Compute();
    ExpectRow(Row::LocCL, 3.0);
    ExpectRow(Row::GrandMean, 4.0);
    ExpectRow(Row::LocUCL, 9.0);
    ExpectRow(Row::LocLCL, Missing);  // 3 - 6 is below 0
    ExpectRow(Row::DispCL, 2 * 1.12838);
    ExpectRow(Row::DispUCL, 2 * (1.12838 + 3 * 0.8525));
    ExpectRow(Row::SigmaEst, 2.0);
    EXPECT_EQ(chart_.SigmaSource, CalcKnownStdDev);

    // Without the option the negative limit is drawn.
    def_.PositiveLimitsOnly = false;
    Compute();
    ExpectRow(Row::LocLCL, -3.0);
}

TEST_F(ComputeLimitsTest, CenterlineOnlyDrawsNoLimits) {
    Define(ChartX, ChartMovingRange, CalcCenterlineOnly, CalcCenterlineOnly, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({10, 12, 11});
    Compute();
    ExpectRow(Row::LocCL, 11.0);
    ExpectRow(Row::DispCL, 1.5);
    for (int row : {Row::LocLCL, Row::LocUCL, Row::LocStdError, Row::DispLCL, Row::DispUCL,
                    Row::DispStdError, Row::SigmaEst}) {
        ExpectRow(row, Missing);
    }
    EXPECT_EQ(chart_.SigmaSource, 0);
}

// Four subgroups of five: means 11, 12, 10, 13, ranges 4, 3, 2, 4, variances 2.5, 1.5,
// 0.5, 2.5.
const std::vector<std::vector<double>> FiveEach = {
    {10, 12, 11, 13, 9}, {11, 11, 14, 12, 12}, {9, 10, 10, 11, 10}, {12, 13, 15, 11, 14}};

TEST_F(ComputeLimitsTest, MeanAndRangeFromTheAverageRange) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups(FiveEach);
    Compute();
    const Factors f = TextbookFactors(5);
    const double rBar = 3.25;
    ExpectRow(Row::LocCL, 11.5);
    ExpectRow(Row::LocUCL, 11.5 + f.A2 * rBar);
    ExpectRow(Row::LocLCL, 11.5 - f.A2 * rBar);
    ExpectRow(Row::LocStdError, rBar / 2.32593 / std::sqrt(5.0));
    ExpectRow(Row::DispCL, rBar);
    ExpectRow(Row::DispUCL, f.D4 * rBar);
    ExpectRow(Row::DispLCL, Missing);  // R-bar - 3 * d3 * sigma is below 0
    ExpectRow(Row::SigmaEst, rBar / 2.32593);
    EXPECT_EQ(chart_.SigmaSource, CalcAverageRange);
}

TEST_F(ComputeLimitsTest, RangeChartOfSevenHasALowerLimit) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups({{1, 2, 3, 4, 5, 6, 7}, {2, 2, 3, 3, 4, 4, 9}, {5, 1, 4, 4, 4, 4, 2}});
    Compute();
    const Factors f = TextbookFactors(7);
    const double rBar = (6.0 + 7.0 + 4.0) / 3.0;
    ExpectRow(Row::DispCL, rBar);
    ExpectRow(Row::DispLCL, f.D3 * rBar);
    ExpectRow(Row::DispUCL, f.D4 * rBar);
}

TEST_F(ComputeLimitsTest, MeanAndStdDevFromTheAverageStdDev) {
    Define(ChartMean, ChartStdDev, CalcAverageStdDev, CalcAverageStdDev, CenterAverageLoc,
           CenterAverageDisp);
    const std::vector<std::vector<double>> groups = {
        {10, 12, 11, 13, 9, 12}, {11, 11, 14, 12, 12, 10}, {9, 10, 10, 11, 10, 13}};
    points_.Subgroups(groups);
    Compute();
    double sBar = 0, grand = 0;
    for (const auto& g : groups) {
        sBar += testing::Describe(g).sd / 3.0;
        grand += testing::Describe(g).mean / 3.0;
    }
    const Factors f = TextbookFactors(6);
    ExpectRow(Row::LocCL, grand);
    ExpectRow(Row::LocUCL, grand + f.A3 * sBar);
    ExpectRow(Row::LocLCL, grand - f.A3 * sBar);
    ExpectRow(Row::DispCL, sBar);
    ExpectRow(Row::DispUCL, f.B4 * sBar);
    ExpectRow(Row::DispLCL, f.B3 * sBar);
    ExpectRow(Row::DispStdError, static_cast<double>(sBar / C4(6) * std::sqrt(1 - C4(6) * C4(6))));
    ExpectRow(Row::SigmaEst, static_cast<double>(sBar / C4(6)));
    EXPECT_EQ(chart_.SigmaSource, CalcAverageStdDev);
}

TEST_F(ComputeLimitsTest, MedianChartFromTheMedianRange) {
    Define(ChartMedian, ChartRange, CalcMedianRange, CalcMedianRange, CenterMedianLoc,
           CenterMedianDisp);
    points_.Subgroups(FiveEach);  // medians 11, 12, 10, 13; ranges 4, 3, 2, 4
    Compute();
    const double sigma = 3.5 / 2.2569;  // median range / d2m(5)
    const double stdError = sigma * std::sqrt(0.28668336616);
    ExpectRow(Row::LocCL, 11.5);  // median of the medians
    ExpectRow(Row::LocStdError, stdError);
    ExpectRow(Row::LocUCL, 11.5 + 3 * stdError);
    ExpectRow(Row::DispCL, 3.5);  // d2(5) * median(R / d2(5)) is the median range
    ExpectRow(Row::DispUCL, (2.32593 + 3 * 0.8641) * sigma);
    ExpectRow(Row::SigmaEst, sigma);
    EXPECT_EQ(chart_.SigmaSource, CalcMedianRange);
}

TEST_F(ComputeLimitsTest, VarianceChartWithKnownSigmaUsesChiSquareLimits) {
    Define(ChartMean, ChartVariance, CalcKnownStdDev, CalcKnownStdDev, CenterAverageLoc,
           CenterKnownStdDev);
    def_.UseKnownSigma = true;
    def_.KnownSigma = 1.0;
    points_.Subgroups(FiveEach);
    Compute();
    // chi-square(4) quantiles of 0.00135 and 0.99865, divided by 4.
    ExpectRow(Row::DispCL, 1.0);
    ExpectRow(Row::DispUCL, 4.450145, 1e-4);
    ExpectRow(Row::DispLCL, 0.0264408, 1e-5);
    ExpectRow(Row::DispStdError, (4.450145 - 1.0) / 3.0, 1e-4);
    ExpectRow(Row::LocUCL, 11.5 + 3.0 / std::sqrt(5.0));

    def_.KnownSigma = 2.0;  // the limits scale with sigma squared
    Compute();
    ExpectRow(Row::DispUCL, 4 * 4.450145, 4e-4);
}

TEST_F(ComputeLimitsTest, MedianStdDevConvertsThroughTheChiSquareMedian) {
    Define(ChartMean, ChartStdDev, CalcMedianStdDev, CalcMedianStdDev, CenterAverageLoc,
           CenterMedianDisp);
    points_.Subgroups(FiveEach);
    Compute();
    const double sm = (std::sqrt(1.5) + std::sqrt(2.5)) / 2.0;  // median of the four s
    const double sigma = sm * std::sqrt(4.0 / 3.356694);        // chi-square(4) median 3.356694
    ExpectRow(Row::LocStdError, sigma / std::sqrt(5.0), 1e-6);
    ExpectRow(Row::DispCL, sm);
    ExpectRow(Row::DispUCL, static_cast<double>(sigma * (C4(5) + 3 * std::sqrt(1 - C4(5) * C4(5)))),
              1e-6);
    ExpectRow(Row::SigmaEst, sigma, 1e-6);
}

TEST_F(ComputeLimitsTest, AverageVariancePoolsTheSubgroups) {
    Define(ChartMean, ChartVariance, CalcAverageVariance, CalcAverageVariance, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups(FiveEach);
    Compute();
    const double vp = (2.5 + 1.5 + 0.5 + 2.5) / 4.0;
    ExpectRow(Row::LocStdError, std::sqrt(vp / 5.0));
    ExpectRow(Row::DispCL, vp);
    ExpectRow(Row::DispUCL, vp * 4.450145, 1e-4);
    ExpectRow(Row::DispLCL, vp * 0.0264408, 1e-5);
    ExpectRow(Row::SigmaEst, std::sqrt(vp));
}

TEST_F(ComputeLimitsTest, LimitsFromTheSpreadOfTheMeans) {
    Define(ChartMean, ChartNone, CalcAverageMROfMeans, CalcNone, CenterAverageLoc, 0);
    points_.Subgroups(FiveEach);  // means 11, 12, 10, 13: moving ranges 1, 2, 3
    Compute();
    ExpectRow(Row::LocStdError, 2.0 / 1.12838);
    ExpectRow(Row::SigmaEst, std::sqrt(5.0) * 2.0 / 1.12838);
    EXPECT_EQ(chart_.SigmaSource, CalcAverageMROfMeans);

    def_.LocLimitCalc = CalcMedianMROfMeans;
    Compute();
    ExpectRow(Row::LocStdError, 2.0 / 0.9539);

    def_.LocLimitCalc = CalcStdDevOfMeans;
    Compute();
    ExpectRow(Row::LocStdError, testing::Describe({11, 12, 10, 13}).sd);
    ExpectRow(Row::DispCL, Missing);
}

TEST_F(ComputeLimitsTest, DispersionLimitsFromTheSpreadOfTheDispersionStatistic) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageMROfDisp, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups(FiveEach);  // ranges 4, 3, 2, 4: moving ranges 1, 1, 2
    Compute();
    const double t = (4.0 / 3.0) / 1.12838;
    ExpectRow(Row::DispCL, 3.25);
    ExpectRow(Row::DispUCL, 3.25 + 3 * t);
    ExpectRow(Row::DispLCL, Missing);  // 3.25 - 3t is below 0
    ExpectRow(Row::DispStdError, t);
    // The sigma estimate comes from the location limits for these calculations.
    ExpectRow(Row::SigmaEst, 3.25 / 2.32593);
    EXPECT_EQ(chart_.SigmaSource, CalcAverageRange);

    def_.DispLimitCalc = CalcMedianMROfDisp;
    Compute();
    ExpectRow(Row::DispStdError, 1.0 / 0.9539);

    def_.DispLimitCalc = CalcStdDevOfDisp;
    def_.StdErrMultiplier = 1.0;
    Compute();
    const double ts = testing::Describe({4, 3, 2, 4}).sd;
    ExpectRow(Row::DispStdError, ts);
    ExpectRow(Row::DispLCL, 3.25 - ts);
}

TEST_F(ComputeLimitsTest, VaryingSubgroupSizesStepTheLimits) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcMedianRange, CenterAverageLoc,
           CenterMedianDisp);
    points_.Subgroups({{1, 4, 2}, {3, 5, 6, 2, 4}, {2, 7, 4, 5, 5}, {6, 3, 4, 4}});
    Compute();
    const double r[] = {3.0 / 1.69257, 4.0 / 2.32593, 5.0 / 2.32593, 3.0 / 2.05875};
    const double ra = (r[0] + r[1] + r[2] + r[3]) / 4.0;
    const double rm = (r[0] + r[1]) / 2.0;  // the two middle values of r, sorted
    const int sizes[] = {3, 5, 5, 4};
    for (int p = 1; p <= 4; ++p) {
        const int n = sizes[p - 1];
        SCOPED_TRACE(p);
        EXPECT_NEAR(At(Row::LocStdError, p), ra / std::sqrt(n), 1e-12);
        // The median-range centerline takes each point's own d2.
        EXPECT_NEAR(At(Row::DispCL, p), static_cast<double>(D2(n) * rm), 1e-12);
        // The dispersion sigma uses the median size, 4.5 rounded to 4.
        const double b = static_cast<double>(rm * D2(4) / D2m(4));
        EXPECT_NEAR(At(Row::DispUCL, p), static_cast<double>((D2(n) + 3 * D3(n)) * b), 1e-12);
    }
    EXPECT_NE(At(Row::LocUCL, 1), At(Row::LocUCL, 2));
    EXPECT_EQ(At(Row::LocUCL, 2), At(Row::LocUCL, 3));
}

TEST_F(ComputeLimitsTest, SetsAreComputedSeparately) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({10, 12, 11}, 1);
    points_.Individuals({20, 26, 23}, 2);
    Compute();
    const double ra1 = 1.5 / 1.12838;
    const double ra2 = 4.5 / 1.12838;  // the first moving range of set 2 is missing
    for (int p = 1; p <= 6; ++p) {
        SCOPED_TRACE(p);
        const bool first = p <= 3;
        EXPECT_NEAR(At(Row::LocCL, p), first ? 11.0 : 23.0, 1e-12);
        EXPECT_NEAR(At(Row::LocUCL, p), first ? 11.0 + 3 * ra1 : 23.0 + 3 * ra2, 1e-12);
        EXPECT_NEAR(At(Row::DispCL, p), first ? 1.5 : 4.5, 1e-12);
        EXPECT_NEAR(At(Row::SigmaEst, p), first ? ra1 : ra2, 1e-12);
    }
    EXPECT_EQ(At(Row::DispStat, 4), Missing);

    // A set on its own gives the same limits as beside the other.
    ChartState alone;
    alone.Definition = def_;
    testing::ChartPoints(alone).Individuals({20, 26, 23}, 2);
    alone.SetMin = alone.SetMax = 2;
    ComputeLimits(alone, stat_, work_);
    EXPECT_EQ(alone.Points(Row::LocUCL, 2), At(Row::LocUCL, 5));
}

TEST_F(ComputeLimitsTest, UserDefinedLimitsGiveTheirStandardError) {
    Define(ChartX, ChartMovingRange, CalcUserDefined, CalcUserDefined, CenterAverageLoc,
           CenterAverageDisp);
    def_.UserLocUCL = 16;
    def_.UserLocCL = 11;
    def_.UserLocLCL = 4;
    def_.UserDispUCL = 5;
    def_.UserDispCL = Missing;
    def_.UserDispLCL = Missing;
    points_.Individuals({10, 12, 11});
    chart_.SigmaSource = CalcAverageMR;
    Compute();
    ExpectRow(Row::LocUCL, 16);
    ExpectRow(Row::LocCL, 11);
    ExpectRow(Row::LocLCL, 4);
    ExpectRow(Row::LocStdError, 2.0);  // (UCL - LCL) / 3 / 2
    ExpectRow(Row::DispUCL, 5);
    ExpectRow(Row::DispCL, Missing);
    ExpectRow(Row::DispStdError, Missing);
    // With both user defined nothing is estimated.
    ExpectRow(Row::SigmaEst, Missing);
    EXPECT_EQ(chart_.SigmaSource, 0);

    def_.UserLocLCL = Missing;  // (UCL - CL) / 3
    def_.DispLimitCalc = CalcAverageMR;
    Compute();
    ExpectRow(Row::LocStdError, 5.0 / 3.0);
    ExpectRow(Row::LocCL, 11);  // the user's centerline stays
    ExpectRow(Row::SigmaEst, 1.5 / 1.12838);
    EXPECT_EQ(chart_.SigmaSource, CalcAverageMR);

    def_.UserLocUCL = Missing;  // only CL: no standard error, no sigma
    def_.DispChartType = ChartNone;
    Compute();
    ExpectRow(Row::LocStdError, Missing);
    EXPECT_EQ(chart_.SigmaSource, 0);

    def_.UserLocLCL = 5;  // (CL - LCL) / 3, and the sigma comes from it
    Compute();
    ExpectRow(Row::LocStdError, 2.0);
    ExpectRow(Row::SigmaEst, 2.0);
    EXPECT_EQ(chart_.SigmaSource, CalcUserDefined);
}

TEST_F(ComputeLimitsTest, NoCalculationClearsWhatAnEarlierChartLeft) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({10, 12, 11});
    Compute();
    ASSERT_NE(At(Row::LocUCL, 1), Missing);
    def_.LocLimitCalc = CalcNone;
    def_.DispLimitCalc = CalcNone;
    Compute();
    for (int row : {Row::LocLCL, Row::LocCL, Row::LocUCL, Row::DispCL, Row::DispUCL,
                    Row::LocStdError, Row::SigmaEst, Row::GrandMean}) {
        ExpectRow(row, Missing);
    }
    EXPECT_EQ(chart_.SigmaSource, 0);
    ExpectRow(Row::LocStat, 10.0, 2.0);  // the points stay
}

TEST_F(ComputeLimitsTest, SubgroupsOfOneNeverGiveNaN) {
    // A sample subgroup can hold a single valid value.
    Define(ChartMedian, ChartVariance, CalcMedianRange, CalcAverageVariance, CenterMedianLoc,
           CenterAverageDisp);
    points_.Subgroups({{3, 5, 4}, {7}, {2, 4, 6}});
    Compute();
    ExpectAllFinite();
    EXPECT_EQ(At(Row::LocUCL, 2), Missing);   // no median-range sigma for one value
    EXPECT_EQ(At(Row::DispUCL, 2), Missing);  // no chi-square limits without a degree of freedom
    EXPECT_NE(At(Row::DispUCL, 1), Missing);

    def_.LocLimitCalc = CalcAverageRange;
    Compute();
    ExpectAllFinite();
    // The median of one value has the standard error of that value.
    EXPECT_NEAR(At(Row::LocStdError, 2), (2.0 / 1.69257 + 0.0 + 4.0 / 1.69257) / 3.0, 1e-12);

    def_.LocChartType = ChartMean;
    def_.LocLimitCalc = CalcMedianStdDev;
    def_.DispChartType = ChartStdDev;
    def_.DispLimitCalc = CalcMedianStdDev;
    Compute();
    ExpectAllFinite();
    EXPECT_EQ(At(Row::LocStdError, 2), Missing);
    EXPECT_NE(At(Row::LocStdError, 1), Missing);
}

TEST_F(ComputeLimitsTest, NoPointsDoNothing) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    chart_.SigmaSource = 4;
    Compute();
    EXPECT_EQ(chart_.PointCount, 0);
    EXPECT_EQ(chart_.SigmaSource, 0);
}

}  // namespace
}  // namespace vostrel
