// Variance components and performance indices: the worked examples, one-sided limits,
// observed counts, the error lines and what the performance charts receive.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "analysis_fixture.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class IndicesTest : public AnalysisTest {
  protected:
    const PerformanceResults& r = ws.analysis.Results;
};

TEST_F(IndicesTest, BothLimits) {
    // Mean 7.5, standard deviation 0.5.
    Column({"7", "7.5", "8"});
    Limits(1, "10", "", "4");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_DOUBLE_EQ(r.Pp, 2);
    EXPECT_DOUBLE_EQ(r.Ppk, 2.5 / 1.5);
    EXPECT_THAT(Report(), HasSubstr("\n\tPpk       = 1.667\n\tPp        = 2.000\n\tCp(pot)   = "));
    EXPECT_THAT(Report(), Not(HasSubstr("Ppm")));
    EXPECT_THAT(Report(), HasSubstr("\t    Total Variance Observed = 0.2500  100.00%\n"));
    EXPECT_THAT(Report(), Not(HasSubstr("Off-target")));
}

TEST_F(IndicesTest, OneUpperLimitWithATarget) {
    // Mean 7, standard deviation 1.
    Column({"6", "7", "8"});
    Limits(1, "10", "", "");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_DOUBLE_EQ(r.Ppk, 1);
    EXPECT_DOUBLE_EQ(r.Pp, 1);
    EXPECT_EQ(r.Ppm, 0);
    EXPECT_THAT(Report(), HasSubstr("\tPpk       = 1.000\n\tPp        = 1.000\n"));

    Limits(1, "10", "8", "");
    ASSERT_EQ(Run(), ActionResult::Completed);
    // Tolerance 2 (10 - 8) = 4.
    EXPECT_NEAR(r.Ppm, 4.0 / 6 / std::sqrt(1.0 * 3 / 2 + 1), 1e-15);
    EXPECT_THAT(Report(),
                HasSubstr("\t%Off-Target = 25.00%\n\n\tPpk       = 1.000\n\tPpm       = 0.422\n"));
    EXPECT_THAT(Report(), HasSubstr("\tn = 3\n\tAbove USL = 0\n\tTotal Out = 0\n\t(0 ppm)\n"));
}

TEST_F(IndicesTest, OneLowerLimit) {
    Column({"6", "7", "8"});
    Limits(1, "", "", "4");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_DOUBLE_EQ(r.Ppk, 1);
    EXPECT_DOUBLE_EQ(r.Pp, 1);
    EXPECT_THAT(Report(), HasSubstr("\tn = 3\n\tBelow LSL = 0\n\tTotal Out = 0\n"));
}

TEST_F(IndicesTest, ATargetAtTheMeanHasNoOffTargetVariance) {
    Column({"6", "7", "8"});
    Limits(1, "10", "7", "4");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\tTotal Variance About Target = 1.0000  100.00%\n"
                                    "\t        Off-target Variance = 0.0000    0.00%\n"));
    EXPECT_THAT(Report(), HasSubstr("\t%Off-Target = 0.00%\n"));
    ASSERT_EQ(charts.Calls.size(), 2u);
    EXPECT_EQ(charts.Calls[0].Values[2].second, 0);  // Target
}

TEST_F(IndicesTest, ValuesOnALimitAreNotOutside) {
    Column({"4", "5", "10", "11", "3", "12"});
    Limits(1, "10", "", "4");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_EQ(r.AboveUSL, 2);
    EXPECT_EQ(r.BelowLSL, 1);
    EXPECT_THAT(
        Report(),
        HasSubstr("\tn = 6\n\tAbove USL = 2\n\tBelow LSL = 1\n\tTotal Out = 3\n\t(500,000 ppm)\n"));
}

TEST_F(IndicesTest, AMeasurementErrorAboveTheTotal) {
    Column({"6", "7", "8"});
    Limits(1, "10", "", "4");
    Measures({1});
    ws.analysis.Settings.Measurement.Set("1.5", 1.5);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(
        Report(),
        HasSubstr("\t       Measurement Variance = 2.2500  225.00%  (User Set)\n"
                  "***** ERROR - Measurement error greater than total *****\n"
                  "\t         Potential Variance = 0.0000    0.00% (Less Measurement Error)\n"
                  "\t     Time(Control) Variance = 0.0000    0.00%\n"));
    ASSERT_EQ(charts.Calls.size(), 2u);
    EXPECT_EQ(charts.Calls[0].Values[0].second, 2.25);  // Measurement
    EXPECT_EQ(charts.Calls[0].Values[1].second, 0);     // Process
}

TEST_F(IndicesTest, WithoutLimitsOnlyTheVarianceComponentsAreShown) {
    Column({"6", "7", "8", "9"});
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), Not(HasSubstr("Performance")));
    ASSERT_EQ(charts.Calls.size(), 1u);
    EXPECT_EQ(charts.Calls[0].Name, "DisplayPPAVariance");
    EXPECT_DOUBLE_EQ(charts.Calls[0].Values[5].second, 7.5);  // XBar
    EXPECT_THAT(charts.Lines()[0], HasSubstr("\tXBar=7.5\t"));
}

TEST_F(IndicesTest, TheComponentsAddUpToTheTotalAboutTheTarget) {
    Table({"S", "Y"}, {{"1", "4.9"},
                       {"1", "5.3"},
                       {"1", "5.1"},
                       {"1", "5.6"},
                       {"2", "6.1"},
                       {"2", "5.8"},
                       {"2", "6.4"},
                       {"2", "6.0"},
                       {"3", "5.2"},
                       {"3", "5.0"},
                       {"3", "5.5"},
                       {"3", "4.7"}});
    Limits(2, "8", "5", "3");
    Measures({2});
    Streams({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    ASSERT_EQ(charts.Calls.size(), 2u);
    double sum = 0;
    for (int i = 0; i < 5; ++i) sum += charts.Calls[0].Values[static_cast<std::size_t>(i)].second;
    const double total = r.TotalStdDev * r.TotalStdDev + (r.Mean - 5) * (r.Mean - 5);
    EXPECT_NEAR(sum, total, 1e-12);
    // The chart gets what the report shows.
    EXPECT_EQ(charts.Calls[1].Values[0].second, r.Ppk);
    EXPECT_EQ(charts.Calls[1].Values[3].second, r.PpStream);
    EXPECT_NEAR(r.PpStream, 5.0 / 6 / r.WithinStdDev, 1e-12);
    EXPECT_THAT(Report(), HasSubstr("\tMax Stream Mean = 6.0750\n\tMin Stream Mean = 5.1000\n"
                                    "\t%Process Stream Difference = 19.50%\n"));
}

TEST_F(IndicesTest, NoSpreadLeavesTheIndicesUndefined) {
    Column({"5", "5", "5"});
    Limits(1, "6", "", "");
    Measures({1});
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(
        Report(),
        HasSubstr("\tPpk       = undefined (Std Dev = 0)\n\tPp        = undefined (Std Dev = 0)\n"
                  "\tCp(pot)   = 0.000\n"));
    EXPECT_EQ(r.Ppk, 0);
    ASSERT_EQ(charts.Calls.size(), 2u);
    for (const auto& [name, value] : charts.Calls[1].Values)
        EXPECT_TRUE(std::isfinite(value)) << name;
}

}  // namespace
}  // namespace vostrel::testing
