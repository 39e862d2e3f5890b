// The Action: limit checks, the run description, per-row statistics, analysis sets,
// clearing, and the variable and stream sections' rules.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "analysis_fixture.h"
#include "engine/data/transform.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class DriverTest : public AnalysisTest {};

TEST_F(DriverTest, InconsistentLimitsStopTheActionBeforeAnythingIsWritten) {
    Column({"1", "2", "3"});
    Measures({1});
    Limits(1, "5", "", "5");
    EXPECT_EQ(Run(), ActionResult::InvalidLimits);
    EXPECT_THAT(ui.errors, ElementsAre("USL <= LSL"));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(ws.report.output.IsEmpty());

    Limits(1, "5", "3.5", "4");
    EXPECT_EQ(Run(), ActionResult::InvalidLimits);
    Limits(1, "5", "6", "");
    EXPECT_EQ(Run(), ActionResult::InvalidLimits);
    EXPECT_THAT(ui.errors, ElementsAre("USL <= LSL", "Target not in Spec. Range",
                                       "Target not in Spec. Range"));

    // A target on a limit, or without limits, is accepted.
    for (const auto& [usl, target, lsl] :
         {std::tuple{"5", "5", "1"}, std::tuple{"5", "1", "1"}, std::tuple{"", "9", ""}}) {
        Limits(1, usl, target, lsl);
        EXPECT_EQ(Run(), ActionResult::Completed) << usl << " " << target << " " << lsl;
    }
    EXPECT_EQ(ui.errors.size(), 3u);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(DriverTest, NoDataOrNoMeasureDoesNothing) {
    EXPECT_EQ(Run(), ActionResult::NoData);
    Column({"1", "2"});
    EXPECT_EQ(Run(), ActionResult::NoData);
    EXPECT_TRUE(ws.report.output.IsEmpty());
    EXPECT_TRUE(ui.errors.empty());
}

struct RunCase {
    int streams;
    MultipleMeasures choice;
    int measures;
    int code;
    const char* measureName;
    const char* groupName;
};

class RunCodeTest : public AnalysisTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunCodeTest, TheLayoutFollowsTheStreamsAndTheChoice) {
    const RunCase& c = GetParam();
    Table({"A", "B", "G1", "G2"},
          {{"1", "2", "1", "1"}, {"3", "5", "2", "1"}, {"4", "4", "3", "2"}});
    Measures(c.measures == 1 ? std::vector<int>{1} : std::vector<int>{1, 2});
    if (c.streams >= 1) Streams(c.streams == 1 ? std::vector<int>{3} : std::vector<int>{3, 4});
    ws.analysis.Settings.Multiple = c.choice;
    PrepareRun(ws);
    const TRunInfo& run = ws.analysis.RunInfo;
    EXPECT_EQ(run.ColRefRun, c.code);
    EXPECT_EQ(run.MeasureName, c.measureName);
    EXPECT_EQ(run.GroupName, c.groupName);
    EXPECT_TRUE(ws.data.IncludeCol[1]);
    EXPECT_EQ(ws.data.IncludeCol[2], c.measures == 2);
    EXPECT_FALSE(ws.data.IncludeCol[3]);
    EXPECT_TRUE(ws.data.IncludeCol[5] && ws.data.IncludeCol[6] && ws.data.IncludeCol[7]);
    if (c.streams == 1) {
        EXPECT_EQ(run.index, 3);
        EXPECT_EQ(run.Afirst, 1);
        EXPECT_EQ(run.Alast, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RunCodeTest,
    ::testing::Values(
        RunCase{0, MultipleMeasures::SampleItems, 1, 1, "A", "(One Group)"},
        RunCase{0, MultipleMeasures::RepeatedMeasures, 1, 1, "A", "(One Group)"},
        RunCase{0, MultipleMeasures::MultipleStreams, 2, 1, "Measure", "Variable"},
        RunCase{0, MultipleMeasures::SampleItems, 2, 5, "A, B", "(One Group)"},
        RunCase{0, MultipleMeasures::RepeatedMeasures, 2, 8, "Avg(A, B)", "(One Group)"},
        RunCase{1, MultipleMeasures::SampleItems, 1, 2, "A", "G1"},
        RunCase{1, MultipleMeasures::SampleItems, 2, 6, "A, B", "G1"},
        RunCase{1, MultipleMeasures::RepeatedMeasures, 2, 9, "Avg(A, B)", "G1"},
        RunCase{2, MultipleMeasures::SampleItems, 1, 3, "A", "G1, G2"},
        RunCase{2, MultipleMeasures::SampleItems, 2, 7, "A, B", "G1, G2"},
        RunCase{2, MultipleMeasures::RepeatedMeasures, 2, 10, "Avg(A, B)", "G1, G2"}));

TEST_F(DriverTest, RowStatisticsOfEveryRowThatPassesTheRules) {
    Table({"A", "B", "C", "Keep"}, {{"2", "4", "6", "1"},
                                    {"5", "", "", "1"},
                                    {"", "", "", "1"},
                                    {"1", "3", "", "1"},
                                    {"9", "9", "9", "0"}});
    Measures({1, 2, 3});
    ws.rules.SetProcessIfRule(1, 4, 1, "Keep", 1, "1");
    const int mean = ws.data.MaxCol() + 1;
    ws.data.Value(mean, 5) = 123;  // a row left out keeps what it had
    PrepareRun(ws);
    auto row = [&](int j) {
        return std::vector<double>{ws.data.Value(mean, j), ws.data.Value(mean + 1, j),
                                   ws.data.Value(mean + 2, j)};
    };
    EXPECT_EQ(row(1), (std::vector<double>{4, 2, 3}));
    EXPECT_EQ(row(2), (std::vector<double>{5, MissingValue, 1}));
    EXPECT_EQ(row(3), (std::vector<double>{MissingValue, MissingValue, 0}));
    EXPECT_NEAR(ws.data.Value(mean + 1, 4), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(ws.data.Value(mean, 5), 123);
    // Pooled: (2 x 4 + 1 x 2) / (2 + 1).
    EXPECT_NEAR(ws.analysis.Results.RepeatedVariance, 10.0 / 3.0, 1e-14);
}

TEST_F(DriverTest, RowStatisticsIgnoreTheSetOfAnEarlierRun) {
    Table({"Set", "A", "B"}, {{"1", "1", "3"}, {"2", "5", "7"}, {"1", "2", "4"}, {"2", "6", "8"}});
    Measures({2, 3});
    ws.analysis.Settings.ToggleSetColumn(0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    ASSERT_EQ(ws.data.SetIndex, 2);
    // A change in a row of the first set shows in the next run.
    ws.table.DataGrid.SetCell(2, 1, "11");
    ws.data.UpdateData();
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_EQ(ws.data.Value(ws.data.MaxCol() + 1, 1), 7);
}

TEST_F(DriverTest, AFailingTransformIsSwitchedOffBeforeTheRowsAreUsed) {
    Table({"A", "B"}, {{"4", "6"}, {"-1", "3"}, {"2", "2"}});
    Measures({1, 2});
    SetTransform(ws.transform, 5, "1", "0", "1", 1, 0, 1);  // LN(X)
    PrepareRun(ws);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_THAT(ui.errors[0], HasSubstr("Transform Error - Turning Off Transform!"));
    EXPECT_FALSE(ws.transform.On());
    EXPECT_EQ(ws.data.Value(ws.data.MaxCol() + 1, 1), 5);
    EXPECT_EQ(ws.data.Value(ws.data.MaxCol() + 1, 2), 1);
}

TEST_F(DriverTest, SingleMeasureUsesTheMedianMovingRange) {
    Column({"5", "7", "4", "8"});
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(),
                HasSubstr("\tn = 4\n\tStd Dev = 1.8257\n\tStd Dev from Median MR = 3.1447\n"));
    EXPECT_THAT(
        Report(),
        HasSubstr(
            "\tWarning: Estimated Potential Std Dev > Total\n\t*** Using Std Dev as Potential\n"));
    EXPECT_EQ(ws.analysis.Results.PotentialStdDev, ws.analysis.Results.TotalStdDev);
}

TEST_F(DriverTest, SampleItemsScaleTheMedianSubgroupStdDev) {
    // Row standard deviations 1, 2, 3 (median 2); the last row has one value only.
    Table({"A", "B", "C"}, {{"1", "2", "3"}, {"2", "4", "6"}, {"3", "6", "9"}, {"7", "", ""}});
    Measures({1, 2, 3});
    ASSERT_EQ(Run(), ActionResult::Completed);
    const double factor = std::sqrt(2 / (2 * std::log(2.0)));
    EXPECT_NEAR(ws.analysis.Results.WithinStdDev, ws.analysis.Results.TotalStdDev, 0);
    EXPECT_THAT(
        Report(),
        HasSubstr("\t           Number of Groups = 3\n\t            Number of Items = 10\n"));
    EXPECT_NEAR(ws.analysis.Results.PotentialStdDev, 2 * factor, 1e-12);
    EXPECT_THAT(Report(), HasSubstr("\tStd Dev from Median Std Dev = 2.4022\n"));
}

TEST_F(DriverTest, AUserSetStreamValueAboveTheTotalStaysZeroUntilTheDialogSetsIt) {
    Column({"10", "10.5", "12", "13", "14"});
    Measures({1});
    ws.analysis.Settings.Stream.Set("5", 5);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\tUser-set Between Stream Std Dev = 5.0000\n"
                                    "\tWarning: User-Set Between Stream Std Dev > Total\n"
                                    "\t*** Setting Stream Standard Deviation to Zero\n"));
    EXPECT_EQ(ws.analysis.Settings.Stream.Value, 0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\t     Stream = 5\n"));
    EXPECT_THAT(Report(), HasSubstr("\tUser-set Between Stream Std Dev = 0.0000\n\n"));
    EXPECT_THAT(Report(), Not(HasSubstr("Warning")));
}

TEST_F(DriverTest, EverySetGetsItsReportAndOnlyTheFirstClears) {
    Table({"Batch", "Y"},
          {{"1", "1"}, {"2", "2"}, {"5", "4"}, {"1", "3"}, {"2", "5"}, {"5", "9"}, {"2", "6"}});
    Measures({2});
    ws.analysis.Settings.ToggleSetColumn(0);
    ws.report.AddReportLine("old report");
    ws.report.AddReportLine("old report");
    ASSERT_EQ(Run(), ActionResult::Completed);
    const std::vector<std::string> p = Paragraphs();
    EXPECT_EQ(p.front(), "PROCESS PERFORMANCE ANALYSIS");
    EXPECT_EQ(Count("old report"), 0);
    EXPECT_EQ(Count("Batch=1") + Count("Batch=2") + Count("Batch=5"), 3);
    EXPECT_EQ(Count("PROCESS PERFORMANCE ANALYSIS"), 3);
    // Two sections per report start with a page marker, and so do the later reports.
    EXPECT_EQ(Count(kPageMarker), 3 * 2 + 2);
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i] == "PROCESS PERFORMANCE ANALYSIS") {
            EXPECT_EQ(p[i - 1], kPageMarker);
        }
    // Number of Items counts the rows of the current set only.
    EXPECT_THAT(Report(), HasSubstr("Batch=2\n"));
    EXPECT_EQ(charts.Calls.size(), 3u);

    // Without clearing, the next run follows the old one after a page marker.
    ws.analysis.OutputClear = false;
    ws.analysis.Settings.ToggleSetColumn(-1);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_EQ(Count("PROCESS PERFORMANCE ANALYSIS"), 4);
    EXPECT_EQ(Count(kPageMarker), 3 * 2 + 2 + 1 + 2);
}

TEST_F(DriverTest, ItemsOfASetCountOnlyItsRows) {
    Table({"Set", "A", "B"},
          {{"1", "1", "2"}, {"1", "3", ""}, {"2", "5", "6"}, {"2", "7", "9"}, {"2", "1", "1"}});
    Measures({2, 3});
    ws.analysis.Settings.ToggleSetColumn(0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("Set=1\n"));
    EXPECT_THAT(
        Report(),
        HasSubstr("\t           Number of Groups = 1\n\t            Number of Items = 3\n"));
    EXPECT_THAT(
        Report(),
        HasSubstr("\t           Number of Groups = 3\n\t            Number of Items = 6\n"));
}

TEST_F(DriverTest, EveryDistinctSetValueIsASet) {
    // Fractional values are sets of their own (they selected no row when the rows were
    // rounded and the set values not); blank cells form the first set.
    Table({"Set", "Y"}, {{"1.5", "5"}, {"2.5", "6"}, {"", "7"}, {"1.5", "8"}});
    Limits(2, "10", "", "0");
    Measures({2});
    ws.analysis.Settings.ToggleSetColumn(0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("Set=(Missing)\n"));
    EXPECT_THAT(Report(), HasSubstr("Set=1.5\n"));
    EXPECT_THAT(Report(), HasSubstr("Set=2.5\n"));
    EXPECT_EQ(Count("\t       n = 1"), 2);  // the blank set and set 2.5
    EXPECT_EQ(Count("\t       n = 2"), 1);
}

TEST_F(DriverTest, NoValuesGiveNoStatistics) {
    // Every value is missing under the rule: no variance about the target of 501 squared.
    Table({"X"}, {{"500"}, {"502"}, {"501"}});
    Limits(1, "510", "501", "490");
    Measures({1});
    ws.rules.SetMissingRule(1, 2, "0", 0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\tMissing When: X > 0\n"));
    EXPECT_THAT(Report(), HasSubstr("Descriptives\n\n\t       n = 0\n\tNo Values Found - Every "
                                    "Value is Missing or Left Out!\n"));
    for (const char* absent : {"Variable Analysis", "Mean =", "Variance Components", "Performance",
                               "%Off-Target", "Ppk"})
        EXPECT_THAT(Report(), Not(HasSubstr(absent))) << absent;
    EXPECT_TRUE(charts.Lines().empty());
}

TEST_F(DriverTest, ASetWithoutValuesIsReportedBesideTheOthers) {
    Table({"S", "X"}, {{"1", "5"}, {"2", ""}, {"1", "7"}});
    Measures({2});
    ws.analysis.Settings.ToggleSetColumn(0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_EQ(Count("\tNo Values Found - Every Value is Missing or Left Out!"), 1);
    EXPECT_EQ(Count("\t       n = 2"), 1);
    EXPECT_EQ(Count("Variance Components"), 1);
}

TEST_F(DriverTest, TextSetColumnsAreHeadedByTheirLevels) {
    Table({"Shift", "Y"}, {{"Day", "5"}, {"Night", "6"}, {"Day", "7"}, {"Night", "9"}});
    Measures({2});
    ws.analysis.Settings.ToggleSetColumn(0);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("Shift=Day\n"));
    EXPECT_THAT(Report(), HasSubstr("Shift=Night\n"));
    EXPECT_THAT(Report(), Not(HasSubstr("Shift=1")));
}

TEST_F(DriverTest, SkewnessOfTwoValuesIsNotAvailable) {
    Column({"1", "3"});
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\tSkewness = 999.000\n\tKurtosis = 999.000\n"));
}

TEST_F(DriverTest, HeaderGroupLines) {
    std::vector<std::vector<std::string>> rows;
    for (int code = 1; code <= 12; ++code)
        rows.push_back({std::to_string(code), std::to_string(code % 3), "1"});
    Table({"Code", "MachineNumber", "Y"}, rows);
    Measures({3});
    Streams({1, 2});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(),
                HasSubstr("\t  Groups:\n\t\tCode        1 to 12\n\t\tMachineNumber0 to 2\n"));
}

TEST_F(DriverTest, StreamsPoolTheirSpreadAndRecordTheirMeans) {
    Table({"S", "Y"}, {{"1", "1"}, {"1", "2"}, {"1", "3"}, {"2", "11"}, {"2", "12"}, {"2", "13"}});
    Measures({2});
    Streams({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    const PerformanceResults& r = ws.analysis.Results;
    EXPECT_EQ(r.WithinStdDev, 1);
    EXPECT_EQ(r.MinStreamMean, 2);
    EXPECT_EQ(r.MaxStreamMean, 12);
    EXPECT_EQ(r.SSWithin, 4);
    EXPECT_THAT(Report(),
                HasSubstr("Group  n     Mean      Low     High   Range     Std  Std(MMR)\n"
                          "    1  3   2.0000   1.0000   3.0000  2.0000  1.0000   1.0482\n"
                          "    2  3  12.0000  11.0000  13.0000  2.0000  1.0000   1.0482\n\n"));
}

TEST_F(DriverTest, StreamColumnsWidenForLongLabelsAndLargeNumbers) {
    Table({"Line", "Y"},
          {{"Alpha-long", "1234.5"}, {"Alpha-long", "1234.6"}, {"B", "1.5"}, {"B", "2.5"}});
    Measures({2});
    Streams({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    // "1,234.6000" is 10 characters: mean, low and high are 12 wide.
    EXPECT_THAT(
        Report(),
        HasSubstr("     Group  n        Mean         Low        High   Range     Std  Std(MMR)\n"
                  "Alpha-long  2  1,234.5500  1,234.5000  1,234.6000  0.1000  0.0707   0.1048\n"
                  "         B  2      2.0000      1.5000      2.5000  1.0000  0.7071   1.0482\n"));
}

TEST_F(DriverTest, StreamColumnsWidenWhereAValueOutgrowsItsColumn) {
    // Std(MMR) may exceed the widest range: 999.99 / 0.954 gains a digit and a separator.
    Table({"G", "X"}, {{"1", "0"}, {"1", "999.99"}, {"2", "5"}, {"2", "6"}});
    Measures({2});
    Streams({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(
        Report(),
        HasSubstr("Group  n      Mean       Low      High     Range       Std    Std(MMR)\n"
                  "    1  2  499.9950    0.0000  999.9900  999.9900  707.0997 1,048.2075\n"
                  "    2  2    5.5000    5.0000    6.0000    1.0000    0.7071     1.0482\n"));
}

TEST_F(DriverTest, StreamCodesBeyondTheRangeOfUnitNumbersAreStreams) {
    // Lot numbers of 2,147,483,647 and more made the stream walk overflow and loop.
    Table({"G", "X"}, {{"1", "5"}, {"3000000000", "6"}, {"-3000000000", "7"}, {"1", "6"}});
    Measures({2});
    Streams({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(),
                HasSubstr("      Group  n    Mean     Low    High   Range     Std  Std(MMR)\n"
                          "-3000000000  1  7.0000  7.0000  7.0000  0.0000  0.0000   0.0000\n"
                          "          1  2  5.5000  5.0000  6.0000  1.0000  0.7071   1.0482\n"
                          " 3000000000  1  6.0000  6.0000  6.0000  0.0000  0.0000   0.0000\n\n"));
    EXPECT_EQ(ws.analysis.Results.MaxStreamMean, 7);
    EXPECT_EQ(ws.analysis.Results.MinStreamMean, 5.5);
}

TEST_F(DriverTest, RunsOfLargeCodesStayApart) {
    // Rounded to 32-bit unit numbers, 3e9 and 4e9 were one run.
    Table({"Lot", "Head", "X"},
          {{"3000000000", "1", "1"}, {"4000000000", "1", "2"}, {"3000000000", "1", "3"}});
    Measures({3});
    Streams({1, 2});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("3000000000, 1  2"));
    EXPECT_THAT(Report(), HasSubstr("4000000000, 1  1"));
}

TEST_F(DriverTest, GraphsGetACopyOfThePreparedRun) {
    Table({"A", "B"}, {{"1", "2"}, {"3", "5"}});
    EXPECT_FALSE(PrepareGraphRun(ws, false));
    Measures({1, 2});
    Limits(1, "1", "", "2");
    EXPECT_FALSE(PrepareGraphRun(ws, true));
    EXPECT_THAT(ui.errors, ElementsAre("USL <= LSL"));
    ASSERT_TRUE(PrepareGraphRun(ws, false));
    EXPECT_EQ(ws.analysis.GraphRunInfo.ColRefRun, 5);
    EXPECT_EQ(ws.analysis.GraphRunInfo.MeasureName, "A, B");
    EXPECT_TRUE(ws.report.output.IsEmpty());
}

// A user interface that presses Action again while the report is being written.
class ImpatientUserInterface : public ScriptedUserInterface {
  public:
    Workspace* ws = nullptr;
    std::vector<ActionResult> nested;
    void ProcessPendingMessages() override {
        if (ws != nullptr) nested.push_back(RunPerformanceAnalysis(*ws));
    }
};

TEST(ActionReentry, ASecondActionDuringARunIsRefused) {
    ImpatientUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    FillTable(ws, {"X"}, {{"1"}, {"2"}, {"4"}});
    ws.analysis.Settings.RebuildVariableLists(ws.data, true);
    ws.analysis.Settings.IncludeMeasures({0});
    ui.ws = &ws;
    EXPECT_EQ(RunPerformanceAnalysis(ws), ActionResult::Completed);
    EXPECT_EQ(ui.nested, std::vector<ActionResult>(3, ActionResult::Busy));
    EXPECT_FALSE(ws.analysis.Running);
    EXPECT_TRUE(ws.analysis.HaveResults);
}

}  // namespace
}  // namespace vostrel::testing
