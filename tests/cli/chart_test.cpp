// vostrel-cli chart, end to end: small data files with known charts, every chart of a list,
// the options that shape limits and tests, and the errors.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class CliChart : public ::testing::Test {
  protected:
    CommandResult Chart(const std::string& data, const std::string& options) {
        const std::string file = dir_.Write("data.dat", data);
        return RunCommand("LC_ALL=C " + Quote(VOSTREL_CLI) + " chart " + Quote(file) + " " +
                          options + " --date 01/02/25");
    }

    TempDir dir_{"cli-chart"};
};

constexpr char Individuals[] = "X\tS\n10\t1\n12\t1\n11\t1\n";
constexpr char TenRows[] = "X\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n";

TEST_F(CliChart, IndividualsChartWithReportAndGrid) {
    CommandResult r = Chart(Individuals, "--measures X");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_THAT(r.out, StartsWith("Chart: X\n\nX and Moving Range Chart: X\n"));
    EXPECT_THAT(r.out, HasSubstr("\t    Limits: Average MR\n\tCenterline: Average X\n"));
    EXPECT_THAT(r.out, HasSubstr("\tX Chart Analysis\n\n\tControl Tests - OK\n"));
    EXPECT_THAT(r.out, HasSubstr("\tCannot Perform ANOVA - No Within Variation Found!\n"));
    // Centerline 11, sigma 1.5 / 1.12838, limits 3 sigma away; the moving range chart's
    // lower limit falls below 0 and is left out.
    EXPECT_THAT(r.out,
                HasSubstr("Point\tX\tLCL(Loc)\tCL(Loc)\tUCL(Loc)\tCodes (Loc)\tMoving Range\t"
                          "LCL(Disp)\tCL(Disp)\tUCL(Disp)\tCodes (Disp)\tSigma Est\n"
                          "1\t10.0000\t7.0120\t11.0000\t14.9880\t\t\t\t1.5000\t4.8998\t\t1.3293\n"
                          "2\t12.0000\t7.0120\t11.0000\t14.9880\t\t2.0000\t\t1.5000\t4.8998\t\t"
                          "1.3293\n"
                          "3\t11.0000\t7.0120\t11.0000\t14.9880\t\t1.0000\t\t1.5000\t4.8998\t\t"
                          "1.3293\n"));
}

TEST_F(CliChart, MeanAndRangeOfBlocks) {
    CommandResult r = Chart(TenRows, "--measures X --sample-size 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Mean and Range Chart: X\n"));
    EXPECT_THAT(r.out, HasSubstr("\tMean Chart Analysis\n\n\t   2 Found: Points Outside Control "
                                 "Limits\n"));
    EXPECT_THAT(r.out, HasSubstr(" Between Samples         1     62.5000     62.5000    25.000"));
    EXPECT_THAT(r.out, HasSubstr("1\t5\t3.0000\t3.1927\t5.5000\t7.8073\tO\t4.0000\t\t4.0000\t"
                                 "8.4581\t\t1.7197\n"));

    CommandResult two = Chart(TenRows, "--measures X --sample-size 5 --decimals 2");
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_THAT(two.out,
                HasSubstr("1\t5\t3.00\t3.19\t5.50\t7.81\tO\t4.00\t\t4.00\t8.46\t\t1.72\n"));
    EXPECT_THAT(two.out, HasSubstr(" Between Samples         1       62.50       62.50    25.000"));
}

TEST_F(CliChart, EveryChartOfTheListInOrder) {
    const std::string data = "A\tB\tG\n1\t5\tx\n2\t6\ty\n3\t\tx\n4\t\ty\n5\t7\tx\n";
    CommandResult r = Chart(data, "--measures A,B --groups G");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::size_t ax = r.out.find("Chart: A(x)\n");
    const std::size_t ay = r.out.find("Chart: A(y)\n");
    const std::size_t bx = r.out.find("Chart: B(x)\n");
    const std::size_t by = r.out.find("Chart: B(y)\n");
    ASSERT_NE(ax, std::string::npos);
    EXPECT_LT(ax, ay);
    EXPECT_LT(ay, bx);
    EXPECT_LT(bx, by);
    EXPECT_THAT(r.out, HasSubstr("X and Moving Range Chart: A (y)\n"));
    // B in group y has a single value.
    EXPECT_THAT(r.out.substr(by), HasSubstr("\n1\t6.0000\t"));
    EXPECT_THAT(r.out.substr(by), Not(HasSubstr("\n2\t")));
}

TEST_F(CliChart, SubgroupsInRowsAndBySampleVariableWithSets) {
    const std::string data = "A\tB\tC\tS\n1\t2\t3\t1\n4\t6\t8\t1\n5\t5\t5\t2\n2\t4\t6\t2\n";
    CommandResult rows = Chart(data,
                               "--measures A,C --rows --location Median "
                               "--dispersion \"Std Dev (s)\"");
    ASSERT_EQ(rows.status, 0) << rows.err;
    EXPECT_THAT(rows.out, StartsWith("Chart: A..C\n\nMedian and Std Dev (s) Chart: A\n"));
    EXPECT_THAT(rows.out, HasSubstr("\t    Limits: Median Std Dev\n"));
    EXPECT_THAT(rows.out, HasSubstr("\n1\t2\t2.0000\t"));

    CommandResult samples = Chart(data, "--measures B --sample-column S");
    ASSERT_EQ(samples.status, 0) << samples.err;
    EXPECT_THAT(samples.out, HasSubstr("\n1\t2\t4.0000\t"));
    EXPECT_THAT(samples.out, HasSubstr("\n2\t2\t4.5000\t"));

    CommandResult sets = Chart(data, "--measures A --sets S");
    ASSERT_EQ(sets.status, 0) << sets.err;
    EXPECT_THAT(sets.out, HasSubstr("Control Analysis - Set 1\n"));
    EXPECT_THAT(sets.out, HasSubstr("Control Analysis - Set 2\n"));
    EXPECT_THAT(sets.out, HasSubstr("Point\tSet\tX\t"));
}

TEST_F(CliChart, LimitsAndCenterlinesFromTheOptions) {
    CommandResult known = Chart(Individuals,
                                "--measures X --location-limits \"Known Std Dev\" "
                                "--location-centerline \"Known Mean\" --sigma 2 "
                                "--mu 10 --std-err 2");
    ASSERT_EQ(known.status, 0) << known.err;
    EXPECT_THAT(known.out, HasSubstr("\tCenterline: Known Mean\n"));
    EXPECT_THAT(known.out, HasSubstr("\t2 Standard Errors Used\n"));
    EXPECT_THAT(known.out, HasSubstr("\n1\t10.0000\t6.0000\t10.0000\t14.0000\t"));

    CommandResult user = Chart(Individuals,
                               "--measures X --location-limits \"User Defined\" "
                               "--ucl 11.5 --cl 11 --dispersion None");
    ASSERT_EQ(user.status, 0) << user.err;
    EXPECT_THAT(user.out,
                HasSubstr("Point\tX\tLCL(Loc)\tCL(Loc)\tUCL(Loc)\tCodes (Loc)\tSigma Est\n"
                          "1\t10.0000\t\t11.0000\t11.5000\t\t0.1667\n"
                          "2\t12.0000\t\t11.0000\t11.5000\tO\t0.1667\n"));
}

TEST_F(CliChart, TestOptionsAndBreaks) {
    // Nine values above the centerline with a missing value after the fourth.
    std::string data = "X\tY\n";
    for (const char* x : {"9", "9", "9", "9", "", "9", "9", "9", "9"})
        data += std::string(x) + "\t1\n";
    for (int i = 0; i < 9; ++i) data += "0\t1\n";
    const std::string options =
        "--measures X --tests 2 --test-values 0,8,6,8,15,14,4,2,0,0,0,0,0,0,0,5,3,0";
    CommandResult joined = Chart(data, options);
    ASSERT_EQ(joined.status, 0) << joined.err;
    EXPECT_THAT(joined.out,
                HasSubstr("\t   2 Found: Run of 8 or More Above/Below the Centerline\n"));

    CommandResult broken = Chart(data, options + " --show-breaks");
    ASSERT_EQ(broken.status, 0) << broken.err;
    EXPECT_THAT(broken.out,
                HasSubstr("\t   1 Found: Run of 8 or More Above/Below the Centerline\n"));

    CommandResult longer =
        Chart(data, "--measures X --tests 2 --test-values 0,9,6,8,15,14,4,2,0,0,0,0,0,0,0,5,3,0");
    ASSERT_EQ(longer.status, 0) << longer.err;
    EXPECT_THAT(longer.out,
                HasSubstr("\t   1 Found: Run of 9 or More Above/Below the Centerline\n"));

    CommandResult none = Chart(data, "--measures X --tests \"\" --mr-tests \"\"");
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_THAT(none.out, HasSubstr("\tX Chart Analysis\n\n\tControl Tests - OK\n"));
}

TEST_F(CliChart, SetupErrorsAreReportedAsTheWindowWould) {
    CommandResult sigma = Chart(Individuals,
                                "--measures X --location-limits \"Known Std Dev\" "
                                "--sigma 0");
    EXPECT_EQ(sigma.status, 1);
    EXPECT_THAT(sigma.err, HasSubstr("Known Sigma Not Valid!"));
    EXPECT_TRUE(sigma.out.empty());

    CommandResult limits = Chart(Individuals,
                                 "--measures X --location-limits \"User Defined\" "
                                 "--cl 10 --lcl 12");
    EXPECT_EQ(limits.status, 1);
    EXPECT_THAT(limits.err, HasSubstr("User Defined Location Limits Not Valid!"));

    CommandResult stdErr = Chart(Individuals, "--measures X --std-err three");
    EXPECT_EQ(stdErr.status, 1);
    EXPECT_THAT(stdErr.err, HasSubstr("Standard Error Multiplier Not Valid!"));

    const std::string cli = Quote(VOSTREL_CLI);
    CommandResult missing = RunCommand(cli + " chart /no/such/file.dat --measures X");
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("/no/such/file.dat"));
}

TEST_F(CliChart, UsageErrors) {
    const auto usage = [this](const std::string& options, const std::string& message) {
        CommandResult r = Chart(Individuals, options);
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_THAT(r.err, HasSubstr(message)) << options;
        EXPECT_TRUE(r.out.empty()) << options;
    };
    usage("", "--measures");
    usage("--measures Y", "no column \"Y\"");
    usage("--measures X --location Mean",
          "\"Mean\" is not offered here; choose one of \"X\", "
          "\"None\"");
    usage("--measures X --location None --dispersion None", "nothing to chart");
    usage("--measures X --sigma 1", "--sigma");
    usage("--measures X --rows", "--rows needs several measures");
    usage("--measures X --sample-size 1", "--sample-size needs a whole number from 2 to 999");
    usage("--measures X --sample-size 5 --sample-column S", "either");
    usage("--measures X --mr-span 31", "--mr-span");
    usage("--measures X --tests 10", "--tests");
    usage("--measures X --test-values 1,2,3", "18 values");
    usage("--measures X --decimals 10", "--decimals");
    usage("--measures X,X", "already used");
    usage("--measures X --frobnicate", "unknown option --frobnicate");

    const std::string file = dir_.Write("data.dat", Individuals);
    CommandResult noValue =
        RunCommand(Quote(VOSTREL_CLI) + " chart " + Quote(file) + " --measures");
    EXPECT_EQ(noValue.status, 2);
    EXPECT_THAT(noValue.err, HasSubstr("--measures needs a value"));

    CommandResult help = RunCommand(Quote(VOSTREL_CLI) + " chart --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: vostrel-cli chart DATAFILE [options]"));
    EXPECT_THAT(help.out, HasSubstr("--test-values LIST"));
}

TEST_F(CliChart, SetsAreNamedByTheirValuesOrLevels) {
    // The same sets as the analysis: 1.5 and 2.5 stay apart, a text column's levels by name.
    CommandResult r = Chart(
        "X\tS\tShift\n1\t1.5\tDay\n3\t2.5\tNight\n6\t1.5\tDay\n"
        "10\t2.5\tNight\n",
        "--measures X --sets S");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Control Analysis - Set 1.5\n"));
    EXPECT_THAT(r.out, HasSubstr("Control Analysis - Set 2.5\n"));

    r = Chart("X\tShift\n1\tDay\n3\tNight\n6\tDay\n10\tNight\n", "--measures X --sets Shift");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Control Analysis - Set Day\n"));
    EXPECT_THAT(r.out, HasSubstr("Control Analysis - Set Night\n"));
}

TEST_F(CliChart, NoDispersionEstimateMeansNoLimits) {
    CommandResult r = Chart("X\n10\n12\n11\n", "--measures X --mr-span 4");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\tX Chart Analysis\n\n\tNo Control Limits - No Dispersion "
                                 "Estimate Found!\n"));
    EXPECT_THAT(r.out, Not(HasSubstr("Found: Points Outside Control Limits")));
    EXPECT_THAT(r.out, HasSubstr("\n1\t10.0000\t\t11.0000\t\t\t"));
}

TEST_F(CliChart, VarianceLimitsOfSubgroupsOfThree) {
    // Pooled variance 1 with two degrees of freedom: the limits are chi-square quantiles
    // over 2, the lower one -ln(1 - q) for q = NormalTail(3), not 0.
    CommandResult r = Chart("X\n0\n1\n2\n5\n6\n7\n3\n4\n5\n1\n2\n3\n",
                            "--measures X --sample-size 3 --dispersion 'Variance (s²)' "
                            "--decimals 6");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\t1.000000\t0.001351\t1.000000\t6.607675\t\t1.000000\n"));
}

TEST_F(CliChart, AnovaColumnsWidenInsteadOfRunningTogether) {
    // 40 pairs: at 9 decimals the sums of squares no longer fit 12 characters, and "39" ran
    // into them. The columns widen for the whole table, headers with them.
    std::string data = "X\n";
    for (int i = 0; i < 40; ++i)
        data += std::to_string(i * 7 % 40) + "\n" + std::to_string(i * 7 % 40 + 1) + "\n";
    CommandResult r = Chart(data, "--measures X --sample-size 2 --decimals 9");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(
        r.out,
        HasSubstr("          Source        df               SS            MS         F         p\n"
                  " Between Samples        39 10,660.000000000 273.333333333   546.667     0.000\n"
                  "  Within Samples        40     20.000000000   0.500000000\n"
                  "           Total        79 10,680.000000000\n"));
    EXPECT_THAT(r.out, HasSubstr(" Sample-to-Sample Variance = 136.416666667  Std Dev = "
                                 "11.679754564\n"
                                 "    Within-Sample Variance = 0.500000000    Std Dev = "));
}

TEST_F(CliChart, NoChartWithPointsIsAnError) {
    // Scripts must notice that nothing was charted.
    CommandResult r = Chart("X\tY\n\t1\n\t2\n", "--measures X");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_THAT(r.err, HasSubstr("no chart has any points"));
}

}  // namespace
}  // namespace vostrel::testing
