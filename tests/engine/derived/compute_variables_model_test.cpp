// The rules of the compute-variables window and of the small dialogs, without widgets.

#include "engine/derived/compute_variables_model.h"

#include <gmock/gmock.h>

#include "derived_fixture.h"
#include "engine/derived/derived_dialogs.h"
#include "engine/helpers/column_code.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Names(const VariableList& list) {
    std::vector<std::string> names;
    for (const std::string& item : list.Items()) names.emplace_back(ColumnItemName(item));
    return names;
}

class ComputeVariablesModelTest : public testing::DerivedTest {
  protected:
    void SetUp() override {
        Fill({"Line", "Shift", "Fill"}, {{"1", "1", "10"}, {"1", "2", "12"}, {"2", "1", "11"}});
        model.Activate(ws);
    }
    ComputeVariablesModel model;
    ReportDocument log;
};

TEST_F(ComputeVariablesModelTest, TheDependentButtonTakesAndReturnsOneVariable) {
    EXPECT_FALSE(model.ActionEnabled());
    EXPECT_EQ(model.DependentButtonText(), ">");
    EXPECT_TRUE(model.ToggleDependent({2, 0}));  // the first selected item in the list
    EXPECT_EQ(model.DependentName(), "Line");
    EXPECT_EQ(model.DependentButtonText(), "<");
    EXPECT_TRUE(model.ActionEnabled());
    EXPECT_THAT(Names(model.DataVarList), ElementsAre("Shift", "Fill"));
    EXPECT_EQ(model.NewName, "Line_AVG");
    EXPECT_TRUE(model.ToggleDependent({}));
    EXPECT_THAT(Names(model.DataVarList), ElementsAre("Line", "Shift", "Fill"));
    EXPECT_FALSE(model.ToggleDependent({}));  // nothing selected
}

TEST_F(ComputeVariablesModelTest, IndependentVariablesStayInColumnOrder) {
    model.IncludeIndependent({2});
    model.IncludeIndependent({0});
    EXPECT_THAT(Names(model.IndVarList), ElementsAre("Line", "Fill"));
    model.ExcludeAllIndependent();
    EXPECT_TRUE(model.IndVarList.Empty());
    EXPECT_THAT(Names(model.DataVarList), ElementsAre("Line", "Shift", "Fill"));
}

TEST_F(ComputeVariablesModelTest, ChoosingAStatisticProposesTheName) {
    model.ToggleDependent({2});
    model.SetStatistic(SampleRanks);
    EXPECT_EQ(model.NewName, "Fill_Rank");
    model.SetNewName("my new name");
    EXPECT_EQ(model.NewName, "my_new_name");
}

TEST_F(ComputeVariablesModelTest, ActionAddsTheColumnToTheListsWithoutRebuildingThem) {
    model.ToggleDependent({2});
    model.IncludeIndependent({0});
    ASSERT_EQ(model.Action(ws, &log), DeriveResult::Added);
    EXPECT_EQ(ws.table.ColumnName(4), "Fill_AVG");
    EXPECT_THAT(Names(model.DataVarList), ElementsAre("Shift", "Fill_AVG"));
    EXPECT_THAT(Names(model.IndVarList), ElementsAre("Line"));
    EXPECT_FALSE(model.Activate(ws));  // the lists are current; the choices stay
    EXPECT_EQ(model.DependentName(), "Fill");
}

TEST_F(ComputeVariablesModelTest, AnEditElsewhereRebuildsTheListsAndANewTableClearsTheLog) {
    model.ToggleDependent({2});
    ++ws.table.DataGeneration;
    EXPECT_FALSE(model.Activate(ws));
    EXPECT_EQ(model.Dependent(), 0);
    EXPECT_EQ(model.DataVarList.Count(), 3);
    ++ws.table.TableGeneration;
    EXPECT_TRUE(model.Activate(ws));
}

TEST_F(ComputeVariablesModelTest, AcrossRowsNamesCountPerStatistic) {
    model.SetPage(ComputePage::AcrossRows);
    model.IncludeSelected({1});
    EXPECT_FALSE(model.ActionEnabled());
    EXPECT_EQ(model.NewName, "");
    model.IncludeSelected({1});
    EXPECT_TRUE(model.ActionEnabled());
    EXPECT_EQ(model.NewName, "Mean1");
    ASSERT_EQ(model.Action(ws, &log), DeriveResult::Added);
    EXPECT_EQ(model.NewName, "Mean2");
    model.SetAcrossStatistic(AcrossStdDev);
    EXPECT_EQ(model.NewName, "Std_Dev1");
    ASSERT_EQ(model.Action(ws, &log), DeriveResult::Added);
    EXPECT_EQ(ws.table.ColumnName(5), "Std_Dev1");
    EXPECT_EQ(model.NewName, "Std_Dev2");
    EXPECT_THAT(Names(model.DataVarList2), ElementsAre("Line", "Mean1", "Std_Dev1"));
}

TEST_F(ComputeVariablesModelTest, DialogPickersEnableOkOnceAVariableIsChosen) {
    VariablePicker picker;
    picker.Fill(ws.table);
    EXPECT_FALSE(picker.OkEnabled());
    picker.Include({1, 0});
    EXPECT_TRUE(picker.OkEnabled());
    EXPECT_EQ(picker.DstList.Columns(), (std::vector<int>{1, 2}));

    WeightPicker weight;
    weight.Fill(ws.table);
    EXPECT_FALSE(weight.OkEnabled());
    EXPECT_TRUE(weight.ToggleSelect({2}));
    EXPECT_EQ(weight.WeightColumn(), 3);
    EXPECT_EQ(weight.ButtonText(), "<");
    EXPECT_TRUE(weight.OkEnabled());
    EXPECT_EQ(PickerTextsFor(PickPurpose::AutoRecode).RightListLabel, "Recoded Variables");
}

}  // namespace
}  // namespace vostrel
