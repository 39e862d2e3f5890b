// vostrel-cli graph, end to end: each kind's table from small data files, the options
// that shape them, the example configuration, and the errors.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class CliGraph : public ::testing::Test {
  protected:
    CommandResult Graph(const std::string& kind, const std::string& data,
                        const std::string& options) {
        const std::string file = dir_.Write("data.dat", data);
        return RunCommand("LC_ALL=C " + Quote(VOSTREL_CLI) + " graph " + kind + " " + Quote(file) +
                          " " + options);
    }

    TempDir dir_{"cli-graph"};
};

constexpr char Heads[] =
    "Head\tX\nUSL:\t\t10\nTarget:\t\t5\nLSL:\t\t0\n"
    "1\t1\n1\t2\n1\t3\n1\t4\n2\t4\n2\t5\n2\t6\n2\t7\n2\t30\n";
constexpr char OneToFive[] = "X\n1\n2\n3\n4\n5\n";

TEST_F(CliGraph, BoxPlotsOneRowPerGroup) {
    const CommandResult r = Graph("box", Heads, "--measures X --streams Head");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Group\tn\tLow\tQ1\tMedian\tQ3\tHigh\tLowWhisker\tHighWhisker\tMildOutliers\t"
              "FarOutliers\tUSL\tTarget\tLSL\n"
              "1\t4\t1\t1.25\t2.5\t3.75\t4\t1\t4\t\t\t10\t5\t0\n"
              "2\t5\t4\t4.5\t6\t18.5\t30\t4\t30\t\t\t10\t5\t0\n");
    const CommandResult plain =
        Graph("box", Heads, "--measures X --streams Head --plot whisker --no-specs");
    EXPECT_THAT(plain.out, HasSubstr("\n2\t5\t4\t4.5\t6\t18.5\t30\t4\t30\t\t\t\t\t\n"));
}

TEST_F(CliGraph, HistogramOfOneToFive) {
    const CommandResult r = Graph("histogram", OneToFive, "--measures X --process-limits");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("Interval size used\t1\nFirst midpoint used\t1\n"
                                  "Midpoint\tHeight\n1\t1\n2\t1\n3\t1\n4\t1\n5\t1\n6\t0\n"
                                  "Line\tX\tHeight\nMean\t3\t1.05\n"));
    EXPECT_THAT(r.out, HasSubstr("\nLPL\t-1.74341649025\t1.05\n"));
}

TEST_F(CliGraph, HistogramOptions) {
    CommandResult r =
        Graph("histogram", Heads,
              "--measures X --streams Head --group 1 --interval-size 2 --first-midpoint 3 "
              "--relative --polygon");
    ASSERT_EQ(r.status, 0) << r.err;
    // The limits widen the range to 0..10, so the first midpoint 3 is lowered to -1.
    EXPECT_THAT(r.out, StartsWith("Interval size used\t2\nFirst midpoint used\t-1\n"
                                  "Midpoint\tHeight\n-3\t0\n-1\t0\n1\t0.5\n3\t0.5\n5\t0\n"));
    EXPECT_THAT(r.out, HasSubstr("Line\tX\tHeight\nLSL\t0\t0.55\nUSL\t10\t0.55\n"
                                 "Target\t5\t0.55\n"));

    r = Graph("histogram", Heads, "--measures X --streams Head --normal-curve --no-specs");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\nCurve\t"));

    r = Graph("histogram", Heads, "--measures X --streams Head --group 9");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("no group \"9\" (the groups are (All), 1, 2)"));
    r = Graph("histogram", OneToFive, "--measures X --interval-size 0.00001");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Too many intervals"));
    r = Graph("histogram", OneToFive, "--measures X --interval-size -1");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Interval Size must not be negative"));
}

TEST_F(CliGraph, FrequencyTableTypes) {
    CommandResult r = Graph("frequency", "X\n-1\n0\n1\n2\n3\n", "--measures X --type cumulative");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("MidPoint\tX\n-1.0\t0.2000\n-0.8\t\n-0.6\t\n"));
    EXPECT_THAT(r.out, HasSubstr("\n3.0\t1.0000\n"));
    r = Graph("frequency", Heads,
              "--measures X --streams Head --interval-size 10 --type relative --decimals 2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "MidPoint\t1\t2\n0\t1.00\t0.40\n10\t\t0.40\n20\t\t\n30\t\t0.20\n");
}

TEST_F(CliGraph, PerformanceChartPages) {
    const CommandResult r = Graph("ppa", Heads, "--measures X --streams Head");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("Page\tLabel\tSeries\tValue\nPPA - Bar Chart\tX\tPpm\t"));
    EXPECT_THAT(r.out, HasSubstr("\nPPA - Opportunity Analysis\t        Stream\tOpportunity\t"));
    EXPECT_THAT(r.out, HasSubstr("\nVariance - Pie\tPotential\tVariance\t"));
    EXPECT_THAT(r.out, HasSubstr("\nVariance - Bar\tX\tTarget Loss\t"));
}

TEST_F(CliGraph, SetsAndTheExampleConfiguration) {
    const std::string data = "S\tX\n1\t1\n1\t2\n2\t10\n2\t11\n2\t12\n";
    CommandResult r = Graph("box", data, "--measures X --sets S --set 2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\nX\t3\t10\t"));
    r = Graph("box", data, "--measures X --sets S --set 7");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("Set=All, Set=1, Set=2"));

    const std::string config = std::string(VOSTREL_EXAMPLES_DIR) + "/fill_weights.vos";
    r = RunCommand("LC_ALL=C " + Quote(VOSTREL_CLI) + " graph box " + Quote(config));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("Group\tn\t"));
}

TEST_F(CliGraph, UsageErrors) {
    EXPECT_EQ(Graph("pie", OneToFive, "--measures X").status, 2);
    const CommandResult r = Graph("box", OneToFive, "--measures X --polygon");
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("--polygon does not apply to this kind of graph"));
    const CommandResult text = Graph("box", "X\na\nb\n", "--measures X");
    EXPECT_EQ(text.status, 0) << text.err;  // a text measure shows its level numbers
}

#if VOSTREL_CLI_DRAWS
// The first bytes of a file, to tell its format.
std::string Head(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Width and height of a PNG from its header chunk.
std::pair<int, int> PngSize(const std::string& path) {
    const std::string h = Head(path, 24);
    const auto number = [&h](std::size_t at) {
        int value = 0;
        for (std::size_t i = at; i < at + 4; ++i) value = value * 256 + (h[i] & 0xff);
        return value;
    };
    return h.size() < 24 ? std::pair{0, 0} : std::pair{number(16), number(20)};
}

TEST_F(CliGraph, ImagesInEveryFormat) {
    const struct {
        const char* kind;
        const char* options;
        const char* file;
        std::string magic;
    } pictures[] = {
        {"box", "", "box.svg", "<?xml"},
        {"box", "--bw", "box.pdf", "%PDF"},
        {"histogram", "--normal-curve", "histogram.png", "\x89PNG"},
        {"histogram", "--bw --polygon", "histogram.bmp", "BM"},
        {"box", "", "box.jpg", "\xff\xd8"},
        {"histogram", "", "histogram.JPEG", "\xff\xd8"},
    };
    for (const auto& p : pictures) {
        const std::string file = dir_.File(p.file);
        const CommandResult r = Graph(
            p.kind, Heads,
            std::string("--measures X --streams Head ") + p.options + " --image " + Quote(file));
        ASSERT_EQ(r.status, 0) << p.file << ": " << r.err;
        EXPECT_FALSE(r.out.empty()) << p.file;  // the table is printed as well
        EXPECT_EQ(Head(file, p.magic.size()), p.magic) << p.file;
        EXPECT_GT(std::filesystem::file_size(file), 500u) << p.file;
    }
    EXPECT_THAT(Head(dir_.File("box.svg"), 4000), HasSubstr("<svg"));
}

TEST_F(CliGraph, ImageSizeAndThePerformanceChartPages) {
    const std::string file = dir_.File("ppa.png");
    const CommandResult r = Graph(
        "ppa", Heads, "--measures X --streams Head --image " + Quote(file) + " --size 640x480");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* page : {"ppa.png", "ppa-2.png", "ppa-3.png", "ppa-4.png"})
        EXPECT_EQ(PngSize(dir_.File(page)), std::pair(640, 480)) << page;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("ppa-5.png")));
    EXPECT_EQ(PngSize(dir_.File("ppa.png")), PngSize(dir_.File("ppa-4.png")));
}
#else
TEST_F(CliGraph, ImagesNeedTheDesktopProgram) {
    const CommandResult r =
        Graph("box", Heads, "--measures X --image " + Quote(dir_.File("box.png")));
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("--image is not available"));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("box.png")));
}
#endif

TEST_F(CliGraph, ImagesRefusedWithAReason) {
    // Checked before the data is read, so these hold with or without the desktop program
    // only where the message does not depend on it.
    const std::string missing = dir_.File("no such folder/box.png");
    CommandResult r = Graph("box", Heads, "--measures X --image " + Quote(missing));
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(std::filesystem::exists(missing));
#if VOSTREL_CLI_DRAWS
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("does not exist"));
    r = Graph("box", Heads, "--measures X --image " + Quote(dir_.File("box.gif")));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("File Extension Not Valid!"));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("box.gif")));
    r = Graph("box", Heads, "--measures X --image " + Quote(dir_.File("b.png")) + " --size 10x10");
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("--size needs WIDTHxHEIGHT"));
#endif
    r = Graph("box", Heads, "--measures X --bw");
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("--bw needs --image"));
    r = Graph("frequency", Heads, "--measures X --image " + Quote(dir_.File("f.png")));
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("it is a table, not a picture"));
}

}  // namespace
}  // namespace vostrel::testing
