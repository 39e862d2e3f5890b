// Configuration files: what is written, what is read back, the old limit lines, the data
// file search and the messages for files that do not match their data.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis_fixture.h"
#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/data/transform.h"
#include "engine/helpers/column_code.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr char kData[] =
    "Id\tHead\tA\tB\n1\t1\t5.1\t5.3\n2\t2\t4.9\t5.0\n3\t1\t5.2\t5.4\n4\t2\t5.0\t4.8\n";

class ConfigTest : public AnalysisTest {
  protected:
    ConfigTest() { dataFile = dir.Write("parts.dat", kData); }

    // A second workspace that reads what the first one wrote.
    struct Reader {
        ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws{ui, settings};
    };

    void LoadData() {
        ASSERT_EQ(FileToDataGrid(ws, dataFile), LoadResult::Loaded);
        ws.analysis.Settings.RebuildVariableLists(ws.data, true);
    }

    TempDir dir;
    std::string dataFile;
    AnalysisSettings& s = ws.analysis.Settings;
};

TEST_F(ConfigTest, WritesTheFifteenLinesInOrder) {
    LoadData();
    Measures({3, 4});
    Streams({2});
    s.Multiple = MultipleMeasures::RepeatedMeasures;
    s.SetTitle("Heads");
    s.SetDecimals(3);
    s.Measurement.Set("0.05", 0.05);
    s.Stream.Set("0.2", 0.2);
    ws.rules.SetMissingRule(2, 3, "99", 99);
    ws.rules.SetProcessIfRule(1, 1, 7, "Id", 0, "[1,2,3]");
    ws.rules.SetProcessIfRule(3, 2, 6, "Head", 9, "9");
    SetTransform(ws.transform, 2, "1", "0.5", "2", 1, 0.5, 2);
    EXPECT_EQ(ConfigFileText(ws),
              "TITLE:Heads\r\nDECIMALS:3\r\nDATAFILE:" + dataFile +
                  "\r\nCOLNAMES:Id Head A B\r\nMEASURES:3 4\r\nMULTIPLE:1\r\nGROUPS:2\r\n"
                  "USERMEAS:0.05\r\nUSERPOT:\r\nUSERSTREAM:0.2\r\nMISSING1:\r\nMISSING2:3 99\r\n"
                  "PROCESSIF1:1 7 [1,2,3]\r\nPROCESSIF2:2 6 9 1\r\nTRANSFORM:2 1 0.5 2\r\n");
}

TEST_F(ConfigTest, EverySettingRoundTrips) {
    LoadData();
    Measures({3, 4});
    Streams({2});
    s.Multiple = MultipleMeasures::RepeatedMeasures;
    s.SetTitle("Heads: left and right");
    s.SetDecimals(2);
    s.Potential.Set("0.3", 0.3);
    ws.rules.SetMissingRule(1, 5, "-1", -1);
    ws.rules.SetProcessIfRule(1, 1, 8, "Id", 0, "[2,4]");
    ws.rules.SetProcessIfRule(3, 3, 3, "A", 4.9, "4.9");
    SetTransform(ws.transform, 1, "2", "1", "1", 2, 1, 1);
    const std::string config = dir.File("run.vos");
    ASSERT_TRUE(SaveConfig(ws, config));
    EXPECT_EQ(ws.analysis.ConfigFileName, config);
    EXPECT_EQ(ws.mru.Flist[0], config);

    Reader r;
    ASSERT_TRUE(LoadConfig(r.ws, config)) << ::testing::PrintToString(r.ui.errors);
    const AnalysisSettings& t = r.ws.analysis.Settings;
    EXPECT_EQ(t.Title, "Heads: left and right");
    EXPECT_EQ(t.DecimalsBox, 2);
    EXPECT_EQ(r.ws.table.DataFilename, dataFile);
    EXPECT_EQ(t.Measures.Columns(), (std::vector<int>{3, 4}));
    EXPECT_EQ(t.Streams.Columns(), (std::vector<int>{2}));
    EXPECT_EQ(t.DataVariables.Columns(), (std::vector<int>{1}));
    EXPECT_EQ(t.Multiple, MultipleMeasures::RepeatedMeasures);
    EXPECT_TRUE(t.Potential.InUse && t.Potential.Visible && t.Potential.Checked);
    EXPECT_EQ(t.Potential.Text, "0.3");
    EXPECT_EQ(t.Potential.Value, 0.3);
    EXPECT_FALSE(t.Measurement.InUse);
    EXPECT_EQ(r.ws.rules.Missing.MissingText1(), "X <= -1");
    EXPECT_TRUE(r.ws.rules.Missing.Active);
    // The whole list comes back, and the Or.
    EXPECT_EQ(r.ws.rules.ProcessIf.ProcessIfText1(), "Id Not in [2,4]");
    EXPECT_EQ(r.ws.rules.ProcessIf.Condition1.LA, (std::vector<double>{2, 4}));
    EXPECT_EQ(r.ws.rules.ProcessIf.ProcessIfText2(), "A >= 4.9");
    EXPECT_EQ(r.ws.rules.ProcessIf.AndOr, 1);
    EXPECT_EQ(TransformText(r.ws.transform), TransformText(ws.transform));
    EXPECT_EQ(ConfigFileText(r.ws), ConfigFileText(ws));
    EXPECT_TRUE(r.ui.errors.empty());
}

TEST_F(ConfigTest, LongLinesReloadWhole) {
    // 100 columns named Measurement_NNN make COLNAMES, MEASURES and an "in" list of 100
    // values far longer than 255 characters.
    std::vector<std::string> names;
    std::vector<std::string> row;
    std::vector<int> all;
    std::string list;
    for (int c = 1; c <= 100; ++c) {
        names.push_back("Measurement_" + std::to_string(c));
        row.push_back(std::to_string(c));
        all.push_back(c);
        list += (c > 1 ? "," : "") + std::to_string(c);
    }
    Table(names, {row, row});
    ASSERT_TRUE(SaveFile(ws, dir.File("wide.dat"), true, true, false));
    Measures(all);
    ws.rules.SetProcessIfRule(1, 1, 7, names[0], 0, list);
    const std::string config = dir.File("wide.vos");
    ASSERT_TRUE(SaveConfig(ws, config));

    Reader r;
    ASSERT_TRUE(LoadConfig(r.ws, config)) << ::testing::PrintToString(r.ui.errors);
    EXPECT_EQ(r.ws.analysis.Settings.Measures.Columns(), all);
    EXPECT_EQ(r.ws.rules.ProcessIf.Condition1.LA.size(), 100u);
    EXPECT_EQ(r.ws.rules.ProcessIf.Condition1.XV, "[" + list + "]");
    EXPECT_EQ(ConfigFileText(r.ws), ConfigFileText(ws));
}

TEST_F(ConfigTest, NamesWithSpacesInAFullWidthTableAreNotRenamed) {
    // 512 names, one with a space: split, they give more names than the reader keeps, and
    // the 512 it keeps would rename every column after the first.
    std::vector<std::string> names = {"Left side"};
    for (int c = 2; c <= MaxColumns; ++c) names.push_back("C" + std::to_string(c));
    Table(names, {std::vector<std::string>(names.size(), "1")});
    ASSERT_TRUE(SaveFile(ws, dir.File("full.dat"), true, true, false));
    Measures({2});
    const std::string config = dir.File("full.vos");
    ASSERT_TRUE(SaveConfig(ws, config));
    Reader r;
    ASSERT_TRUE(LoadConfig(r.ws, config)) << ::testing::PrintToString(r.ui.errors);
    EXPECT_EQ(r.ws.table.ColumnName(1), "Left side");
    EXPECT_EQ(r.ws.table.ColumnName(2), "C2");
    EXPECT_EQ(r.ws.table.ColumnName(MaxColumns), "C512");
}

TEST_F(ConfigTest, ReadsKeysAsTheyComeAndIgnoresWhatItDoesNotKnow) {
    const std::string config =
        dir.Write("keys.vos",
                  "  title:My run\r\nTITLE :ignored\r\nno colon here\nUNKNOWN:1\rdecimals: 3 "
                  "\r\nDECIMALS:12\r\n"
                  "DATAFILE:parts.dat\nmeasures:3\nMultiple:7\nUSERSTREAM:-2\r\nUSERMEAS:abc\r\n"
                  "MISSING1:9 1\r\nTRANSFORM:1 2\r\nPROCESSIF1:3 7 [1,x]\r\n");
    Reader r;
    ASSERT_TRUE(LoadConfig(r.ws, config));
    const AnalysisSettings& t = r.ws.analysis.Settings;
    EXPECT_EQ(t.Title, "My run");
    EXPECT_EQ(t.DecimalsBox, 3);
    // A name without a folder is found next to the configuration file.
    EXPECT_EQ(r.ws.table.DataFilename, dataFile);
    EXPECT_EQ(t.Measures.Columns(), (std::vector<int>{3}));
    EXPECT_EQ(t.Multiple, MultipleMeasures::SampleItems);
    EXPECT_FALSE(t.Stream.InUse);
    EXPECT_FALSE(t.Measurement.InUse);
    EXPECT_FALSE(r.ws.rules.Missing.Active);  // relation 9 does not exist
    EXPECT_FALSE(r.ws.transform.On());        // three constants are needed
    // A list of text is refused like a value of text, not kept as a list that selects nothing.
    EXPECT_FALSE(r.ws.rules.ProcessIf.Condition1.On());
    EXPECT_FALSE(r.ws.rules.ProcessIf.Active);
    EXPECT_FALSE(r.ws.analysis.SpecsFound.Seen);
}

TEST_F(ConfigTest, AListOfBlankEntriesReadsBackAsWritten) {
    // "[,]" (two missing values) holds no number; it was cleared when read back, so a
    // configuration written from it changed on the next save.
    const std::string config =
        dir.Write("blank.vos", "DATAFILE:parts.dat\r\nMEASURES:3\r\nPROCESSIF1:2 7 ,3[,]21\r\n");
    Reader r;
    ASSERT_TRUE(LoadConfig(r.ws, config));
    const ProcessIfCondition& c = r.ws.rules.ProcessIf.Condition1;
    EXPECT_TRUE(c.On());
    EXPECT_EQ(c.XV, "[,]");
    EXPECT_EQ(c.LA, (std::vector<double>{MissingValue, MissingValue}));
    const std::string text = ConfigFileText(r.ws);
    EXPECT_THAT(text, HasSubstr("\r\nPROCESSIF1:2 7 [,]\r\n"));

    Reader again;
    ASSERT_TRUE(LoadConfig(again.ws, dir.Write("again.vos", text)));
    EXPECT_EQ(ConfigFileText(again.ws), text);
}

TEST_F(ConfigTest, OldLimitLinesAreShownButNotApplied) {
    const std::string config =
        dir.Write("old.vos", "DATAFILE:parts.dat\r\nMEASURES:3\r\nUSL:10\r\nLSL:2.5\r\n");
    ASSERT_TRUE(LoadConfig(ws, config));
    const LegacySpecifications& specs = ws.analysis.SpecsFound;
    EXPECT_TRUE(specs.Seen);
    EXPECT_EQ(specs.USL, "10");
    EXPECT_EQ(specs.Target, "");
    EXPECT_EQ(specs.LSL, "2.5");
    EXPECT_EQ(ws.data.ColumnUSL(3), MissingValue);
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), ::testing::Not(HasSubstr("Specifications")));
}

TEST_F(ConfigTest, ColumnsThatDoNotMatchStopTheVariableLists) {
    const std::string config =
        dir.Write("cols.vos",
                  "DATAFILE:parts.dat\r\nCOLNAMES:Id Head A\r\nMEASURES:3\r\nTITLE:still read\r\n");
    EXPECT_FALSE(LoadConfig(ws, config));
    EXPECT_THAT(ui.errors, ElementsAre("Vostrel Config File Columns Do Not Match Data!"));
    EXPECT_TRUE(s.Measures.Empty());
    EXPECT_EQ(s.Title, "still read");

    ui.errors.clear();
    const std::string measures =
        dir.Write("m.vos", "DATAFILE:parts.dat\r\nMEASURES:3 9\r\nGROUPS:2\r\n");
    EXPECT_FALSE(LoadConfig(ws, measures));
    EXPECT_THAT(ui.errors, ElementsAre("Vostrel Config File Measures Do Not Match Data!"));
    EXPECT_TRUE(s.Measures.Empty());
    EXPECT_TRUE(s.Streams.Empty());

    ui.errors.clear();
    const std::string groups =
        dir.Write("g.vos", "DATAFILE:parts.dat\r\nMEASURES:3\r\nGROUPS:3\r\n");
    EXPECT_FALSE(LoadConfig(ws, groups));
    EXPECT_THAT(ui.errors, ElementsAre("Vostrel Config File Group Variables Do Not Match Data!"));
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{3}));
}

TEST_F(ConfigTest, ColumnNamesRenameTheColumns) {
    const std::string config = dir.Write(
        "rename.vos", "DATAFILE:parts.dat\r\nCOLNAMES:Part,Nozzle First Second\r\nMEASURES:3\r\n");
    ASSERT_TRUE(LoadConfig(ws, config));
    EXPECT_EQ(ws.table.ColumnName(2), "Nozzle");
    EXPECT_EQ(ColumnItemName(s.Measures.Items()[0]), "First");
    ASSERT_EQ(Run(), ActionResult::Completed);
    EXPECT_THAT(Report(), HasSubstr("\tMeasures:\n\t\tFirst\n"));
}

TEST_F(ConfigTest, NamesWithSpacesStillMatchTheirOwnData) {
    LoadData();
    ws.table.SetColumnName(3, "Left side");
    s.RebuildVariableLists(ws.data, true);
    Measures({3});
    const std::string config = dir.File("spaces.vos");
    ASSERT_TRUE(SaveConfig(ws, config));
    Reader r;
    // The data file on disk still has the old names: the names in the file do not match.
    EXPECT_FALSE(LoadConfig(r.ws, config));
    EXPECT_THAT(r.ui.errors, ElementsAre("Vostrel Config File Columns Do Not Match Data!"));

    // Once the data carry the same names, the file opens although the names split apart.
    ws.table.Modified = true;
    ASSERT_TRUE(SaveConfig(ws, config));
    Reader again;
    ASSERT_TRUE(LoadConfig(again.ws, config)) << ::testing::PrintToString(again.ui.errors);
    EXPECT_EQ(again.ws.table.ColumnName(3), "Left side");
    EXPECT_EQ(again.ws.analysis.Settings.Measures.Columns(), (std::vector<int>{3}));
}

TEST_F(ConfigTest, AMissingDataFileCanBeSearchedFor) {
    const std::string config =
        dir.Write("lost.vos", "DATAFILE:/nowhere/parts.dat\r\nMEASURES:3\r\nTITLE:kept\r\n");
    EXPECT_FALSE(LoadConfig(ws, config));
    EXPECT_THAT(ui.questions, ElementsAre("Data File Not Found. Do you wish to Search for file?"));
    EXPECT_EQ(ui.openRequests, 0);
    EXPECT_TRUE(s.Measures.Empty());
    EXPECT_EQ(s.Title, "kept");
    ASSERT_EQ(ui.warnings.size(), 1u);
    EXPECT_NE(ui.warnings[0].find("/nowhere/parts.dat"), std::string::npos);

    ui.answers = {Answer::Yes};
    EXPECT_FALSE(LoadConfig(ws, config));  // the dialog is cancelled
    EXPECT_EQ(ui.openRequests, 1);

    ui.answers = {Answer::Yes};
    ui.openFileName = dataFile;
    EXPECT_TRUE(LoadConfig(ws, config));
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{3}));
    EXPECT_EQ(ws.analysis.ConfigFileName, config);
}

TEST_F(ConfigTest, TheLoadedDataFileIsNotReadAgain) {
    LoadData();
    ws.table.DataGrid.SetCell(3, 1, "7.7");  // an edit that a reload would lose
    ws.table.Modified = true;
    const std::string config = dir.Write("same.vos", "DATAFILE:" + dataFile + "\r\nMEASURES:3\r\n");
    ASSERT_TRUE(LoadConfig(ws, config));
    EXPECT_EQ(ws.table.DataGrid.CellString(3, 1), "7.7");
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(ConfigTest, SavingAsksToSaveUnnamedDataAndSavesModifiedData) {
    Table({"A"}, {{"1"}, {"2"}});
    Measures({1});
    ASSERT_TRUE(SaveConfig(ws, dir.File("a.vos")));
    EXPECT_THAT(ui.questions, ElementsAre("Do you wish to save Data File first?"));
    EXPECT_EQ(ui.saveAsRequests, 0);
    EXPECT_THAT(TempDir::Read(dir.File("a.vos")), HasSubstr("\r\nDATAFILE:\r\n"));

    LoadData();
    ws.table.DataGrid.SetCell(3, 1, "6.5");
    ws.table.Modified = true;
    ASSERT_TRUE(SaveConfig(ws, dir.File("b.vos")));
    EXPECT_FALSE(ws.table.Modified);
    EXPECT_THAT(TempDir::Read(dataFile), HasSubstr("6.5"));
}

TEST_F(ConfigTest, SaveAsWritesDataUnlessTheNameIsAConfiguration) {
    LoadData();
    Measures({3});
    ASSERT_TRUE(SaveConfigOrData(ws, dir.File("copy.zqx"), true, false));
    EXPECT_EQ(TempDir::Read(dir.File("copy.zqx")).substr(0, 13), "Id\tHead\tA\tB\r\n");
    EXPECT_EQ(ws.analysis.ConfigFileName, "");
    ASSERT_TRUE(SaveConfigOrData(ws, dir.File("run.vos"), true, false));
    EXPECT_EQ(TempDir::Read(dir.File("run.vos")).substr(0, 7), "TITLE:\r");
}

TEST_F(ConfigTest, AFileThatCannotBeWrittenIsReported) {
    LoadData();
    EXPECT_FALSE(SaveConfig(ws, dir.File("no/such/folder/run.vos")));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_THAT(ui.errors[0], HasSubstr("run.vos"));
    EXPECT_EQ(ws.analysis.ConfigFileName, "");
}

TEST_F(ConfigTest, OpenAnyFileTellsConfigurationsFromData) {
    EXPECT_TRUE(IsConfigFileName("x.VoS"));
    EXPECT_FALSE(IsConfigFileName("x.vos.dat"));
    ASSERT_TRUE(OpenAnyFile(ws, dataFile));
    EXPECT_EQ(s.DataVariables.Count(), 4);
    EXPECT_EQ(ws.mru.Flist[0], dataFile);
    const std::string config = dir.Write("open.VOS", "DATAFILE:parts.dat\r\nMEASURES:4\r\n");
    ASSERT_TRUE(OpenAnyFile(ws, config));
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{4}));
    EXPECT_EQ(ws.mru.Flist[0], config);
    EXPECT_EQ(MainWindowCaption(ws), "Vostrel - " + config + " - " + dataFile);
    EXPECT_FALSE(LoadConfig(ws, dir.File("absent.vos")));
    EXPECT_THAT(ui.errors.back(), HasSubstr("absent.vos"));
}

}  // namespace
}  // namespace vostrel::testing
