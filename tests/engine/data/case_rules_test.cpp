#include "engine/data/case_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/data/rule_descriptions.h"
#include "engine/data/transform.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::FillTable;
using vostrel::testing::ScriptedUserInterface;

class CaseRulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillTable(ws, {"Line", "Weight", "Set"},
                  {{"1", "12", "2"},
                   {"2", "", "1"},
                   {"3", "99", "2"},
                   {"2", "8", ""},
                   {"1.0000001", "5", "1"}});
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int r = 1; r <= ws.data.Ncount; ++r)
            if (ws.data.ProcessOK(r)) rows.push_back(r);
        return rows;
    }

    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

TEST_F(CaseRulesTest, MissingRulesTurnValuesMissingOnlyWhileActive) {
    EXPECT_FALSE(ws.rules.DataValid(MissingValue));
    EXPECT_TRUE(ws.rules.DataValid(99));
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ws.rules.SetMissingRule(2, 3, "1000", 1000);
    EXPECT_TRUE(ws.rules.Missing.Active);
    EXPECT_FALSE(ws.rules.DataValid(99));
    EXPECT_FALSE(ws.rules.DataValid(1000));
    EXPECT_TRUE(ws.rules.DataValid(999.5));
    EXPECT_EQ(ws.rules.Missing.MissingText1(), "X = 99");
    EXPECT_EQ(ws.rules.MissingStatusText(), "Missing: X = 99, X >= 1000");
    ws.rules.Missing.Active = false;
    EXPECT_TRUE(ws.rules.DataValid(99));
    EXPECT_EQ(ws.rules.MissingStatusText(), "Missing Off");
}

TEST_F(CaseRulesTest, ASingleConditionWithOrSelectsItsRows) {
    ws.rules.SetProcessIfRule(1, 1, 1, "Line", 2);
    ws.rules.ProcessIf.AndOr = 1;
    EXPECT_THAT(SelectedRows(), ElementsAre(2, 4));
    EXPECT_EQ(ws.rules.ProcessIfStatusText(), "Process If: Line = 2");
}

TEST_F(CaseRulesTest, AMissingValueComparesAsTheMarker) {
    ws.rules.SetProcessIfRule(1, 2, 4, "Weight", 10);
    EXPECT_THAT(SelectedRows(), ElementsAre(2, 4, 5));  // the blank Weight of row 2 is < 10
    // The missing-value rules do not apply to the tested variable: 99 compares as 99.
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ws.rules.SetProcessIfRule(1, 2, 1, "Weight", 99);
    EXPECT_THAT(SelectedRows(), ElementsAre(3));
}

TEST_F(CaseRulesTest, TwoConditionsJoinedByAndOrOr) {
    ws.rules.SetProcessIfRule(1, 1, 3, "Line", 2);     // Line >= 2
    ws.rules.SetProcessIfRule(2, 2, 5, "Weight", 12);  // Weight <= 12, joined by And
    EXPECT_THAT(SelectedRows(), ElementsAre(2, 4));
    EXPECT_EQ(ws.rules.ProcessIfStatusText(), "Process If: Line >= 2 and Weight <= 12");
    ws.rules.SetProcessIfRule(3, 2, 5, "Weight", 12);  // the same, joined by Or
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 2, 3, 4, 5));
    ws.rules.SetProcessIfRule(1, 1, 6, "Line", 2);     // Line <> 2 or Weight <= 12
    ws.rules.SetProcessIfRule(3, 2, 2, "Weight", 50);  // Line <> 2 or Weight > 50
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 3, 5));
    ws.rules.ProcessIfOff();
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 2, 3, 4, 5));
    EXPECT_EQ(ws.rules.ProcessIfStatusText(), "Process If Off");
}

TEST_F(CaseRulesTest, ListsMatchExactly) {
    ws.rules.SetProcessIfRule(1, 1, 7, "Line", 0, "[1,3]");
    EXPECT_EQ(ws.rules.ProcessIf.ProcessIfText1(), "Line in [1,3]");
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 3));  // 1.0000001 is not 1
    ws.rules.SetProcessIfRule(1, 1, 8, "Line", 0, "1 3");
    EXPECT_EQ(ws.rules.ProcessIf.ProcessIfText1(), "Line Not in [1,3]");
    EXPECT_THAT(SelectedRows(), ElementsAre(2, 4, 5));
}

TEST_F(CaseRulesTest, ListsOfTextAreRefused) {
    EXPECT_TRUE(IsNumberListText("1, 3,,4"));
    EXPECT_TRUE(IsNumberListText("[1,,3]"));
    EXPECT_TRUE(IsNumberListText("[,]"));  // stored blank entries: missing values
    for (const char* text : {"x,y", "1,x", "", " , ", "[]", "[1,x]", "1.2.3"})
        EXPECT_FALSE(IsNumberListText(text)) << text;

    // From a configuration: the condition is cleared, not kept as an empty list.
    EXPECT_FALSE(ws.rules.SetProcessIfRule(1, 1, 7, "Line", 0, "[x,y]"));
    EXPECT_FALSE(ws.rules.ProcessIf.Condition1.On());
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 2, 3, 4, 5));

    // From the dialog: OK is refused, and the condition never selects.
    ProcessIfDialogInput input;
    input.Condition1 = {1, "Line", 7, "x,y"};
    EXPECT_EQ(ProcessIfDialogProblem(input), "Process If List Not Valid!");
    ApplyProcessIfDialog(ws.rules, input, ui, ws.blankCommas);
    EXPECT_FALSE(ws.rules.ProcessIf.Condition1.On());
    input.Condition1.ValueText = "1 3";
    EXPECT_EQ(ProcessIfDialogProblem(input), "");
}

TEST_F(CaseRulesTest, BlankListEntriesSurviveTheStoredForm) {
    ProcessIfDialogInput input;
    input.Condition1 = {2, "Weight", 7, "12,,5"};
    ui.answers = {Answer::Yes};  // blank commas mean missing values
    ApplyProcessIfDialog(ws.rules, input, ui, ws.blankCommas);
    const ProcessIfCondition typed = ws.rules.ProcessIf.Condition1;
    EXPECT_EQ(typed.XV, "[12,,5]");
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 2, 5));

    // The stored text reads back to the same list, the missing value included.
    ASSERT_TRUE(ws.rules.SetProcessIfRule(1, 2, 7, "Weight", 0, typed.XV));
    EXPECT_EQ(ws.rules.ProcessIf.Condition1.LA, typed.LA);
    EXPECT_EQ(ws.rules.ProcessIf.Condition1.XV, "[12,,5]");
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 2, 5));
}

TEST_F(CaseRulesTest, AnalysisSetsComeBeforeProcessIf) {
    ws.data.SetColumn = 3;
    ws.data.SetGlobalIndexData();  // sets: missing, 1, 2
    ws.data.SetIndex = 1;
    EXPECT_THAT(SelectedRows(), ElementsAre(4));
    ws.data.SetIndex = 3;
    EXPECT_THAT(SelectedRows(), ElementsAre(1, 3));
    ws.rules.SetProcessIfRule(1, 1, 1, "Line", 1);
    EXPECT_THAT(SelectedRows(), ElementsAre(1));
}

TEST_F(CaseRulesTest, MissingDialogConvertsOrSwitchesRulesOff) {
    EXPECT_EQ(ApplyMissingDialog(ws.rules, {1, 2, "99", "1e3"}), "Missing: X = 99, or X > 1e3");
    EXPECT_EQ(ws.rules.Missing.X2, 1000);
    EXPECT_EQ(ApplyMissingDialog(ws.rules, {0, 4, "0", "-.5"}), "Missing: X < -.5");
    EXPECT_EQ(ws.rules.Missing.X2, -0.5);
    EXPECT_EQ(ApplyMissingDialog(ws.rules, {1, 4, "abc", "7"}), "Missing: X < 7");
    EXPECT_EQ(ws.rules.Missing.Sign1, 0);
    EXPECT_EQ(ws.rules.Missing.Signtext1, "=");
    EXPECT_EQ(ApplyMissingDialog(ws.rules, {0, 0, "1", "2"}), "Missing Off");
    EXPECT_FALSE(ws.rules.Missing.Active);
}

TEST_F(CaseRulesTest, ProcessIfDialogReadsListsAndValues) {
    ProcessIfDialogInput input;
    input.Condition1 = {1, "Line", 7, "1, 3,,4"};
    input.Condition2 = {2, "Weight", 2, "x"};
    input.AndOr = 1;
    ui.answers = {Answer::No};  // blank commas do not mean missing values
    EXPECT_EQ(ApplyProcessIfDialog(ws.rules, input, ui, ws.blankCommas),
              "Process If: Line in [1,3,4], Weight > x");
    EXPECT_THAT(ws.rules.ProcessIf.Condition1.LA, ElementsAre(1, 3, 4));
    EXPECT_EQ(ProcessIfDialogValueText(ws.rules.ProcessIf.Condition1), "1,3,4");
    EXPECT_EQ(ws.rules.ProcessIf.Condition2.X, 0);  // a value that does not convert compares as 0
    EXPECT_TRUE(ws.rules.ProcessIf.Active);

    input.Condition1.Column = 0;  // no variable: the condition is off
    input.Condition2.Sign = 0;
    EXPECT_EQ(ApplyProcessIfDialog(ws.rules, input, ui, ws.blankCommas), "Process If Off");
    EXPECT_FALSE(ws.rules.ProcessIf.Active);
}

TEST_F(CaseRulesTest, DialogValuesThatAreNotNumbersAreNamedBeforeOk) {
    EXPECT_EQ(MissingDialogProblem({1, 0, "99", "abc"}), "");  // rule 2 is off
    EXPECT_EQ(MissingDialogProblem({1, 2, "99", "-"}), "Missing When: \"-\" is not a number.");

    ProcessIfDialogInput input;
    input.Condition1 = {1, "Line", 7, "1, 3"};
    input.Condition2 = {2, "Weight", 4, "1e"};
    EXPECT_EQ(ProcessIfDialogProblem(input), "Process If: \"1e\" is not a number.");
    input.Condition2.Column = 0;  // no variable: the condition takes no part
    EXPECT_EQ(ProcessIfDialogProblem(input), "");
    input.Condition1.ValueText = " , ";
    EXPECT_EQ(ProcessIfDialogProblem(input), "Process If List Not Valid!");
}

TEST_F(CaseRulesTest, RuleDescriptionsListWhatIsActive) {
    EXPECT_FALSE(GetFileModString(ws.rules, ws.transform).Any());
    ws.rules.SetMissingRule(1, 1, "99", 99);
    ws.rules.SetProcessIfRule(1, 1, 1, "Line", 2, "2");
    ws.rules.SetProcessIfRule(3, 2, 4, "Weight", 10, "10");
    SetTransform(ws.transform, 5, "1", "-3", "1", 1, -3, 1);
    FileModStrings s = GetFileModString(ws.rules, ws.transform);
    EXPECT_THAT(s.Items, ElementsAre("Missing When: X = 99", "Process If: Line = 2 or",
                                     "Process If: Weight < 10", "Transform: LN(X -3)"));
    EXPECT_EQ(s.FileModStringLine,
              "Missing When: X = 99  Process If: Line = 2 or  Process If: Weight < 10  Transform: "
              "LN(X -3)");
    EXPECT_EQ(s.FileModStringTab.substr(0, 23), "Missing When: X = 99\n\tP");
}

}  // namespace
}  // namespace vostrel
