// vostrel-cli info, end to end.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;

std::string Cli() { return Quote(VOSTREL_CLI); }

TEST(CliInfo, DescribesTheExample) {
    CommandResult r =
        RunCommand(Cli() + " info " + Quote(VOSTREL_EXAMPLES_DIR "/fill_weights.dat"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Rows:\t300\n"));
    EXPECT_THAT(r.out, HasSubstr("Columns:\t8\n"));
    EXPECT_THAT(r.out,
                HasSubstr("Column\tName\tTitle\tUSL\tTarget\tLSL\tType\tLow\tHigh\tLevels\n"));
    EXPECT_THAT(r.out, HasSubstr("2\tShift\tShift\t\t\t\ttext\t\t\t2\n"));
    EXPECT_THAT(r.out, HasSubstr("4\tW1\tJar 1 (g)\t508\t501\t495\tnumeric\t"));
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST(CliInfo, ReportsUnreadableFilesAndUsage) {
    CommandResult missing = RunCommand(Cli() + " info /no/such/file.dat");
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("File Error"));
    EXPECT_THAT(missing.err, HasSubstr("/no/such/file.dat"));
    EXPECT_TRUE(missing.out.empty());

    EXPECT_EQ(RunCommand(Cli() + " info").status, 2);
    EXPECT_EQ(RunCommand(Cli() + " info a b").status, 2);
    EXPECT_EQ(RunCommand(Cli() + " frobnicate").status, 2);
    CommandResult help = RunCommand(Cli() + " info --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: vostrel-cli info FILE"));
}

TEST(CliInfo, WarnsAboutTruncatedColumns) {
    TempDir dir;
    std::string line;
    for (int i = 0; i < 600; ++i) line += "1\t";
    const std::string file = dir.Write("wide.dat", line + "\n");
    CommandResult r = RunCommand(Cli() + " info " + Quote(file));
    EXPECT_EQ(r.status, 0);
    EXPECT_THAT(r.out, HasSubstr("Columns:\t512\n"));
    EXPECT_THAT(r.err, HasSubstr("The Maximum Number of Columns was Exceeded. Columns Truncated."));
}

}  // namespace
}  // namespace vostrel::testing
