// vostrel-cli chart --image: pictures of every chart of a list, by extension, and the
// paths that cannot be written.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::HasSubstr;

std::string Start(const std::string& file, std::size_t bytes) {
    return TempDir::Read(file).substr(0, bytes);
}

class CliChartImage : public ::testing::Test {
  protected:
    CommandResult Chart(const std::string& options) {
        return RunCommand("LC_ALL=C " + Quote(VOSTREL_CLI) + " chart " +
                          Quote(VOSTREL_EXAMPLES_DIR "/fill_weights.dat") + " " + options);
    }
    // Skips the test when the tool was built without the desktop program.
    bool ImagesAvailable() {
        const CommandResult r = Chart("--measures W1 --image " + Quote(dir_.File("probe.png")));
        return !(r.status == 2 && r.err.find("not available") != std::string::npos);
    }

    TempDir dir_{"cli-image"};
};

TEST_F(CliChartImage, WritesEachChartInTheFormatOfItsExtension) {
    if (!ImagesAvailable()) GTEST_SKIP() << "built without the desktop program";
    // Six filling heads: six pictures, the first under the name given.
    const std::string png = dir_.File("heads.png");
    CommandResult r = Chart(
        "--measures W1,W2,W3,W4,W5 --rows --groups Head --zones --codes "
        "--size 800x500 --image " +
        Quote(png));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Start(png, 4), "\x89PNG");
    for (int i = 2; i <= 6; ++i) {
        EXPECT_TRUE(std::filesystem::exists(dir_.File("heads-" + std::to_string(i) + ".png")));
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.File("heads-7.png")));
    // The report is printed as without --image.
    EXPECT_THAT(r.out, HasSubstr("Mean and Range Chart: "));

    const std::string svg = dir_.File("w1.svg");
    r = Chart("--measures W1 --bw --limit-info --image " + Quote(svg));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = TempDir::Read(svg);
    EXPECT_THAT(text, HasSubstr("<svg"));
    EXPECT_THAT(text, HasSubstr("X and Moving Range Chart: Jar 1 (g)"));

    const std::string pdf = dir_.File("w1.PDF");
    r = Chart("--measures W1 --slider 90 --image " + Quote(pdf));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Start(pdf, 4), "%PDF");
}

TEST_F(CliChartImage, RefusesPathsItCannotWrite) {
    if (!ImagesAvailable()) GTEST_SKIP() << "built without the desktop program";
    CommandResult r = Chart("--measures W1 --image " + Quote(dir_.File("no/folder/a.png")));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("does not exist"));
    EXPECT_TRUE(r.out.empty());

    r = Chart("--measures W1 --image " + Quote(dir_.File("a.emf")));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("File Extension Not Valid!"));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("a.emf")));
}

TEST_F(CliChartImage, PictureOptionsFollowTheViewMenu) {
    if (!ImagesAvailable()) GTEST_SKIP() << "built without the desktop program";
    const std::string png = Quote(dir_.File("a.png"));
    // Not for an X chart, and nothing without a picture.
    EXPECT_EQ(Chart("--measures W1 --all-points --image " + png).status, 2);
    EXPECT_EQ(Chart("--measures W1 --zones").status, 2);
    EXPECT_EQ(Chart("--measures W1 --codes --no-violations --image " + png).status, 2);
    EXPECT_EQ(Chart("--measures W1 --slider 95 --image " + png).status, 2);
    EXPECT_EQ(Chart("--measures W1 --size 10x10 --image " + png).status, 2);
    const CommandResult r = Chart(
        "--measures W1,W2,W3,W4,W5 --rows --all-points --sigma-lines --specs "
        "--point-size 5 --line-width 2 --image " +
        png);
    EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
}  // namespace vostrel::testing
