// The statistics of the samples of a dependent variable, written into a new column.

#include "engine/derived/compute_variables.h"

#include <cmath>
#include <numeric>

#include <gmock/gmock.h>

#include "derived_fixture.h"
#include "engine/derived/derived_statistics.h"
#include "engine/data/transform.h"
#include "engine/report/report_export.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ComputeVariablesTest : public testing::DerivedTest {
  protected:
    // Group G (1 or 2) and measure X: samples {3, 5, 7} and {10, 20, 40, 50}.
    void FillTwoSamples() {
        Fill({"G", "X"}, {{"1", "3"},
                          {"2", "10"},
                          {"1", "5"},
                          {"2", "20"},
                          {"1", "7"},
                          {"2", "40"},
                          {"2", "50"}});
    }
    DeriveResult Compute(int code, std::vector<int> by = {}, const std::string& name = "") {
        SampleVariableRequest request;
        request.Statistic = code;
        request.Dependent = ColumnOf("X");
        request.Independent = std::move(by);
        request.NewName = name;
        request.Seed = 7;
        return ComputeSampleVariable(ws, run, request, &log);
    }
    TRunInfo run;
    ReportDocument log;
};

TEST_F(ComputeVariablesTest, AbsoluteDeviationsFromTheMedianWithAndWithoutTheMidpoint) {
    Fill({"X"}, {{"3"}, {"5"}, {"7"}});
    ASSERT_EQ(Compute(AbsDevFromMedianWithoutMidpoint), DeriveResult::Added);
    EXPECT_THAT(Cells("X_ADM"), ElementsAre("2", "", "2"));
    ASSERT_EQ(Compute(AbsDevFromMedian, {}, "all"), DeriveResult::Added);
    EXPECT_THAT(Cells("all"), ElementsAre("2", "0", "2"));
}

TEST_F(ComputeVariablesTest, OnlyTheFirstRowHoldingTheMiddleValueIsLeftOut) {
    // Sorted 4, 4, 4, 9: the lower middle x[2] = 4, the median 4.
    Fill({"X"}, {{"4"}, {"9"}, {"4"}, {"4"}});
    ASSERT_EQ(Compute(AbsDevFromMedianWithoutMidpoint), DeriveResult::Added);
    EXPECT_THAT(Cells("X_ADM"), ElementsAre("", "5", "0", "0"));
}

TEST_F(ComputeVariablesTest, DeviationsFromTheSampleCentreOfEachGroup) {
    FillTwoSamples();
    const std::vector<int> byG = {ColumnOf("G")};
    ASSERT_EQ(Compute(AbsDevFromMean, byG), DeriveResult::Added);
    ASSERT_EQ(Compute(DeviationsFromMedian, byG), DeriveResult::Added);
    ASSERT_EQ(Compute(DeviationsFromMean, byG), DeriveResult::Added);
    // Means 5 and 30; medians 5 and 30.
    EXPECT_THAT(Cells("X_ADA"), ElementsAre("2", "20", "0", "10", "2", "10", "20"));
    EXPECT_THAT(Cells("X_DMD"), ElementsAre("-2", "-20", "0", "-10", "2", "10", "20"));
    EXPECT_THAT(Cells("X_DMN"), ElementsAre("-2", "-20", "0", "-10", "2", "10", "20"));
}

TEST_F(ComputeVariablesTest, SampleStatisticsGoIntoEachSamplesFirstRow) {
    FillTwoSamples();
    const std::vector<int> byG = {ColumnOf("G")};
    for (int code : {SampleMean, SampleMedian, SampleStdDev, SampleVariance, SampleLow, SampleHigh,
                     SampleRange, SampleSum, SampleCountOfValues})
        ASSERT_EQ(Compute(code, byG), DeriveResult::Added) << code;

    // Sample 2: 10, 20, 40, 50; squares about the mean 30: 400 + 100 + 100 + 400.
    const double variance2 = 1000.0 / 3;
    EXPECT_THAT(Cells("X_AVG"), ElementsAre("5", "30", "", "", "", "", ""));
    EXPECT_THAT(Cells("X_MED"), ElementsAre("5", "30", "", "", "", "", ""));
    EXPECT_DOUBLE_EQ(Number("X_STD", 1), 2.0);
    EXPECT_NEAR(Number("X_STD", 2), std::sqrt(variance2), 1e-12);
    EXPECT_DOUBLE_EQ(Number("X_VAR", 1), 4.0);
    EXPECT_NEAR(Number("X_VAR", 2), variance2, 1e-12);
    EXPECT_THAT(Cells("X_Low"), ElementsAre("3", "10", "", "", "", "", ""));
    EXPECT_THAT(Cells("X_High"), ElementsAre("7", "50", "", "", "", "", ""));
    EXPECT_THAT(Cells("X_R"), ElementsAre("4", "40", "", "", "", "", ""));
    EXPECT_THAT(Cells("X_Sum"), ElementsAre("15", "120", "", "", "", "", ""));
    EXPECT_THAT(Cells("X_n"), ElementsAre("3", "4", "", "", "", "", ""));
    EXPECT_TRUE(std::isnan(Number("X_STD", 3)));
}

TEST_F(ComputeVariablesTest, StatisticsThatNeedTwoValuesSkipSingleValueSamples) {
    Fill({"G", "X"}, {{"1", "4"}, {"2", "6"}, {"2", "9"}});
    const std::vector<int> byG = {ColumnOf("G")};
    ASSERT_EQ(Compute(SampleStdDev, byG), DeriveResult::Added);
    ASSERT_EQ(Compute(SampleRange, byG), DeriveResult::Added);
    ASSERT_EQ(Compute(SampleMean, byG), DeriveResult::Added);
    EXPECT_TRUE(std::isnan(Number("X_STD", 1)));
    EXPECT_NEAR(Number("X_STD", 2), std::sqrt(4.5), 1e-15);
    EXPECT_THAT(Cells("X_R"), ElementsAre("", "3", ""));
    EXPECT_THAT(Cells("X_AVG"), ElementsAre("4", "7.5", ""));
}

TEST_F(ComputeVariablesTest, CountGoesIntoTheFirstRowEvenWhenItsValueIsMissing) {
    Fill({"G", "X"}, {{"1", ""}, {"1", "2"}, {"1", "3"}});
    ASSERT_EQ(Compute(SampleCountOfValues, {ColumnOf("G")}), DeriveResult::Added);
    EXPECT_THAT(Cells("X_n"), ElementsAre("2", "", ""));
}

TEST_F(ComputeVariablesTest, ModeAndRanksWithTies) {
    Fill({"X"}, {{"3"}, {"1"}, {"3"}, {"2"}, {"1"}, {""}});
    ASSERT_EQ(Compute(SampleMode), DeriveResult::Added);
    ASSERT_EQ(Compute(SampleRanks), DeriveResult::Added);
    // Sorted 1, 1, 2, 3, 3: the two 1s share (1 + 2) / 2, the two 3s (4 + 5) / 2.
    EXPECT_THAT(Cells("X_Rank"), ElementsAre("4.5", "1.5", "4.5", "3", "1.5", ""));
    EXPECT_THAT(Cells("X_Mode"), ElementsAre("1", "", "", "", "", ""));
}

TEST_F(ComputeVariablesTest, TwoIndependentVariablesFormASampleOfEachCombination) {
    Fill({"A", "B", "X"},
         {{"1", "1", "2"}, {"1", "2", "8"}, {"2", "1", "5"}, {"1", "1", "4"}, {"1", "2", "10"}});
    ASSERT_EQ(Compute(SampleMean, {ColumnOf("B"), ColumnOf("A")}), DeriveResult::Added);
    EXPECT_THAT(Cells("X_AVG"), ElementsAre("3", "9", "5", "", ""));
    EXPECT_EQ(ReportToPlainText(log, LineEnd::Lf),
              "X_AVG added to Data Editor\n\t* Mean\n\t* X by A, B\n\n");
}

TEST_F(ComputeVariablesTest, ProcessIfAndMissingRulesDecideTheSamples) {
    Fill({"Use", "X"}, {{"0", "100"}, {"1", "2"}, {"1", "99"}, {"1", "6"}});
    ws.rules.SetProcessIfRule(1, 1, 1, "Use", 1);
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ASSERT_EQ(Compute(SampleMean), DeriveResult::Added);
    ASSERT_EQ(Compute(DeviationsFromMean), DeriveResult::Added);
    EXPECT_THAT(Cells("X_AVG"), ElementsAre("", "4", "", ""));
    EXPECT_THAT(Cells("X_DMN"), ElementsAre("", "-2", "", "2"));
}

TEST_F(ComputeVariablesTest, ValuesAreTransformedButTheGridIsNot) {
    Fill({"X"}, {{"1"}, {"2"}, {"6"}});
    AcceptTransformDialog(ws.transform, 1, "10", "0", "1", false);
    ASSERT_EQ(Compute(DeviationsFromMean), DeriveResult::Added);
    EXPECT_THAT(Cells("X_DMN"), ElementsAre("-20", "-10", "30"));
    EXPECT_THAT(Cells("X"), ElementsAre("1", "2", "6"));
}

TEST_F(ComputeVariablesTest, TheTableIsMarkedModifiedAndReDerived) {
    Fill({"X"}, {{"1"}, {"3"}});
    const int generation = ws.table.DataGeneration;
    ASSERT_EQ(Compute(SampleMean, {}, "my mean"), DeriveResult::Added);
    EXPECT_EQ(ws.table.ColumnName(2), "my_mean");
    EXPECT_EQ(ws.table.DescGrid.CellString(2, 0), "my_mean");
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_EQ(ws.table.DataGeneration, generation + 1);
    EXPECT_FALSE(ws.data.DataChanged);
    EXPECT_EQ(ws.data.Value(2, 1), 2.0);
}

TEST_F(ComputeVariablesTest, NoColumnBeyondTheLimit) {
    Fill({"X"}, {{"1"}, {"3"}});
    ws.table.SetMaxCol(MaxColumns);
    ws.data.UpdateData();
    EXPECT_EQ(Compute(SampleMean), DeriveResult::Refused);
    EXPECT_THAT(ui.errors, ElementsAre("Maximum Number of Columns Exceeded."));
    EXPECT_EQ(ws.table.MaxCol(), MaxColumns);
    EXPECT_TRUE(log.IsEmpty());
}

// --- Bartlett-Kendall ---------------------------------------------------------------

TEST_F(ComputeVariablesTest, BartlettKendallWritesOneLogVariancePerSample) {
    FillTwoSamples();
    ASSERT_EQ(Compute(BartlettKendall, {ColumnOf("G")}), DeriveResult::Added);
    EXPECT_NEAR(Number("X_BK", 1), std::log(4.0), 1e-12);
    EXPECT_NEAR(Number("X_BK", 2), std::log(1000.0 / 3), 1e-12);
    for (int row = 3; row <= 7; ++row) EXPECT_TRUE(std::isnan(Number("X_BK", row))) << row;
    EXPECT_TRUE(ui.subgroupQuestions.empty());
}

TEST_F(ComputeVariablesTest, ZeroVarianceAsksOnceForAMinimumRange) {
    Fill({"G", "X"}, {{"A", "5"}, {"A", "5"}, {"B", "7"}, {"B", "7"}, {"B", "7"}});
    ui.minimumRange = 3;
    ASSERT_EQ(Compute(BartlettKendall, {ColumnOf("G")}), DeriveResult::Added);
    EXPECT_THAT(ui.rangeLabels, ElementsAre("Zero Variance in Run A"));
    EXPECT_NEAR(Number("X_BK", 1), std::log(9.0 / 2), 1e-12);
    EXPECT_NEAR(Number("X_BK", 3), std::log(9.0 / 3), 1e-12);
}

TEST_F(ComputeVariablesTest, CancelledQuestionsLeaveTheTableAndTheLogAlone) {
    Fill({"X"}, {{"5"}, {"5"}, {"5"}});
    const auto before = Grid();
    EXPECT_EQ(Compute(BartlettKendall), DeriveResult::Cancelled);
    EXPECT_EQ(Compute(BartlettKendallBox), DeriveResult::Cancelled);
    EXPECT_EQ(Grid(), before);
    EXPECT_FALSE(ws.table.Modified);
    EXPECT_TRUE(log.IsEmpty());
}

TEST_F(ComputeVariablesTest, BartlettKendallBoxScoresRandomSubsamples) {
    // Twelve values in one sample; three subgroups of four.
    Fill({"X"}, {{"1"},
                 {"4"},
                 {"9"},
                 {"16"},
                 {"25"},
                 {"36"},
                 {"49"},
                 {"64"},
                 {"81"},
                 {"100"},
                 {"121"},
                 {"144"}});
    ui.subgroups = 3;
    ASSERT_EQ(Compute(BartlettKendallBox), DeriveResult::Added);
    ASSERT_EQ(ui.subgroupQuestions.size(), 1u);
    const SubgroupsQuestion& q = ui.subgroupQuestions.front();
    EXPECT_EQ(q.AverageText, "Avg Sample Size per Run = 12.0");
    EXPECT_EQ(q.MinimumText, "Min Sample Size per Run = 12");
    EXPECT_EQ(q.MaximumText, "Max Sample Size per Run = 12");
    EXPECT_EQ(q.Largest, 6);
    EXPECT_EQ(q.Proposed, 3);  // rnd(sqrt(12))

    // Each score is the log variance of four distinct values of the sample: at least the
    // variance of the four closest squares, at most that of the four most spread.
    auto variance = [](std::vector<double> v) {
        const double mean = std::accumulate(v.begin(), v.end(), 0.0) / 4;
        double ss = 0;
        for (double x : v) ss += (x - mean) * (x - mean);
        return ss / 3;
    };
    const double low = std::log(variance({1, 4, 9, 16}));
    const double high = std::log(variance({1, 4, 121, 144}));
    for (int row = 1; row <= 3; ++row) {
        EXPECT_GE(Number("X_BKB", row), low - 1e-9);
        EXPECT_LE(Number("X_BKB", row), high + 1e-9);
    }
    for (int row = 4; row <= 12; ++row) EXPECT_TRUE(std::isnan(Number("X_BKB", row)));

    // The same seed draws the same subgroups.
    ASSERT_EQ(Compute(BartlettKendallBox, {}, "again"), DeriveResult::Added);
    EXPECT_EQ(Cells("again"), Cells("X_BKB"));
}

TEST_F(ComputeVariablesTest, SubgroupAnswersBeyondTheSmallestSampleAreRefused) {
    Fill({"X"}, {{"1"}, {"2"}, {"3"}, {"4"}, {"6"}});
    ui.subgroups = 3;  // at most 5 div 2
    EXPECT_EQ(Compute(BartlettKendallBox), DeriveResult::Refused);
    EXPECT_THAT(ui.errors, ElementsAre("Enter a Number of Subgroups from 1 to 2."));
    EXPECT_EQ(ws.table.MaxCol(), 1);
}

// --- Combinable distributions ----------------------------------------------------------

TEST_F(ComputeVariablesTest, CombinableDistributionsKeepTheOverallMeanAndTheSpreadWithin) {
    FillTwoSamples();
    ASSERT_EQ(Compute(CombinableDistributions, {ColumnOf("G")}), DeriveResult::Added);
    std::vector<double> x = {3, 10, 5, 20, 7, 40, 50}, y;
    for (int row = 1; row <= 7; ++row) y.push_back(Number("X_COM", row));
    EXPECT_NEAR(std::accumulate(y.begin(), y.end(), 0.0), std::accumulate(x.begin(), x.end(), 0.0),
                1e-9);
    // Within a sample every value moves by the same amount.
    for (int row : {3, 5}) EXPECT_NEAR(y[row - 1] - y[0], x[row - 1] - x[0], 1e-9);
    for (int row : {4, 6, 7}) EXPECT_NEAR(y[row - 1] - y[1], x[row - 1] - x[1], 1e-9);
}

TEST_F(ComputeVariablesTest, CombinableDistributionsWithoutDegreesOfFreedomAreRefused) {
    Fill({"G", "X"}, {{"1", "3"}, {"2", "5"}, {"3", "8"}});
    const auto before = Grid();
    EXPECT_EQ(Compute(CombinableDistributions, {ColumnOf("G")}), DeriveResult::Refused);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_THAT(ui.errors[0],
                HasSubstr("Combinable Distributions needs a sample with at least two"));
    EXPECT_EQ(Grid(), before);
    EXPECT_FALSE(ws.table.Modified);
    EXPECT_TRUE(log.IsEmpty());
}

TEST(DerivedStatistics, CaptionsSuffixesAndNames) {
    EXPECT_EQ(SampleStatisticCode("bartlett-kendall-box"), BartlettKendallBox);
    EXPECT_EQ(SampleStatisticCode("Std. Dev."), SampleStdDev);
    EXPECT_EQ(SampleStatisticCode("nothing"), -1);
    EXPECT_EQ(ProposedSampleName("Fill", SampleCountOfValues), "Fill_n");
    EXPECT_EQ(ProposedAcrossRowsName(AcrossStdDev, 0), "Std_Dev1");
    EXPECT_EQ(ProposedAcrossRowsName(AcrossRange, 2), "Range3");
    EXPECT_EQ(NewVariableName("a b\tc"), "a_b_c");
}

}  // namespace
}  // namespace vostrel
