// vostrel-cli analyze, end to end: whole reports compared line for line with reports
// written out by hand from the formulas (numbers computed separately), and the command's
// options, files and errors.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string Cli() { return "LC_ALL=C " + Quote(VOSTREL_CLI); }
std::string DataDir() { return VOSTREL_TEST_DATA_DIR "/analysis/"; }

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

CommandResult Analyze(const std::string& file, const std::string& options) {
    return RunCommand(Cli() + " analyze " + Quote(file) + " " + options);
}

struct Golden {
    const char* report;  // the expected report, tests/data/analysis/<report>.expected.txt
    const char* data;
    const char* options;
};

class GoldenReport : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenReport, MatchesTheReportWorkedOutByHand) {
    const Golden& g = GetParam();
    const std::string data =
        std::filesystem::path(DataDir() + g.data + ".dat").lexically_normal().string();
    const CommandResult r = Analyze(data, std::string(g.options) + " --date DATE");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string expected =
        ReplaceAll(TempDir::Read(DataDir() + g.report + ".expected.txt"), "@DATAFILE@", data);
    EXPECT_EQ(r.out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, GoldenReport,
    ::testing::Values(
        Golden{"single_measure", "single_measure", "--measures X --title 'Single measure'"},
        Golden{"sample_items", "sample_items", "--measures A,B,C"},
        Golden{"repeated_measures", "repeated_measures",
               "--measures R1,R2 --mode repeated --decimals 3"},
        Golden{"multiple_streams", "multiple_streams", "--measures Cav1,Cav2,Cav3 --mode streams"},
        Golden{"one_stream", "one_stream", "--measures Diam --streams Machine"},
        Golden{"two_streams", "two_streams", "--measures Weight --streams Line,Shift --decimals 3"},
        Golden{"items_with_stream", "items_with_stream",
               "--measures W1,W2,W3 --streams Head --title 'Three heads'"},
        Golden{"repeated_with_stream", "repeated_with_stream",
               "--measures M1,M2,M3 --streams Operator --mode repeated"},
        Golden{"analysis_sets", "analysis_sets", "--measures Y --sets Batch"},
        Golden{"user_set_warnings", "user_set_warnings",
               "--measures Z --user-measurement 3 --user-potential 4 --user-stream 2.5"},
        Golden{"user_set_stream_warnings", "one_stream",
               "--measures Diam --streams Machine --user-measurement 0.04 --user-potential 0.06 "
               "--user-stream 0.1"},
        Golden{"user_set_stream_too_large", "one_stream",
               "--measures Diam --streams Machine --user-stream 0.07 --user-measurement 0.02"},
        Golden{"modifications", "modifications",
               "--measures X --missing '= -99' --process-if 'Grp <> 3' --transform '1 2 1'"},
        Golden{"no_variation", "no_variation", "--measures Q"}),
    [](const ::testing::TestParamInfo<Golden>& p) { return std::string(p.param.report); });

// The name=value pairs of one --charts line.
std::vector<double> ChartValues(const std::string& line, const std::string& name) {
    std::vector<double> values;
    std::istringstream in(line);
    std::string field;
    std::getline(in, field, '\t');
    EXPECT_EQ(field, name);
    while (std::getline(in, field, '\t'))
        values.push_back(std::stod(field.substr(field.find('=') + 1)));
    return values;
}

std::vector<std::string> LinesAfter(const std::string& text, const std::string& marker) {
    std::vector<std::string> lines;
    std::istringstream in(text.substr(text.find(marker) + marker.size()));
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(CliAnalyze, ChartsGetTheComponentsAndIndicesOfEachSet) {
    const CommandResult r =
        Analyze(DataDir() + "items_with_stream.dat", "--measures W1,W2,W3 --streams Head --charts");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = LinesAfter(r.out, " ppm)\n");
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<double> v = ChartValues(lines[0], "DisplayPPAVariance");
    const std::vector<double> expectedV = {
        0.0, 0.0740814393939393920, 0.0603755102040815528, 0.257296711866564917,
        0.0, 50.2457142857142856,   0.575654541596350397};
    ASSERT_EQ(v.size(), expectedV.size());
    for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], expectedV[i], 1e-12) << i;
    const std::vector<double> p = ChartValues(lines[1], "DisplayPPA");
    const std::vector<double> expectedP = {1.01582088302525808, 1.06272315377891853,
                                           1.15810198390501724, 2.44936797325455579,
                                           2.44936797325455579};
    ASSERT_EQ(p.size(), expectedP.size());
    for (std::size_t i = 0; i < p.size(); ++i) EXPECT_NEAR(p[i], expectedP[i], 1e-12) << i;
    EXPECT_THAT(lines[0], StartsWith("DisplayPPAVariance\tMeasurement=0\tProcess="));
    EXPECT_THAT(lines[1], StartsWith("DisplayPPA\tPpk="));

    // One pair of calls for each analysis set.
    const CommandResult sets =
        Analyze(DataDir() + "analysis_sets.dat", "--measures Y --sets Batch --charts");
    const std::vector<std::string> calls = LinesAfter(sets.out, "Batch number=5");
    std::vector<std::string> names;
    for (const std::string& line : calls)
        if (line.rfind("Display", 0) == 0) names.push_back(line.substr(0, line.find('\t')));
    EXPECT_EQ(names,
              (std::vector<std::string>{"DisplayPPAVariance", "DisplayPPA", "DisplayPPAVariance",
                                        "DisplayPPA", "DisplayPPAVariance", "DisplayPPA"}));
}

TEST(CliAnalyze, SavesTextRichTextAndConfiguration) {
    TempDir dir;
    const std::string txt = dir.File("report.txt");
    const std::string rtf = dir.File("report.rtf");
    const std::string vos = dir.File("run.vos");
    const std::string data = DataDir() + "sample_items.dat";
    const CommandResult r =
        Analyze(data, "--measures A,B,C --decimals 2 --title 'Saved run' --date D --txt " +
                          Quote(txt) + " --rtf " + Quote(rtf) + " --save-config " + Quote(vos));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(TempDir::Read(txt), ReplaceAll(r.out, "\n", "\r\n"));
    const std::string richText = TempDir::Read(rtf);
    EXPECT_THAT(richText, StartsWith("{\\rtf1"));
    EXPECT_THAT(richText, HasSubstr("\\page"));
    const std::string config = TempDir::Read(vos);
    EXPECT_THAT(config, StartsWith("TITLE:Saved run\r\nDECIMALS:2\r\nDATAFILE:"));
    EXPECT_THAT(
        config,
        HasSubstr("\r\nCOLNAMES:Part A B C\r\nMEASURES:2 3 4\r\nMULTIPLE:0\r\nGROUPS:\r\n"));

    // The configuration brings back the same report.
    const CommandResult again = Analyze(vos, "--date D");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, r.out);
}

TEST(CliAnalyze, TheBundledConfigurationFindsItsDataNextToIt) {
    TempDir dir;
    std::filesystem::copy_file(VOSTREL_EXAMPLES_DIR "/fill_weights.vos",
                               dir.File("fill_weights.vos"));
    std::filesystem::copy_file(VOSTREL_EXAMPLES_DIR "/fill_weights.dat",
                               dir.File("fill_weights.dat"));
    const CommandResult r =
        RunCommand("cd / && " + Cli() + " analyze " + Quote(dir.File("fill_weights.vos")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\tFill weights of 1/2 kg jars\n"));
    EXPECT_THAT(r.out, HasSubstr("\t" + dir.File("fill_weights.dat") + "\n"));
    EXPECT_THAT(r.out,
                HasSubstr("\tMeasures: (sample items)\n\t\tW1\n\t\tW2\n\t\tW3\n\t\tW4\n\t\tW5\n"));
    EXPECT_THAT(r.out, HasSubstr("\t\tHead        1 to 6\n"));
    EXPECT_THAT(r.out, HasSubstr("Group Subgroups"));
    EXPECT_THAT(r.out, HasSubstr("\tCp(pot)   = "));
}

TEST(CliAnalyze, OldLimitLinesAreReportedNotApplied) {
    TempDir dir;
    const std::string config =
        dir.Write("old.vos", "DATAFILE:" + DataDir() +
                                 "sample_items.dat\r\nMEASURES:2\r\nUSL:10\r\nTARGET:9\r\n");
    const CommandResult r = Analyze(config, "");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("Specifications were found in the VOSTREL Configure file."));
    EXPECT_THAT(r.err, HasSubstr("USL: 10  Target: 9  LSL: \n"));
    EXPECT_THAT(r.out, HasSubstr("\t   USL = 12.0000\n\t   LSL = 8.0000\n"));
}

TEST(CliAnalyze, ErrorsTheWindowWouldShowExitWithOne) {
    TempDir dir;
    const std::string equalLimits = dir.Write("equal.dat", "X\nUSL:\t5\nLSL:\t5\n1\n2\n3\n");
    CommandResult r = Analyze(equalLimits, "--measures X");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("USL <= LSL"));
    EXPECT_EQ(r.out, "");

    const std::string target = dir.Write("target.dat", "X\nUSL:\t5\nTarget:\t6\n1\n2\n3\n");
    r = Analyze(target, "--measures X");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Target not in Spec. Range"));

    r = Analyze(DataDir() + "single_measure.dat",
                "--measures X --user-measurement 2 --user-potential 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Measurement must be < Potential"));

    r = Analyze(dir.File("absent.dat"), "--measures X");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("absent.dat"));

    const std::string config =
        dir.Write("wrong.vos", "DATAFILE:" + DataDir() + "single_measure.dat\r\nMEASURES:7\r\n");
    r = Analyze(config, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Vostrel Config File Measures Do Not Match Data!"));

    const std::string lost = dir.Write("lost.vos", "DATAFILE:gone.dat\r\nMEASURES:1\r\n");
    r = Analyze(lost, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

TEST(CliAnalyze, UsageErrorsExitWithTwo) {
    const std::string data = DataDir() + "sample_items.dat";
    for (const std::string& options :
         {std::string(""), std::string("--measures"), std::string("--measures Nope"),
          std::string("--measures A --mode odd"), std::string("--measures A --decimals 12"),
          std::string("--measures A --frobnicate"),
          std::string("--measures A --missing '= 1' --missing '= 2' --missing '= 3'"),
          std::string("--measures A --missing 'about 3'"),
          std::string("--measures A --process-if 'A > 10' --or"),
          std::string("--measures A,B --streams Part --mode streams"),
          std::string("--measures A --streams A"), std::string("--measures A --transform '13 1 0'"),
          std::string("--measures A --user-stream x"),
          std::string("--measures A --process-if 'A in x,y'"),
          std::string("--measures A --process-if 'A not in 1,x'")}) {
        const CommandResult r = Analyze(data, options);
        EXPECT_EQ(r.status, 2) << options << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr("vostrel-cli analyze: ")) << options;
        EXPECT_EQ(r.out, "") << options;
    }
    EXPECT_EQ(RunCommand(Cli() + " analyze").status, 2);
    EXPECT_EQ(Analyze(VOSTREL_EXAMPLES_DIR "/fill_weights.vos", "--measures W1").status, 2);

    const CommandResult help = RunCommand(Cli() + " analyze --help");
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--measures", "--streams", "--mode", "--sets", "--decimals", "--title",
          "--user-measurement", "--user-potential", "--user-stream", "--missing", "--process-if",
          "--or", "--transform", "--date", "--rtf", "--txt", "--save-config", "--charts"})
        EXPECT_THAT(help.out, HasSubstr(option));
    EXPECT_THAT(RunCommand(Cli() + " --help").out, HasSubstr("analyze FILE"));
}

TEST(CliAnalyze, ProcessIfListsAndOrJoin) {
    const std::string data = DataDir() + "two_streams.dat";
    const CommandResult r = Analyze(
        data, "--measures Weight --process-if 'Line in 1' --process-if 'Weight >= 102' --or");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\tProcess If: Line in [1]\n\tProcess If: Weight >= 102\n"));
    // Line 1 has 8 rows, line 2 three rows of at least 102.
    EXPECT_THAT(r.out, HasSubstr("\tn = 11\n"));
    EXPECT_THAT(r.out, Not(HasSubstr("Process Stream")));
}

TEST(CliAnalyze, SetsAreTheColumnsValuesOrLevels) {
    TempDir dir("cli-sets");
    const std::string fractional = dir.Write("s.dat", "S\tX\n1.5\t5\n2.5\t6\n1.5\t7\n2.5\t9\n");
    CommandResult r = Analyze(fractional, "--measures X --sets S --date D");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\nS=1.5\n"));
    EXPECT_THAT(r.out, HasSubstr("\nS=2.5\n"));
    EXPECT_THAT(r.out, HasSubstr("\t       n = 2\n\t    Mean = 6.0000\n"));
    EXPECT_THAT(r.out, HasSubstr("\t       n = 2\n\t    Mean = 7.5000\n"));

    const std::string text = dir.Write("t.dat", "Shift\tX\nDay\t5\nNight\t6\n\t7\nDay\t9\n");
    r = Analyze(text, "--measures X --sets Shift --date D");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\nShift=(Missing)\n"));
    EXPECT_THAT(r.out, HasSubstr("\nShift=Day\n"));
    EXPECT_THAT(r.out, HasSubstr("\nShift=Night\n"));
}

TEST(CliAnalyze, AnEmptySelectionPrintsNoStatistics) {
    TempDir dir("cli-empty");
    const std::string data =
        dir.Write("e.dat", "X\nUSL:\t510\nTarget:\t501\nLSL:\t490\n500\n502\n501\n");
    const CommandResult r = Analyze(data, "--measures X --missing '> 0' --date D");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\tNo Values Found - Every Value is Missing or Left Out!\n"));
    EXPECT_THAT(r.out, Not(HasSubstr("251,001")));
    EXPECT_THAT(r.out, Not(HasSubstr("%Off-Target")));
}

TEST(CliAnalyze, VarianceComponentsNeverRunTogether) {
    // A user-set measurement variance 1,600 times the total: its value and its share are
    // wider than their columns, which widen for the whole table.
    TempDir dir("cli-components");
    const std::string data = dir.Write("x.dat", "X\n1\n2\n3\n");
    const CommandResult r = Analyze(data, "--measures X --user-measurement 40 --date D");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\t    Total Variance Observed =     1.0000     100.00%\n"
                                 "\t       Measurement Variance = 1,600.0000 160,000.00%  (User "
                                 "Set)\n"));
    EXPECT_THAT(r.out, HasSubstr("\t     Time(Control) Variance =     0.0000       0.00%\n"));
}

TEST(CliAnalyze, LargeStreamCodesAreAnalysed) {
    TempDir dir("cli-large-codes");
    const std::string data = dir.Write("lots.dat", "G\tX\n1\t5\n3000000000\t6\n");
    const CommandResult r = RunCommand("LC_ALL=C timeout 60 " + Quote(VOSTREL_CLI) + " analyze " +
                                       Quote(data) + " --measures X --streams G");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\n3000000000  1  6.0000"));
}

TEST(CliAnalyze, LongSettingsSurviveTheirConfiguration) {
    // 100 columns named Measurement_NNN and an "in" list of 100 values give configuration
    // lines far longer than 255 characters.
    TempDir dir("cli-long-config");
    std::string names, row, measures, list;
    for (int c = 1; c <= 100; ++c) {
        const std::string sep = c > 1 ? "," : "";
        names += (c > 1 ? "\t" : "") + std::string("Measurement_") + std::to_string(c);
        row += (c > 1 ? "\t" : "") + std::to_string(c % 7);
        measures += sep + "Measurement_" + std::to_string(c);
        list += sep + std::to_string(c);
    }
    const std::string data = dir.Write("wide.dat", names + "\n" + row + "\n" + row + "\n");
    const std::string vos = dir.File("wide.vos");
    const CommandResult saved =
        Analyze(data, "--measures " + measures + " --process-if 'Measurement_1 in " + list +
                          "' --date D --save-config " + Quote(vos));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_THAT(saved.out, HasSubstr("\tProcess If: Measurement_1 in [" + list + "]\n"));

    const CommandResult again = Analyze(vos, "--date D");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, saved.out);
}

}  // namespace
}  // namespace vostrel::testing
