#include "engine/control_charts/chart_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_points.h"
#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/compute_limits.h"
#include "engine/control_charts/subgroup_anova.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"

namespace vostrel {
namespace {

using Row = ChartArrayType::Row;
using testing::Missing;

const std::vector<std::vector<double>> FiveEach = {
    {10, 12, 11, 13, 9}, {11, 11, 14, 12, 12}, {9, 10, 10, 11, 10}, {12, 13, 15, 11, 14}};

class ChartReportTest : public ::testing::Test {
  protected:
    void Define(int loc, int disp, int locCalc, int dispCalc, int locCL, int dispCL) {
        ChartDefinition& d = chart_.Definition;
        d.LocChartType = loc;
        d.DispChartType = disp;
        d.LocLimitCalc = locCalc;
        d.DispLimitCalc = dispCalc;
        d.LocCenterline = locCL;
        d.DispCenterline = dispCL;
        d.LayoutType = 4;
        points_.Start();
    }

    // Limits, then the tests of both charts, as a chart computation ends.
    void Compute() {
        ComputeLimits(chart_, stat_, work_);
        const ChartDefinition& d = chart_.Definition;
        if (d.LocChartType != ChartNone) EvaluateControlTests(chart_, LocationChart, false);
        if (d.DispChartType != ChartNone) {
            EvaluateControlTests(chart_, DispersionChart, d.DispChartType == ChartMovingRange);
        }
    }

    void SetCodes(int chart, std::vector<std::string> codes) {
        codes.insert(codes.begin(), std::string());
        chart_.Codes.Codes[static_cast<std::size_t>(chart)] = codes;
    }

    std::string Report() {
        WriteChartReport(writer_, chart_, stat_, source_);
        return ReportToPlainText(chart_.InfoReport, LineEnd::Lf);
    }

    // The first count non-empty lines of the report from the first line that starts with the
    // heading; empty when there is no such line.
    std::vector<std::string> Lines(const std::string& heading, std::size_t count) {
        const std::string text = Report();
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (lines.size() < count) {
            const std::size_t end = text.find('\n', start);
            if (end == std::string::npos) break;
            const std::string line = text.substr(start, end - start);
            start = end + 1;
            if (lines.empty() && line.rfind(heading, 0) != 0) continue;
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }

    ChartState chart_;
    ReportWriter writer_;
    StatContext stat_;
    SampleArray work_;
    ChartReportSource source_;
    testing::ChartPoints points_{chart_};
};

TEST_F(ChartReportTest, MeanAndRangeReport) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups(FiveEach);
    Compute();
    SetCodes(LocationChart, {"", "O", "", ""});
    source_.DataTitle = "Fill weights";
    source_.DataFileName = "/data/fill.dat";
    source_.FileModifications = "Missing When: x = 0\r\tTransform: log(x)";
    source_.ColumnTitle = "Weight";
    source_.USL = 15;
    source_.Target = 11.5;
    source_.LSL = 8;

    EXPECT_EQ(Report(),
              "Mean and Range Chart: Weight\n"
              "\n"
              "Title\n"
              "\n"
              "\tFill weights\n"
              "\n"
              "Data File\n"
              "\n"
              "\t/data/fill.dat\n"
              "\n"
              "File Modifications\n"
              "\n"
              "\tMissing When: x = 0\n"
              "\tTransform: log(x)\n"
              "\n"
              "Specifications\n"
              "\n"
              "\t   USL = 15.0000\n"
              "\tTarget = 11.5000\n"
              "\t   LSL = 8.0000\n"
              "\n"
              "Limit Calculations\n"
              "\n"
              "\tMean Chart\n"
              "\t    Limits: Average Range\n"
              "\tCenterline: Average Mean\n"
              "\n"
              "\tRange Chart\n"
              "\t    Limits: Average Range\n"
              "\tCenterline: Average Range\n"
              "\n"
              "\tσ Estimate Using: Average Range\n"
              "\t3 Standard Errors Used\n"
              "\n"
              "Control Analysis\n"
              "\n"
              "\tMean Chart Analysis\n"
              "\n"
              "\t   1 Found: Points Outside Control Limits\n"
              "\n"
              "\tRange Chart Analysis\n"
              "\n"
              "\tControl Tests - OK\n"
              "\n"
              "\n"
              "Mean/Range Correlation\n"
              "\n"
              "\tr = 0.674   p = 0.326\n"
              "\n"
              "Oneway ANOVA\n"
              "\n"
              "Weight by Point\n"
              "\n"
              "          Source        df          SS          MS         F         p\n"
              " Between Samples         3     25.0000      8.3333     4.762     0.015\n"
              "  Within Samples        16     28.0000      1.7500\n"
              "           Total        19     53.0000\n"
              "\n"
              "Random Effects Analysis:\n"
              " Sample-to-Sample Variance = 1.3167         Std Dev = 1.1475\n"
              "    Within-Sample Variance = 1.7500         Std Dev = 1.3229\n"
              "            Total Variance = 3.0667         Std Dev = 1.7512\n"
              "    Intraclass Correlation = 42.93%\n");
    EXPECT_EQ(chart_.ReportTitle, "Mean and Range Chart: Weight");
    EXPECT_TRUE(chart_.SpecsUsable);
}

TEST_F(ChartReportTest, FontsOfTitlesAndUnderlinedLines) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups(FiveEach);
    Compute();
    chart_.Info.InfoHeadingSize = 16;
    Report();
    const auto paragraphs = chart_.InfoReport.Paragraphs();
    ASSERT_GT(paragraphs.size(), 5u);
    const ReportStyle& heading = paragraphs[0]->StartStyle();
    EXPECT_EQ(heading.name, kArial);
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.Points(), 16);
    for (const ReportParagraph* paragraph : paragraphs) {
        const std::string text = paragraph->Text();
        if (text == "Limit Calculations") {
            EXPECT_TRUE(paragraph->StartStyle().underline);
            EXPECT_EQ(paragraph->StartStyle().Points(), 10);
        }
        if (text == "\tMean Chart") {
            ASSERT_EQ(paragraph->runs.size(), 2u);
            EXPECT_FALSE(paragraph->runs[0].style.underline);
            EXPECT_TRUE(paragraph->runs[1].style.underline);
            EXPECT_EQ(paragraph->runs[1].style.name, kCourierNew);
        }
        if (text.rfind("\t    Limits", 0) == 0) {
            EXPECT_FALSE(paragraph->StartStyle().underline);
            EXPECT_EQ(paragraph->StartStyle().Points(), 9);
        }
    }
}

TEST_F(ChartReportTest, TheWriterReturnsToItsDocument) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({1, 2, 3});
    Compute();
    writer_.AddReportLine("main report");
    writer_.SetFontBold();
    Report();
    EXPECT_EQ(&writer_.Target(), &writer_.output);
    EXPECT_TRUE(writer_.ReportFont.bold);
    writer_.AddReportLine("more");
    EXPECT_EQ(ReportToPlainText(writer_.output, LineEnd::Lf), "main report\nmore\n");

    // A second report replaces the first.
    const std::string first = ReportToPlainText(chart_.InfoReport, LineEnd::Lf);
    EXPECT_EQ(Report(), first);
}

TEST_F(ChartReportTest, AnovaErrors) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({1, 2, 3});
    Compute();
    EXPECT_EQ(Lines("Oneway ANOVA", 2),
              (std::vector<std::string>{"Oneway ANOVA",
                                        "\tCannot Perform ANOVA - No Within Variation Found!"}));

    // A single individual value: both errors apply and the second wins.
    points_.Start();
    points_.Individual(4);
    Compute();
    EXPECT_EQ(Lines("Oneway ANOVA", 2).back(),
              "\tCannot Perform ANOVA - No Within Variation Found!");

    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroup({1, 2, 4});
    Compute();
    EXPECT_EQ(Lines("Oneway ANOVA", 2).back(),
              "\tCannot Perform ANOVA - Single or No Groups Found!");
}

TEST_F(ChartReportTest, SpecificationsNeedUsableLimits) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    points_.Individuals({1, 2, 3});
    Compute();
    source_.LSL = 0.5;
    EXPECT_EQ(
        Lines("Specifications", 3),
        (std::vector<std::string>{"Specifications", "\t   LSL = 0.5000", "Limit Calculations"}));
    source_.USL = 0.25;  // below the LSL
    EXPECT_TRUE(Lines("Specifications", 1).empty());
    EXPECT_FALSE(chart_.SpecsUsable);

    EXPECT_TRUE(SpecsUsableFor(10, Missing, 2));
    EXPECT_FALSE(SpecsUsableFor(Missing, Missing, Missing));
    EXPECT_TRUE(SpecsUsableFor(10, 4, Missing));
    EXPECT_FALSE(SpecsUsableFor(10, 12, Missing));  // the target beyond the only limit
    EXPECT_FALSE(SpecsUsableFor(Missing, 1, 2));
    EXPECT_TRUE(SpecsUsableFor(10, 12, 2));  // USL above LSL is enough
}

TEST_F(ChartReportTest, SetsGetTheirOwnSectionsAndCounts) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcAverageMR, CenterAverageLoc,
           CenterAverageDisp);
    chart_.Definition.ChartSetColumn = 3;
    points_.Individuals({1, 5, 2, 6}, 1);
    points_.Individuals({3, 3, 4, 8}, 2);
    Compute();
    SetCodes(LocationChart, {"O", "", "", "", "", "", "O", "O"});
    SetCodes(DispersionChart, {"", "", "", "", "", "", "", ""});
    const std::string report = Report();
    for (const char* title :
         {"Control Analysis - Set 1", "Control Analysis - Set 2",
          "X/Moving Range Correlation - Set 1", "X/Moving Range Correlation - Set 2",
          "Oneway ANOVA - Set 1", "Oneway ANOVA - Set 2"}) {
        EXPECT_NE(report.find(std::string(title) + "\n"), std::string::npos) << title;
    }
    const std::string set1 =
        "Control Analysis - Set 1\n\n\tX Chart Analysis\n\n"
        "\t   1 Found: Points Outside Control Limits\n";
    const std::string set2 =
        "Control Analysis - Set 2\n\n\tX Chart Analysis\n\n"
        "\t   2 Found: Points Outside Control Limits\n";
    EXPECT_NE(report.find(set1), std::string::npos);
    EXPECT_NE(report.find(set2), std::string::npos);
    // The sections come in order: all control analyses, then correlations, then ANOVAs.
    EXPECT_LT(report.find("Control Analysis - Set 2"), report.find("Correlation - Set 1"));
    EXPECT_LT(report.find("Correlation - Set 2"), report.find("Oneway ANOVA - Set 1"));
}

TEST_F(ChartReportTest, ARunOfTenIsOnePattern) {
    Define(ChartX, ChartMovingRange, CalcAverageMR, CalcNone, CenterAverageLoc, 0);
    chart_.TestSettings.StdTestEnabled = {false, false, true,  false, false,
                                          false, false, false, false, false};
    points_.Individuals({0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    chart_.Definition.UseKnownMean = true;
    chart_.Definition.KnownMean = 0.5;
    Compute();
    ASSERT_EQ(CodesOfPoint(chart_.Codes, LocationChart, 10), "R");
    ASSERT_EQ(CodesOfPoint(chart_.Codes, LocationChart, 12), "R");
    EXPECT_EQ(Lines("\tX Chart Analysis", 3),
              (std::vector<std::string>{"\tX Chart Analysis",
                                        "\t   1 Found: Run of 8 or More Above/Below the Centerline",
                                        "\tMoving Range Chart Analysis"}));
    EXPECT_EQ(Lines("\tMoving Range Chart Analysis", 2).back(), "\tNo Control Tests Performed");
}

TEST_F(ChartReportTest, LimitNamesTakeTheChartTypes) {
    Define(ChartMedian, ChartRange, CalcStdDevOfMedians, CalcAverageMROfDisp, CenterMedianLoc,
           CenterMedianDisp);
    points_.Subgroups(FiveEach);
    Compute();
    chart_.Definition.StdErrMultiplier = 2.5;
    EXPECT_EQ(Lines("Limit Calculations", 9),
              (std::vector<std::string>{
                  "Limit Calculations", "\tMedian Chart", "\t    Limits: Std Dev of Medians",
                  "\tCenterline: Median of Medians", "\tRange Chart",
                  "\t    Limits: Average MR of Range", "\tCenterline: Median Range",
                  "\tσ Estimate Using: Std Dev of Medians", "\t2.5 Standard Errors Used"}));

    chart_.Definition.DispChartType = ChartNone;
    chart_.Definition.LocLimitCalc = CalcNone;
    chart_.Definition.LocCenterline = 0;
    Compute();
    EXPECT_EQ(
        Lines("Limit Calculations", 7),
        (std::vector<std::string>{"Limit Calculations", "\tMedian Chart", "\t    Limits: None",
                                  "\tCenterline: None", "\tσ Estimate Using: None",
                                  "\t2.5 Standard Errors Used", "Control Analysis"}));
    EXPECT_EQ(Report().rfind("Median Chart: ", 0), 0u);
}

TEST_F(ChartReportTest, CorrelationNeedsBothChartsAndVariation) {
    Define(ChartMean, ChartRange, CalcAverageRange, CalcAverageRange, CenterAverageLoc,
           CenterAverageDisp);
    points_.Subgroups({{1, 3}, {2, 4}, {5, 7}});  // every range is 2
    Compute();
    EXPECT_EQ(Lines("Mean/Range Correlation", 2).back(), "\tCorrelation Cannot be Calculated!");
    source_.BothChartsShown = false;
    EXPECT_TRUE(Lines("Mean/Range Correlation", 1).empty());
}

TEST_F(ChartReportTest, ChartGroupLayoutsNameTheRun) {
    Define(ChartX, ChartNone, CalcAverageMR, CalcNone, CenterAverageLoc, 0);
    chart_.Definition.LayoutType = 8;
    points_.Individuals({1, 2, 3});
    Compute();
    source_.ColumnTitle = "Weight";
    source_.RunName = "Line A";
    Report();
    EXPECT_EQ(chart_.ReportTitle, "X Chart: Weight (Line A)");
}

TEST(ChartReportData, TheColumnAndLabelsComeFromTheTable) {
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    ws.table.SetMaxCol(2);
    ws.table.SetColumnName(1, "Weight");
    ws.table.SetColumnName(2, "Shift");
    ws.table.DescGrid.SetCell(1, DescTitleRow, "Fill weight");
    ws.table.DescGrid.SetCell(1, DescUSLRow, "10.5");
    ws.table.DescGrid.SetCell(1, DescLSLRow, "9.5");
    ws.table.DataFilename = "/data/fill.dat";
    ws.chart.Definition.LabelColumn = 2;

    ChartReportSource source;
    DescribeChartData(ws.data, ws.chart.Definition, 1, source);
    EXPECT_EQ(source.ColumnTitle, "Fill weight");
    EXPECT_EQ(source.DataFileName, "/data/fill.dat");
    EXPECT_EQ(source.USL, 10.5);
    EXPECT_EQ(source.Target, Missing);
    EXPECT_EQ(source.LSL, 9.5);
    EXPECT_EQ(source.BottomAxisTitle, "Shift");
    ws.chart.Definition.LabelColumn = 0;
    DescribeChartData(ws.data, ws.chart.Definition, 1, source);
    EXPECT_EQ(source.BottomAxisTitle, "Point");

    // The workspace's writer, chart and error code are all a report needs.
    ws.chart.Definition.LocChartType = ChartX;
    testing::ChartPoints(ws.chart).Individuals({1, 2, 4});
    WriteChartReport(ws.report, ws.chart, ws.stat, source);
    EXPECT_EQ(ws.chart.ReportTitle, "X Chart: Fill weight");
    EXPECT_TRUE(ws.chart.SpecsUsable);
    EXPECT_TRUE(ws.report.output.IsEmpty());
}

TEST(CountTestSignals, PatternsCountOnceAndOnlyAfterTheirSymbol) {
    ControlCodes codes;
    codes.Codes[LocationChart] = {"", "¶", "¶", "R", "R", "OR", "", "R", "¶", "O", "R", "M"};
    const TestSignalCounts counts =
        CountTestSignals(codes, LocationChart, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_TRUE(counts.AnyCode);
    EXPECT_EQ(counts.Count[1], 2);
    EXPECT_EQ(counts.Count[2], 3);  // the patterns ending at points 5, 7 and 10
    EXPECT_EQ(counts.Count[9], 1);

    // An "R" before any "¶" of its set is not counted.
    const TestSignalCounts early = CountTestSignals(codes, LocationChart, {3, 4, 5});
    EXPECT_EQ(early.Count[2], 0);
    EXPECT_EQ(early.Count[1], 1);
    EXPECT_FALSE(CountTestSignals(codes, LocationChart, {6}).AnyCode);
    EXPECT_FALSE(CountTestSignals(codes, DispersionChart, {1, 2}).AnyCode);
}

TEST(SubgroupAnova, VarianceComponents) {
    ChartState chart;
    testing::ChartPoints points(chart);
    chart.Definition.LocChartType = ChartMean;
    points.Subgroups({{1, 2, 3}, {4, 6}, {5, 5, 8, 6}});
    StatContext stat;
    const AnovaResult a = SubgroupAnova(stat, chart.Points, {1, 2, 3});
    // Means 2, 5, 6 with sizes 3, 2, 4: grand mean 40 / 9.
    const double grand = 40.0 / 9.0;
    const double ssb = 3 * (2 - grand) * (2 - grand) + 2 * (5 - grand) * (5 - grand) +
                       4 * (6 - grand) * (6 - grand);
    const double ssw = 2.0 + 2.0 + 6.0;
    EXPECT_EQ(a.Error, 0);
    EXPECT_EQ(a.dfB, 2);
    EXPECT_EQ(a.dfW, 6);
    EXPECT_NEAR(a.SSB, ssb, 1e-12);
    EXPECT_NEAR(a.SSW, ssw, 1e-12);
    EXPECT_NEAR(a.F, (ssb / 2) / (ssw / 6), 1e-12);
    const double ne = (9.0 - 29.0 / 9.0) / 2.0;
    EXPECT_NEAR(a.ne, ne, 1e-12);
    EXPECT_NEAR(a.VarBetween, (ssb / 2 - ssw / 6) / ne, 1e-12);
    EXPECT_NEAR(a.ICC, a.VarBetween / (a.VarBetween + ssw / 6), 1e-12);
    EXPECT_GT(a.p, 0.0L);
    EXPECT_LT(a.p, 0.1L);

    // Means closer than the within variation allows: no negative variance.
    points.Start();
    points.Subgroups({{1, 9}, {2, 8}});
    const AnovaResult flat = SubgroupAnova(stat, chart.Points, {1, 2});
    EXPECT_EQ(flat.VarBetween, 0);
    EXPECT_EQ(flat.ICC, 0);
    EXPECT_NEAR(flat.VarTotal, flat.MSW, 1e-12);
}

}  // namespace
}  // namespace vostrel
