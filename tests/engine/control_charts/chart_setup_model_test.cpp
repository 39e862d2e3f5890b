#include "engine/control_charts/chart_setup_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vostrel {
namespace {

using Items = std::vector<std::string>;

class ChartSetupModelTest : public ::testing::Test {
  protected:
    void Load(std::vector<std::string> names) {
        model_.OnChartInvalidated = [this] { ++invalidations_; };
        model_.ResetChartSetup(NameListColumnSource(std::move(names)));
    }

    void AddMeasures(std::vector<int> columns) {
        model_.Select(SetupList::DataVariables, std::move(columns));
        model_.IncludeMeasures();
    }

    void SelectByText(void (ChartSetupModel::*select)(int), const ComboList& list,
                      const std::string& text) {
        for (std::size_t i = 0; i < list.Items.size(); ++i) {
            if (list.Items[i] == text) {
                (model_.*select)(static_cast<int>(i));
                return;
            }
        }
        ADD_FAILURE() << "no item " << text;
    }

    ChartSetupModel model_;
    int invalidations_ = 0;
};

TEST_F(ChartSetupModelTest, ResetListsEveryColumnAndTheAxisLabels) {
    Load({"Width", "Height", "Batch"});
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(model_.Items(SetupList::Measures).empty());
    EXPECT_EQ(model_.AxisLabels().Items,
              (Items{"        (Use Order Number)", "Width", "Height", "Batch"}));
    EXPECT_EQ(model_.AxisLabels().ItemIndex, 0);
    const SetupVisibility& v = model_.Visibility();
    EXPECT_TRUE(v.ChartGroups);
    EXPECT_TRUE(v.Sets);
    EXPECT_TRUE(v.SampleCheck);
    EXPECT_TRUE(v.SampleVariable);
    EXPECT_FALSE(v.SampleSize);
    EXPECT_TRUE(v.IncludeMeasures);
    EXPECT_FALSE(v.ExcludeMeasures);
    EXPECT_FALSE(v.ActionEnabled);  // no measure yet
    EXPECT_EQ(invalidations_, 1);
}

TEST_F(ChartSetupModelTest, OneColumnOffersNoGroupsOrSetsButTheSampleSize) {
    Load({"Width"});
    const SetupVisibility& v = model_.Visibility();
    EXPECT_FALSE(v.ChartGroups);
    EXPECT_FALSE(v.Sets);
    EXPECT_TRUE(v.SampleCheck);
    EXPECT_FALSE(v.SampleVariable);
    EXPECT_FALSE(v.SampleLabel);
    model_.SetConstantSampleSize(true);
    EXPECT_TRUE(model_.Visibility().SampleSize);
    EXPECT_TRUE(model_.Visibility().SampleLabel);
    EXPECT_EQ(model_.SampleLabelCaption(), "  Sample Size");
}

TEST_F(ChartSetupModelTest, MovingVariablesKeepsColumnOrderAndMovesTheSelection) {
    Load({"A", "B", "C", "D"});
    AddMeasures({3, 1});
    EXPECT_EQ(model_.Items(SetupList::Measures), (std::vector<int>{1, 3}));
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{2, 4}));
    // The item that moved into the first selected item's place is selected.
    EXPECT_EQ(model_.Selection(SetupList::DataVariables), (std::vector<int>{2}));
    EXPECT_TRUE(model_.Visibility().ActionEnabled);
    EXPECT_TRUE(model_.Visibility().Layout);

    model_.Select(SetupList::Measures, {3});
    model_.ExcludeMeasures();
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(model_.Selection(SetupList::Measures), (std::vector<int>{1}));  // the last item

    model_.Select(SetupList::DataVariables, {4});
    model_.IncludeChartGroups();
    model_.ExcludeAllMeasures();
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(model_.Items(SetupList::ChartGroups), (std::vector<int>{4}));
    EXPECT_FALSE(model_.Visibility().ActionEnabled);
    EXPECT_EQ(invalidations_, 5);
}

TEST_F(ChartSetupModelTest, IndividualsListsAndTheirDefaults) {
    Load({"A", "B"});
    AddMeasures({1});
    EXPECT_TRUE(model_.IndividualsMode());
    EXPECT_EQ(model_.LocChartTypes().Items, (Items{"X", "None"}));
    EXPECT_EQ(model_.DispChartTypes().Items, (Items{"Moving Range", "None"}));
    const Items calcs{"Average MR",      "Median MR",    "Std Dev", "Known Std Dev",
                      "Centerline Only", "User Defined", "None"};
    EXPECT_EQ(model_.LocLimitCalcs().Items, calcs);
    EXPECT_EQ(model_.DispCalcs().Items, calcs);
    EXPECT_EQ(model_.LocCenterlines().Items, (Items{"Average X", "Median of Xs", "Known Mean"}));
    EXPECT_EQ(model_.DispCenterlines().Items,
              (Items{"Average Moving Range", "Median Moving Range", "Known Std Dev"}));
    for (const ComboList* list :
         {&model_.LocChartTypes(), &model_.DispChartTypes(), &model_.LocLimitCalcs(),
          &model_.DispCalcs(), &model_.LocCenterlines(), &model_.DispCenterlines()}) {
        EXPECT_EQ(list->ItemIndex, 0);
    }
    const SetupVisibility& v = model_.Visibility();
    EXPECT_TRUE(v.StdErr);
    EXPECT_TRUE(v.MRSpan);
    EXPECT_TRUE(v.LocCenterline);
    EXPECT_TRUE(v.PositiveLimits);
    EXPECT_FALSE(v.Sigma);
    EXPECT_FALSE(v.Mu);
}

TEST_F(ChartSetupModelTest, ConstantSampleSizeSwitchesModesAndResetsTheLists) {
    Load({"A", "B"});
    AddMeasures({1});
    model_.SelectDispCalc(2);  // "Std Dev"
    model_.SetConstantSampleSize(true);
    EXPECT_FALSE(model_.IndividualsMode());
    EXPECT_EQ(model_.LocChartTypes().Items, (Items{"Mean", "Median", "None"}));
    EXPECT_EQ(model_.DispChartTypes().Items,
              (Items{"Range", "Std Dev (s)", "Variance (s²)", "None"}));
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "Average Range");
    EXPECT_EQ(model_.DispCalcs().Items[5], "Average MR of Range");
    EXPECT_EQ(model_.DispCalcs().Items[7], "Std Dev of Range");
    EXPECT_EQ(model_.LocLimitCalcs().Items[6], "Median MR of Means");
    EXPECT_FALSE(model_.Visibility().SampleVariable);
    EXPECT_TRUE(model_.Visibility().SampleSize);

    model_.SetConstantSampleSize(false);
    EXPECT_EQ(model_.LocChartTypes().Text(), "X");
    EXPECT_EQ(model_.DispChartTypes().Text(), "Moving Range");
    EXPECT_EQ(model_.DispCalcs().Text(), "Average MR");
}

TEST_F(ChartSetupModelTest, MedianChartsDefaultToMedians) {
    Load({"A", "B"});
    AddMeasures({1});
    model_.SetConstantSampleSize(true);
    model_.SelectLocChartType(1);  // Median
    EXPECT_EQ(model_.LocCenterlines().Text(), "Median of Medians");
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "Median Range");
    EXPECT_EQ(model_.DispCalcs().Text(), "Median Range");
    EXPECT_EQ(model_.DispCenterlines().Text(), "Median Range");
    EXPECT_EQ(model_.LocLimitCalcs().Items[5], "Average MR of Medians");
    EXPECT_EQ(model_.LocLimitCalcs().Items[7], "Std Dev of Medians");

    model_.SelectDispChartType(1);  // Std Dev (s)
    EXPECT_EQ(model_.DispCalcs().Text(), "Median Std Dev");
    EXPECT_EQ(model_.DispCalcs().Items[6], "Median MR of Std Dev ");
    EXPECT_EQ(model_.DispCenterlines().Items,
              (Items{"Average Std Dev (s)", "Median Std Dev (s)", "Known Std Dev"}));

    model_.SelectLocChartType(0);  // back to Mean
    EXPECT_EQ(model_.LocCenterlines().Text(), "Average Mean");
    EXPECT_EQ(model_.DispCalcs().Text(), "Average Std Dev");
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "Average Std Dev");

    model_.SelectDispChartType(2);  // Variance (s²)
    EXPECT_EQ(model_.DispCalcs().Text(), "Average Variance");
    EXPECT_EQ(model_.DispCalcs().Items[7], "Std Dev of Variance ");
}

TEST_F(ChartSetupModelTest, ADispersionCalculationPicksItsCenterlineAndTheLocationFollows) {
    Load({"A", "B"});
    AddMeasures({1});
    model_.SetConstantSampleSize(true);
    SelectByText(&ChartSetupModel::SelectDispCalc, model_.DispCalcs(), "Median Std Dev");
    EXPECT_EQ(model_.DispCenterlines().ItemIndex, 1);
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "Median Std Dev");
    SelectByText(&ChartSetupModel::SelectDispCalc, model_.DispCalcs(), "Median MR of Range");
    EXPECT_EQ(model_.DispCenterlines().ItemIndex, 0);  // "of" keeps the average
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "Median MR of Means");
    EXPECT_TRUE(model_.Visibility().MRSpan);
}

TEST_F(ChartSetupModelTest, SampleVariableTogglesAndLeavesTheDataList) {
    Load({"A", "B", "C"});
    AddMeasures({1});
    model_.Select(SetupList::DataVariables, {3, 2});
    model_.ToggleSampleVariable();
    EXPECT_EQ(model_.SampleColumn(), 2);
    EXPECT_EQ(model_.SampleText(), "B");
    EXPECT_EQ(model_.SampleButtonCaption(), "<");
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{3}));
    EXPECT_EQ(model_.LocChartTypes().Text(), "Mean");

    model_.ToggleSampleVariable();
    EXPECT_EQ(model_.SampleColumn(), 0);
    EXPECT_EQ(model_.SampleText(), "");
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{2, 3}));
    EXPECT_EQ(model_.LocChartTypes().Text(), "X");

    // Checking "Constant Sample Size" gives a chosen sample variable back.
    model_.Select(SetupList::DataVariables, {2});
    model_.ToggleSampleVariable();
    model_.SetConstantSampleSize(true);
    EXPECT_EQ(model_.SampleColumn(), 0);
    EXPECT_EQ(model_.Items(SetupList::DataVariables), (std::vector<int>{2, 3}));

    model_.Select(SetupList::DataVariables, {3});
    model_.ToggleSetVariable();
    EXPECT_EQ(model_.SetColumn(), 3);
    EXPECT_EQ(model_.SetButtonCaption(), "<");
}

TEST_F(ChartSetupModelTest, SubgroupsInRowsNeedSeveralMeasures) {
    Load({"A", "B", "C"});
    AddMeasures({1, 2});
    model_.Select(SetupList::DataVariables, {3});
    model_.ToggleSampleVariable();
    model_.SetSubgroupsInRows(true);
    EXPECT_EQ(model_.SampleColumn(), 0);  // given back
    EXPECT_EQ(model_.MeasuresCaption(), "Subgroup Measures");
    EXPECT_FALSE(model_.Visibility().SampleCheck);
    EXPECT_FALSE(model_.Visibility().SampleVariable);
    EXPECT_EQ(model_.LocChartTypes().Text(), "Mean");

    // With one measure left the layout falls back to columns, and so do the lists.
    model_.Select(SetupList::Measures, {2});
    model_.ExcludeMeasures();
    EXPECT_FALSE(model_.Visibility().Layout);
    EXPECT_FALSE(model_.SubgroupsInRows());
    EXPECT_EQ(model_.MeasuresCaption(), "     Chart Variables");
    EXPECT_EQ(model_.LocChartTypes().Text(), "X");
    EXPECT_TRUE(model_.Visibility().SampleVariable);
}

TEST_F(ChartSetupModelTest, KnownParametersAndUserLimitsShowTheirFields) {
    Load({"A", "B"});
    AddMeasures({1});
    SelectByText(&ChartSetupModel::SelectLocLimitCalc, model_.LocLimitCalcs(), "Known Std Dev");
    EXPECT_TRUE(model_.Visibility().Sigma);
    SelectByText(&ChartSetupModel::SelectLocLimitCalc, model_.LocLimitCalcs(), "Average MR");
    EXPECT_FALSE(model_.Visibility().Sigma);
    model_.SelectDispCenterline(2);  // Known Std Dev
    EXPECT_TRUE(model_.Visibility().Sigma);
    model_.SelectDispChartType(1);  // None hides the dispersion lists and so the reason
    EXPECT_FALSE(model_.Visibility().Sigma);
    EXPECT_FALSE(model_.Visibility().DispCalc);

    model_.SelectLocCenterline(2);  // Known Mean
    EXPECT_TRUE(model_.Visibility().Mu);

    SelectByText(&ChartSetupModel::SelectLocLimitCalc, model_.LocLimitCalcs(), "User Defined");
    SetupVisibility v = model_.Visibility();
    EXPECT_TRUE(v.LocUserLimits);
    EXPECT_FALSE(v.LocCenterline);
    EXPECT_FALSE(v.PositiveLimits);
    EXPECT_TRUE(v.UserLimitEdits[UserLocCL]);
    model_.SetUserLimitChecked(UserLocCL, false);
    EXPECT_FALSE(model_.Visibility().UserLimitEdits[UserLocCL]);
    EXPECT_TRUE(model_.Visibility().UserLimitEdits[UserLocUCL]);
    EXPECT_FALSE(model_.Visibility().DispUserLimits);
}

TEST_F(ChartSetupModelTest, NoneEverywhereHidesTheLimitFieldsAndDisablesAction) {
    Load({"A", "B"});
    AddMeasures({1});
    SelectByText(&ChartSetupModel::SelectLocLimitCalc, model_.LocLimitCalcs(), "None");
    model_.SelectDispChartType(1);
    EXPECT_FALSE(model_.Visibility().StdErr);
    EXPECT_FALSE(model_.Visibility().MRSpan);
    EXPECT_FALSE(model_.Visibility().LocCenterline);
    EXPECT_TRUE(model_.Visibility().ActionEnabled);
    model_.SelectLocChartType(1);
    EXPECT_FALSE(model_.Visibility().ActionEnabled);
    EXPECT_FALSE(model_.Visibility().LocCalc);
}

TEST_F(ChartSetupModelTest, FieldsKeepTheirRanges) {
    model_.SetMRSpanText("");
    EXPECT_EQ(model_.MRSpan(), 2);
    model_.SetMRSpanText("45");
    EXPECT_EQ(model_.MRSpan(), 30);
    model_.SetSampleSize(1);
    EXPECT_EQ(model_.SampleSize(), 2);
    model_.SetSampleSize(5000);
    EXPECT_EQ(model_.SampleSize(), 999);
}

}  // namespace
}  // namespace vostrel
