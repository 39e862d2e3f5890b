#include "engine/data/recovery/recovery_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/data/grid/grid_commands.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/table_snapshot.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

class RecoveryFileTest : public ::testing::Test {
  protected:
    testing::ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    testing::TempDir dir;
};

TEST_F(RecoveryFileTest, ACopyBringsBackEveryCellAsAModifiedUnnamedTable) {
    testing::FillTable(ws, {"2019", "Name\\with", ""},
                       {{"1", "a b", ""}, {"", "x\\ty", "3"}, {"4", "", ""}});
    ws.table.DataGrid.SetCell(1, 2, "tab\there");  // a cell can hold nothing of this, but still
    ws.table.DescGrid.SetCell(2, DescUSLRow, "12.5");
    ws.table.DataFilename = "/home/u/fill.dat";
    const testing::TableSnapshot before = testing::Snapshot(ws.table);
    const std::string path = dir.File("copy.vrec");
    ASSERT_TRUE(WriteRecoveryFile(ws.table, path, 1700000000));

    const std::optional<RecoveryCopy> header = ReadRecoveryHeader(path);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->SavedAt, 1700000000);
    EXPECT_EQ(header->DataFilename, "/home/u/fill.dat");

    testing::ScriptedUserInterface ui2;
    Workspace fresh(ui2, settings);
    const int generation = fresh.table.TableGeneration;
    ASSERT_TRUE(LoadRecoveryFile(fresh, path));
    EXPECT_EQ(testing::Snapshot(fresh.table), before);
    EXPECT_TRUE(fresh.table.Modified);
    EXPECT_TRUE(fresh.table.DataFilename.empty());
    EXPECT_EQ(fresh.table.TableGeneration, generation + 1);
    EXPECT_EQ(fresh.data.Ncount, 3);
    EXPECT_TRUE(fresh.data.StringVar[2]);
}

TEST_F(RecoveryFileTest, ABrokenCopyIsNotLoaded) {
    const std::string path = dir.Write("broken.vrec", "VOSTREL RECOVERY 1\nSaved\t5\n");
    EXPECT_FALSE(ReadRecoveryHeader(path));
    EXPECT_FALSE(LoadRecoveryFile(ws, path));
    testing::FillTable(ws, {"A"}, {{"1"}, {"2"}});
    const std::string cut = dir.File("cut.vrec");
    ASSERT_TRUE(WriteRecoveryFile(ws.table, cut, 9));
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 6);  // no "End" line
    EXPECT_FALSE(LoadRecoveryFile(ws, cut));
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 2), "2");
}

TEST_F(RecoveryFileTest, CopiesOfRunningProgramsAreNotOffered) {
    testing::FillTable(ws, {"A"}, {{"1"}});
    ASSERT_TRUE(
        WriteRecoveryFile(ws.table, RecoveryPath(dir.Path().string()), 100));  // this process
    ASSERT_TRUE(WriteRecoveryFile(ws.table, dir.File("unsaved-999999999.vrec"), 200));
    ASSERT_TRUE(WriteRecoveryFile(ws.table, dir.File("unsaved-999999998.vrec"), 300));
    dir.Write("unsaved-x.vrec", "not a copy");
    const std::vector<RecoveryCopy> found = FindRecoveryFiles(dir.Path().string());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].SavedAt, 300);
    EXPECT_EQ(found[1].SavedAt, 200);
}

TEST_F(RecoveryFileTest, TheKeeperWritesUnsavedChangesAndRemovesTheCopyWhenSaved) {
    testing::FillTable(ws, {"A", "B"}, {{"1", "2"}});
    ws.table.Modified = false;
    RecoveryKeeper keeper(ws, dir.File("sub"));
    keeper.Tick(10);
    EXPECT_FALSE(std::filesystem::exists(keeper.Path()));
    SetCellText(ws, GridId::Data, 1, 1, "5");
    keeper.Tick(20);
    ASSERT_TRUE(std::filesystem::exists(keeper.Path()));
    EXPECT_EQ(ReadRecoveryHeader(keeper.Path())->SavedAt, 20);
    keeper.Tick(30);  // nothing new: the copy stays as it was
    EXPECT_EQ(ReadRecoveryHeader(keeper.Path())->SavedAt, 20);
    ws.table.Modified = false;  // saved
    keeper.Tick(40);
    EXPECT_FALSE(std::filesystem::exists(keeper.Path()));
}

}  // namespace
}  // namespace vostrel
