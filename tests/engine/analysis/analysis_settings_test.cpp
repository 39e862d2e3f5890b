// The main window's analysis settings: variable lists, choices, user-set values, memo.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "engine/data/transform.h"
#include "engine/helpers/column_code.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;

class SettingsTest : public AnalysisTest {
  protected:
    SettingsTest() { Table({"Id", "A", "B", "C", "Head"}, {{"1", "2", "3", "4", "1"}}); }
    AnalysisSettings& s = ws.analysis.Settings;
};

TEST_F(SettingsTest, MovingVariablesKeepsColumnOrderAndPicksTheNextItem) {
    EXPECT_EQ(s.DataVariables.Columns(), (std::vector<int>{1, 2, 3, 4, 5}));
    // Selected out of order: the measure list stays in column order.
    EXPECT_EQ(s.IncludeMeasures({3, 1}), 1);
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{2, 4}));
    EXPECT_EQ(s.DataVariables.Columns(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(ColumnItemName(s.Measures.Items()[0]), "A");
    // Moving the last item selects the new last one.
    EXPECT_EQ(s.IncludeStreams({2}), 1);
    EXPECT_EQ(s.ExcludeMeasures({1}), 0);
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{2}));
    EXPECT_EQ(s.ExcludeAllMeasures(), 0);
    EXPECT_EQ(s.DataVariables.Columns(), (std::vector<int>{1, 2, 3, 4}));
    // Nothing selected: the first item; an emptied source: none.
    EXPECT_EQ(s.IncludeMeasures({}), 0);
    EXPECT_EQ(s.IncludeMeasures({0, 1, 2, 3}), -1);
    EXPECT_FALSE(s.ListButtons().IncludeMeasures);
}

TEST_F(SettingsTest, AStreamVariableRulesOutMultipleStreams) {
    Measures({2, 3});
    s.Multiple = MultipleMeasures::MultipleStreams;
    ListButtonState b = s.ListButtons();
    EXPECT_TRUE(b.MultipleBoxVisible);
    EXPECT_TRUE(b.MultipleStreamsVisible);
    Streams({5});
    EXPECT_EQ(s.Multiple, MultipleMeasures::SampleItems);
    b = s.ListButtons();
    EXPECT_FALSE(b.MultipleStreamsVisible);
    EXPECT_TRUE(b.ExcludeStreams);
    EXPECT_TRUE(s.ActionEnabled());
}

TEST_F(SettingsTest, TheSetColumnLeavesTheDataVariablesAndComesBack) {
    EXPECT_FALSE(s.ToggleSetColumn(-1));
    EXPECT_TRUE(s.ToggleSetColumn(4));
    EXPECT_EQ(s.SetColumn, 5);
    EXPECT_EQ(s.SetName, "Head");
    EXPECT_FALSE(s.SetButtonShowsInclude());
    EXPECT_EQ(s.DataVariables.IndexOfColumn(5), -1);
    EXPECT_TRUE(s.ToggleSetColumn(-1));
    EXPECT_EQ(s.SetColumn, 0);
    EXPECT_EQ(s.DataVariables.IndexOfColumn(5), 4);
    // Rebuilding the lists forgets the set column.
    s.ToggleSetColumn(0);
    s.RebuildVariableLists(ws.data, true);
    EXPECT_EQ(s.SetColumn, 0);
    EXPECT_EQ(s.DataVariables.Count(), 5);
}

TEST_F(SettingsTest, NewResetsEverythingButTheDecimals) {
    Measures({2});
    s.SetTitle("Run");
    s.SetDecimals(2);
    s.Measurement.Set("0.5", 0.5);
    ws.rules.SetMissingRule(1, 1, "9", 9);
    ws.rules.SetProcessIfRule(1, 1, 2, "Id", 0, "0");
    SetTransform(ws.transform, 1, "2", "0", "1", 2, 0, 1);
    EXPECT_THAT(s.MemoLines(ws.rules, ws.transform),
                ElementsAre("User-Set: Measurement = 0.5", "Missing When: X = 9",
                            "Process If: Id > 0", "Transform: 2X"));

    s.ResetForNew(ws.rules, ws.transform);
    EXPECT_EQ(s.Title, "");
    EXPECT_EQ(s.DecimalsBox, 2);
    EXPECT_FALSE(s.Measurement.InUse);
    EXPECT_EQ(s.Measurement.Text, "0");
    EXPECT_FALSE(s.Measurement.Visible);
    EXPECT_TRUE(s.Measures.Empty());
    EXPECT_TRUE(s.DataVariables.Empty());
    EXPECT_FALSE(ws.rules.Missing.Active);
    EXPECT_FALSE(ws.rules.ProcessIf.Active);
    EXPECT_FALSE(ws.transform.On());
    EXPECT_TRUE(s.MemoLines(ws.rules, ws.transform).empty());
}

TEST_F(SettingsTest, TheUserSetDialogRefusesAMeasurementAboveThePotential) {
    UserSetDialogInput input;
    input.WantMeasurement = input.WantPotential = true;
    input.MeasurementText = "2";
    input.PotentialText = "1";
    EXPECT_FALSE(s.AcceptUserSetDialog(input, ui));
    EXPECT_THAT(ui.errors, ElementsAre("Measurement must be < Potential"));
    EXPECT_FALSE(s.Measurement.InUse);

    input.MeasurementText = "1";
    input.StreamText = "abc";
    EXPECT_TRUE(s.AcceptUserSetDialog(input, ui));
    EXPECT_TRUE(s.Measurement.InUse);
    EXPECT_EQ(s.Measurement.Value, 1);
    EXPECT_FALSE(s.Stream.InUse);
    EXPECT_EQ(s.Stream.Value, 0);
    EXPECT_EQ(s.Stream.Text, "abc");
    EXPECT_THAT(s.MemoLines(ws.rules, ws.transform),
                ElementsAre("User-Set: Measurement = 1", "User-Set: Potential = 1"));
}

TEST_F(SettingsTest, TheUserSetDialogRefusesAWantedValueThatIsNotANumber) {
    UserSetDialogInput input;
    input.WantStream = true;
    for (const char* text : {"abc", "", "-1"}) {
        input.StreamText = text;
        EXPECT_FALSE(s.AcceptUserSetDialog(input, ui)) << text;
    }
    EXPECT_EQ(ui.errors.back(), "Between Process Streams must be a number of 0 or more.");
    EXPECT_FALSE(s.Stream.InUse);
    input.StreamText = " 0.5 ";
    EXPECT_TRUE(s.AcceptUserSetDialog(input, ui));
    EXPECT_EQ(s.Stream.Value, 0.5);
}

TEST_F(SettingsTest, CommandButtonsFollowTheMeasuresTheTableAndTheFirstAction) {
    CommandButtonState b = s.CommandButtons(true, false);
    EXPECT_FALSE(b.Action || b.BoxPlots || b.Histogram || b.FrequencyPlots);
    EXPECT_TRUE(b.ControlCharts);
    EXPECT_FALSE(b.TextOutput || b.PerformanceCharts);
    s.IncludeMeasures({1});
    b = s.CommandButtons(true, true);
    EXPECT_TRUE(b.Action && b.BoxPlots && b.Histogram && b.FrequencyPlots);
    EXPECT_TRUE(b.TextOutput && b.PerformanceCharts);
    EXPECT_FALSE(s.CommandButtons(false, false).ControlCharts);
}

TEST_F(SettingsTest, AppendedColumnsJoinTheDataVariablesAndKeepTheChoices) {
    s.IncludeMeasures({1});
    ws.table.SetMaxCol(6);
    ws.table.SetColumnName(6, "f(A)");
    ws.data.UpdateData();
    EXPECT_TRUE(ColumnsAppended({"Id", "A"}, {"Id", "A", "f(A)"}));
    EXPECT_FALSE(ColumnsAppended({"Id", "A"}, {"A", "Id", "f(A)"}));
    EXPECT_FALSE(ColumnsAppended({"Id", "A"}, {"Id", "A"}));
    s.AddDataVariables(ws.data, 6);
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{2}));
    EXPECT_EQ(s.DataVariables.Columns(), (std::vector<int>{1, 3, 4, 5, 6}));
}

TEST_F(SettingsTest, TheTitleTakesEightyCharactersOnOneLine) {
    s.SetTitle(std::string(100, 'x'));
    EXPECT_EQ(s.Title, std::string(80, 'x'));
    std::string accented;
    for (int i = 0; i < 90; ++i) accented += "\xC3\xA9";  // é
    s.SetTitle(accented);
    EXPECT_EQ(s.Title.size(), 160u);
    s.SetTitle("two\nlines");
    EXPECT_EQ(s.Title, "two lines");
}

TEST_F(SettingsTest, StaleColumnsAreDropped) {
    Measures({2, 4});
    s.ToggleSetColumn(s.DataVariables.IndexOfColumn(5));
    s.DropColumnsBeyond(3);
    EXPECT_EQ(s.Measures.Columns(), (std::vector<int>{2}));
    EXPECT_EQ(s.SetColumn, 0);
}

}  // namespace
}  // namespace vostrel::testing
