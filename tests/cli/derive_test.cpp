// vostrel-cli derive, end to end.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;

std::string Cli() { return Quote(VOSTREL_CLI); }

class CliDerive : public ::testing::Test {
  protected:
    void SetUp() override {
        data = dir.Write("samples.dat",
                         "Line\tFill\r\n1\t3\r\n2\t10\r\n1\t5\r\n2\t20\r\n1\t7\r\n2\t90\r\n");
    }
    CommandResult Derive(const std::string& options) {
        return RunCommand(Cli() + " derive " + Quote(data) + " " + options);
    }
    TempDir dir{"derive"};
    std::string data;
};

TEST_F(CliDerive, PerSampleStatisticToStandardOutput) {
    CommandResult r = Derive("--statistic Median --dependent Fill --by Line -o -");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Line\tFill\tFill_MED\n1\t3\t5\n2\t10\t20\n1\t5\t\n2\t20\t\n1\t7\t\n2\t90\t\n");
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(CliDerive, WritesTheFileWithItsOwnLineEnds) {
    const std::string out = dir.File("out.dat");
    CommandResult r =
        Derive("--across Line,Fill --statistic Sum --name 'Line plus fill' -o " + Quote(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_THAT(TempDir::Read(out), HasSubstr("Line\tFill\tLine_plus_fill\r\n1\t3\t4\r\n"));
}

TEST_F(CliDerive, RulesApplyAsInTheWindows) {
    CommandResult r = Derive(
        "--process-if 'Line = 1' --missing '= 5' --transform '1 2 0' "
        "--statistic Mean --dependent Fill -o -");
    EXPECT_EQ(r.status, 0) << r.err;
    // Rows of line 1 without the 5: 2 x 3 and 2 x 7.
    EXPECT_THAT(r.out, HasSubstr("Fill_AVG\n1\t3\t10\n2\t10\t\n"));
}

TEST_F(CliDerive, RunNumbersRecodeAndWeights) {
    CommandResult runs = Derive("--run-numbers Line -o -");
    EXPECT_EQ(runs.status, 0) << runs.err;
    EXPECT_THAT(runs.out, HasSubstr("Line\tFill\tRun\n1\t3\t1\n2\t10\t2\n"));

    CommandResult recode = Derive("--recode 2 -o -");
    EXPECT_EQ(recode.status, 0) << recode.err;
    EXPECT_THAT(recode.out, HasSubstr("Line\tFill\tFill_R\n1\t3\t1\n2\t10\t4\n"));

    const std::string weights = dir.Write("weights.dat", "Id\tW\n1\t1\n2\t3\n3\t2\n");
    CommandResult weighted = RunCommand(Cli() + " derive " + Quote(weights) + " --weight W -o -");
    EXPECT_EQ(weighted.status, 0) << weighted.err;
    EXPECT_EQ(weighted.out, "Id\tW\n1\t1\n2\t3\n3\t2\n2\t3\n2\t3\n3\t2\n");
}

TEST_F(CliDerive, BartlettKendallBoxIsRepeatableWithASeed) {
    const std::string options =
        "--statistic Bartlett-Kendall-Box --dependent Fill --subgroups 2 --seed 5 -o -";
    CommandResult first = Derive(options);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(Derive(options).out, first.out);

    const std::string flat = dir.Write("flat.dat", "X\n4\n4\n4\n");
    CommandResult zero =
        RunCommand(Cli() + " derive " + Quote(flat) +
                   " --statistic 'Bartlett-Kendall - Ln(Variance)' --dependent X -o -");
    EXPECT_EQ(zero.status, 1);
    EXPECT_THAT(zero.err, HasSubstr("Zero Variance in Run X: give --min-range R"));
    EXPECT_TRUE(zero.out.empty());
    CommandResult ranged = RunCommand(Cli() + " derive " + Quote(flat) +
                                      " --statistic 'Bartlett-Kendall - Ln(Variance)' "
                                      "--dependent X --min-range 3 -o -");
    EXPECT_EQ(ranged.status, 0) << ranged.err;
    EXPECT_THAT(ranged.out, HasSubstr("X\tX_BK\n4\t1.09861228866810969\n"));  // ln(9 / 3)
}

TEST_F(CliDerive, ErrorsLeaveTheOutputAlone) {
    const std::string out = dir.Write("keep.dat", "old\r\n");
    const std::string single = dir.Write("single.dat", "G\tX\n1\t3\n2\t5\n");
    CommandResult refused =
        RunCommand(Cli() + " derive " + Quote(single) +
                   " --statistic 'Combinable Distributions' --dependent X --by G -o " + Quote(out));
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("Combinable Distributions needs a sample"));
    EXPECT_EQ(TempDir::Read(out), "old\r\n");

    EXPECT_EQ(Derive("--statistic Nonsense --dependent Fill -o -").status, 2);
    EXPECT_EQ(Derive("--statistic Mean --dependent Nope -o -").status, 2);
    EXPECT_EQ(Derive("--statistic Mean --dependent Fill").status, 2);
    EXPECT_EQ(Derive("--weight Fill --recode Line -o -").status, 2);
    EXPECT_EQ(Derive("--across Fill --statistic Mean -o -").status, 2);
    EXPECT_EQ(RunCommand(Cli() + " derive /no/such.dat --weight W -o -").status, 1);

    CommandResult help = RunCommand(Cli() + " derive --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: vostrel-cli derive DATAFILE"));
    EXPECT_THAT(help.out, HasSubstr("\"Bartlett-Kendall-Box\""));
}

}  // namespace
}  // namespace vostrel::testing
