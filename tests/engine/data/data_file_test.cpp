#include "engine/data/data_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::ScriptedUserInterface;
using vostrel::testing::TempDir;

class DataFileTest : public ::testing::Test {
  protected:
    LoadResult Load(std::string_view bytes) {
        return FileToDataGrid(ws, dir.Write("data.dat", bytes));
    }
    std::string Cell(int c, int r) const { return ws.table.DataGrid.CellString(c, r); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int c = 1; c <= ws.table.MaxCol(); ++c) names.push_back(ws.table.ColumnName(c));
        return names;
    }
    std::vector<std::string> Row(int r) const {
        std::vector<std::string> cells;
        for (int c = 1; c <= ws.table.MaxCol(); ++c) cells.push_back(Cell(c, r));
        return cells;
    }

    TempDir dir;
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

TEST_F(DataFileTest, NamesDescriptionsCommentsAndCases) {
    ASSERT_EQ(Load("Height Weight\r\n"
                   "* measured on Monday\r\n"
                   "Title:\tBody height\t\tX\r\n"
                   "usl:\t200\t90\r\n"
                   "\r\n"
                   "180\t75\r\n"
                   "170,,\r\n"
                   "  160    65  \r\n"),
              LoadResult::Loaded);
    EXPECT_THAT(Names(), ElementsAre("Height", "Weight", "Col3"));
    EXPECT_EQ(ws.table.DescGrid.CellString(1, DescTitleRow), "Body height");
    EXPECT_EQ(ws.table.DescGrid.CellString(2, DescTitleRow), "");
    EXPECT_EQ(ws.table.DescGrid.CellString(3, DescTitleRow), "X");
    EXPECT_EQ(ws.data.ColumnUSL(2), 90);
    EXPECT_EQ(ws.table.CaseRows(), 3);
    EXPECT_EQ(ws.data.Ncount, 3);
    EXPECT_THAT(Row(1), ElementsAre("180", "75", ""));
    EXPECT_THAT(Row(2), ElementsAre("170", "", ""));
    EXPECT_THAT(Row(3), ElementsAre("160", "65", ""));
    EXPECT_EQ(Cell(0, 2), "2");
    EXPECT_TRUE(ws.table.HasNames);
    EXPECT_TRUE(ws.table.HasDescriptions);
    EXPECT_FALSE(ws.table.Modified);
    EXPECT_EQ(ws.mru.Flist[0], dir.File("data.dat"));
    EXPECT_EQ(ui.progressCaptions, std::vector<std::string>{"Loading File..."});
    EXPECT_EQ(ui.progress.back(), 100);
    EXPECT_EQ(ui.progressEnds, 1);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(DataFileTest, AFirstLineWithANumberIsACase) {
    Load("Height 12\n5 6\n");
    EXPECT_THAT(Names(), ElementsAre("Col1", "Col2"));
    EXPECT_THAT(Row(1), ElementsAre("Height", "12"));
    EXPECT_TRUE(ws.data.StringVar[1]);
    EXPECT_FALSE(ws.table.HasNames);
}

TEST_F(DataFileTest, NamesAreRecognisedOnlyOnTheFirstLine) {
    Load("USL:\t5\nA\tB\n1\t2\n");
    EXPECT_THAT(Names(), ElementsAre("Col1", "Col2"));
    EXPECT_THAT(Row(1), ElementsAre("A", "B"));
    Load("*Height Weight\nA B\n");
    EXPECT_THAT(Row(1), ElementsAre("A", "B"));
}

TEST_F(DataFileTest, ADescriptionValueRightAfterTheColonKeepsItsFirstCharacter) {
    ASSERT_EQ(Load("A\tB\n"
                   "USL:510\t520\n"
                   "Target: 500\n"
                   "LSL:\t\t480\n"
                   "Title:Weight\n"
                   "1\t2\n"),
              LoadResult::Loaded);
    EXPECT_EQ(ws.data.ColumnUSL(1), 510);
    EXPECT_EQ(ws.data.ColumnUSL(2), 520);
    EXPECT_EQ(ws.data.ColumnTarget(1), 500);
    // One tab after the colon is the separator; the second one leaves column 1 empty.
    EXPECT_EQ(ws.data.ColumnLSL(1), MissingValue);
    EXPECT_EQ(ws.data.ColumnLSL(2), 480);
    EXPECT_EQ(ws.table.DescGrid.CellString(1, DescTitleRow), "Weight");
}

TEST_F(DataFileTest, ColumnsGrowWithLongerLinesAndTrailingTabs) {
    Load("A\tB\t\n1\t2\t3\t4\n5\t\n");
    EXPECT_THAT(Names(), ElementsAre("A", "B", "Col3", "Col4"));
    EXPECT_THAT(Row(2), ElementsAre("5", "", "", ""));
}

TEST_F(DataFileTest, AnyLineEndReads) {
    for (std::string_view bytes : {"1 2\n3 4\n", "1 2\r\n3 4\r\n", "1 2\r3 4\r", "1 2\n3 4"}) {
        Load(bytes);
        EXPECT_EQ(ws.table.CaseRows(), 2) << bytes;
        EXPECT_THAT(Row(2), ElementsAre("3", "4")) << bytes;
    }
}

TEST_F(DataFileTest, AByteOrderMarkIsNotPartOfTheFirstName) {
    Load("\xEF\xBB\xBFHeight\tWeight\n1\t2\n");
    EXPECT_THAT(Names(), ElementsAre("Height", "Weight"));
    Load(
        "\xEF\xBB\xBF"
        "1\t2\n");
    EXPECT_THAT(Row(1), ElementsAre("1", "2"));
    EXPECT_FALSE(ws.data.StringVar[1]);
}

TEST_F(DataFileTest, WideLinesAreTruncatedWithOneWarning) {
    std::string line, names;
    for (int i = 1; i <= 600; ++i) {
        line += std::to_string(i) + "\t";
        names += "N" + std::to_string(i) + "\t";
    }
    Load(names + "\n" + line + "\n" + line + "\n");
    EXPECT_EQ(ws.table.MaxCol(), 512);
    EXPECT_EQ(Cell(512, 2), "512");
    EXPECT_EQ(ws.table.ColumnName(512), "N512");
    EXPECT_THAT(ui.warnings,
                ElementsAre("The Maximum Number of Columns was Exceeded. Columns Truncated."));
}

TEST_F(DataFileTest, EmptyAndOddFilesGiveAnEmptyOrPartialTable) {
    EXPECT_EQ(Load(""), LoadResult::Loaded);
    EXPECT_FALSE(ws.table.HaveData());
    Load("* only\n* comments\n");
    EXPECT_FALSE(ws.table.HaveData());
    Load("Height\tWeight\n");
    EXPECT_THAT(Names(), ElementsAre("Height", "Weight"));
    EXPECT_EQ(ws.table.CaseRows(), 1);
    EXPECT_EQ(ws.data.Ncount, 1);
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
    EXPECT_EQ(Load(garbage), LoadResult::Loaded);
    std::string longLine(10 * 1024 * 1024, '7');
    EXPECT_EQ(Load(longLine), LoadResult::Loaded);
    EXPECT_EQ(Cell(1, 1).size(), longLine.size());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(DataFileTest, UnreadableFilesGiveFileErrors) {
    EXPECT_EQ(FileToDataGrid(ws, dir.File("missing.dat")), LoadResult::Failed);
    EXPECT_EQ(FileToDataGrid(ws, dir.Path().string()), LoadResult::Failed);
    EXPECT_THAT(ui.errors, ElementsAre("File Error", "File Error"));
    if (geteuid() != 0) {  // root reads anything
        const std::string file = dir.Write("locked.dat", "1\n");
        chmod(file.c_str(), 0);
        EXPECT_EQ(FileToDataGrid(ws, file), LoadResult::Failed);
        EXPECT_EQ(ui.errors.back(), "File Error!");
    }
    EXPECT_FALSE(ws.table.HaveData());
    EXPECT_TRUE(ws.table.DataFilename.empty());
}

TEST_F(DataFileTest, AModifiedTableIsOfferedForSavingFirst) {
    Load("1\n2\n");
    ws.table.Modified = true;
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(Load("3\n"), LoadResult::Cancelled);
    EXPECT_EQ(Cell(1, 2), "2");
    EXPECT_EQ(ui.questions.back(), "File Not Saved.  Save?");

    // Yes with a save that did not happen keeps the table too.
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Load("3\n"), LoadResult::Cancelled);
    EXPECT_EQ(ui.saveAsRequests, 1);
    EXPECT_EQ(Cell(1, 2), "2");

    ui.answers = {Answer::No};
    EXPECT_EQ(Load("3\n"), LoadResult::Loaded);
    EXPECT_EQ(Cell(1, 1), "3");
}

TEST_F(DataFileTest, ACancelledLoadLeavesAnEmptyTableWithoutTheFileName) {
    ui.cancelProgress = true;
    EXPECT_EQ(Load("A\tB\n1\t2\n3\t4\n"), LoadResult::Cancelled);
    EXPECT_FALSE(ws.table.HaveData());
    EXPECT_TRUE(ws.table.DataFilename.empty());  // Save cannot overwrite the file with a part
    EXPECT_EQ(ui.progressEnds, 1);
    EXPECT_EQ(ui.busyDepth, 0);
    ui.cancelProgress = false;
    EXPECT_EQ(Load("A\tB\n1\t2\n"), LoadResult::Loaded);  // the next load is not refused
}

TEST_F(DataFileTest, LoadingReArmsTheBlankCommasQuestion) {
    ui.answers = {Answer::Yes};
    ParseNumberList("1,,2", ui, ws.blankCommas);
    ASSERT_TRUE(ws.blankCommas.Asked());
    Load("1\n");
    EXPECT_FALSE(ws.blankCommas.Asked());
}

TEST_F(DataFileTest, SaveWritesNamesDescriptionsAndCasesWithCrLf) {
    Load("Height\tWeight\nTitle:\tH\t\n1\t2\n3\t\n");
    const std::string out = dir.File("out.zqx");
    ASSERT_TRUE(SaveFile(ws, out, true, true, false));
    EXPECT_EQ(TempDir::Read(out), "Height\tWeight\r\nTitle:\tH\t\r\n1\t2\r\n3\t\r\n");
    EXPECT_EQ(ws.table.DataFilename, out);
    EXPECT_EQ(ws.mru.Flist[0], out);

    // Reading it back gives the same table.
    ASSERT_EQ(FileToDataGrid(ws, out), LoadResult::Loaded);
    EXPECT_THAT(Names(), ElementsAre("Height", "Weight"));
    EXPECT_EQ(ws.table.DescGrid.CellString(1, DescTitleRow), "H");
    EXPECT_THAT(Row(2), ElementsAre("3", ""));
}

TEST_F(DataFileTest, DefaultNamesAndSelectedBlocksWriteLess) {
    Load("1\t2\t3\nUSL:\t9\n4\t5\t6\n");
    EXPECT_EQ(DataFileText(ws.table, true, true, false), "USL:\t9\t\t\r\n1\t2\t3\r\n4\t5\t6\r\n");
    ws.table.Selection = GridRect{2, 1, 3, 2};
    EXPECT_EQ(DataFileText(ws.table, true, true, true), "2\t3\r\n5\t6\r\n");
    SaveOptions options = PrepareSaveOptions(ws.table);
    EXPECT_TRUE(options.SelectionEnabled);
    EXPECT_FALSE(options.VarNamesEnabled);
    EXPECT_TRUE(options.DescriptionsEnabled);
    EXPECT_TRUE(options.ShowDialog());
}

TEST_F(DataFileTest, NamesThatLookLikeNumbersReadBackAsACase) {
    Load("1\t2\n");
    ws.table.SetColumnName(1, "Height");
    ws.table.SetColumnName(2, "2019");
    const std::string out = dir.File("years.dat");
    ASSERT_TRUE(SaveFile(ws, out, true, false, false));
    FileToDataGrid(ws, out);
    EXPECT_THAT(Names(), ElementsAre("Col1", "Col2"));
    EXPECT_THAT(Row(1), ElementsAre("Height", "2019"));
    EXPECT_TRUE(ws.data.StringVar[1]);
}

TEST_F(DataFileTest, AFailedSaveKeepsTheOldFileAndTheModifiedState) {
    Load("1\n2\n");
    const std::string out = dir.Write("keep.dat", "old contents\r\n");
    ws.table.Modified = true;
    ws.table.DataFilename = "elsewhere.dat";
    EXPECT_FALSE(SaveFile(ws, dir.File("no-such-folder/x.dat"), true, true, false));
    EXPECT_THAT(ui.errors, ElementsAre("Error Writing File"));
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_EQ(ws.table.DataFilename, "elsewhere.dat");
    if (geteuid() != 0) {
        chmod(dir.Path().c_str(), 0500);  // the folder takes no new file
        EXPECT_FALSE(SaveFile(ws, out, true, true, false));
        chmod(dir.Path().c_str(), 0700);
        EXPECT_EQ(TempDir::Read(out), "old contents\r\n");
    }
    // Nothing is left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);  // data.dat and keep.dat
}

}  // namespace
}  // namespace vostrel
