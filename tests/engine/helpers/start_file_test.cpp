// Files chosen at start, dropped or typed: what is opened and what the user is told.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/helpers/command_line.h"
#include "engine/helpers/file_checks.h"
#include "engine/helpers/window_order.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

using testing::TempDir;

TEST(StartFile, TheArgumentOrTheMostRecentFileInAnyCase) {
    TempDir dir;
    const std::string data = dir.Write("a.dat", "1\n");
    const std::string recent = dir.Write("b.vos", "TITLE:x\r\n");

    EXPECT_EQ(ResolveStartFile("  " + data + " ", recent).path, data);
    for (const char* keyword : {"@LAST", "@last", "@Last"}) {
        const StartFile start = ResolveStartFile(keyword, recent);
        EXPECT_EQ(start.path, recent) << keyword;
        EXPECT_TRUE(start.problem.empty());
    }
    // Nothing to open is no problem.
    EXPECT_TRUE(ResolveStartFile("", recent).path.empty());
    EXPECT_TRUE(ResolveStartFile("", recent).problem.empty());
}

TEST(StartFile, MissingFilesAndAnEmptyListAreExplained) {
    TempDir dir;
    const std::string missing = dir.File("gone.dat");
    StartFile start = ResolveStartFile(missing, "");
    EXPECT_TRUE(start.path.empty());
    EXPECT_EQ(start.problem, "File Not Found!\n\n" + missing);

    start = ResolveStartFile("@last", "");
    EXPECT_TRUE(start.path.empty());
    EXPECT_NE(start.problem.find("no recently used file"), std::string::npos);

    // The most recent file was deleted since.
    start = ResolveStartFile("@LAST", missing);
    EXPECT_EQ(start.problem, "File Not Found!\n\n" + missing);
}

TEST(OpenFileProblem, FoldersAndUnreadableFilesAreRefusedWithTheirOwnMessage) {
    TempDir dir;
    EXPECT_TRUE(OpenFileProblem(dir.Write("ok.dat", "1\n")).empty());
    EXPECT_NE(OpenFileProblem(dir.Path().string()).find("folder"), std::string::npos);

    const std::string locked = dir.Write("locked.dat", "1\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (!std::ifstream(locked)) {  // root reads everything
        EXPECT_NE(OpenFileProblem(locked).find("cannot be read"), std::string::npos);
    }
    EXPECT_NE(OpenFileProblem("").find("File Not Found!"), std::string::npos);
}

TEST(WithDefaultExtension, OnlyANameWithoutExtensionGetsOne) {
    EXPECT_EQ(WithDefaultExtension("/tmp/run", "vos"), "/tmp/run.vos");
    EXPECT_EQ(WithDefaultExtension("/tmp/run.zqx", "vos"), "/tmp/run.zqx");
    EXPECT_EQ(WithDefaultExtension("/tmp/my.folder/run", "rtf"), "/tmp/my.folder/run.rtf");
    EXPECT_EQ(WithDefaultExtension("", "vos"), "");
}

TEST(DataFileNameProblem, AConfigurationNameIsRefusedForTheTable) {
    EXPECT_NE(DataFileNameProblem("/tmp/run.VOS").find(".vos"), std::string::npos);
    EXPECT_EQ(DataFileNameProblem("/tmp/run.zqx"), "");
    EXPECT_EQ(DataFileNameProblem("/tmp/vos"), "");
}

TEST(NextFormIndex, WalksFromTheOldestWindowSkippingDialogsAndHiddenOnes) {
    const WindowState shown{true, false}, hidden{false, false}, dialog{true, true};
    // main (most recent), output, a hidden chart window, the user-set dialog.
    const std::vector<WindowState> windows = {shown, shown, hidden, dialog};
    EXPECT_EQ(NextFormIndex(windows, true), 1);
    EXPECT_EQ(NextFormIndex(windows, false), 2);  // a hidden window is shown again
    // Fewer than three windows: nothing happens.
    EXPECT_EQ(NextFormIndex({shown, shown}, true), -1);
    EXPECT_EQ(NextFormIndex({dialog, dialog, hidden}, true), -1);
}

}  // namespace
}  // namespace vostrel
