#include "engine/control_charts/build_chart_definition.h"

#include <gtest/gtest.h>

#include "engine/control_charts/chart_names.h"
#include "recording_ui.h"

namespace vostrel {
namespace {

class BuildChartDefinitionTest : public ::testing::Test {
  protected:
    void SetUp() override { model_.ResetChartSetup(NameListColumnSource({"A", "B", "C", "D"})); }

    void AddMeasures(std::vector<int> columns) {
        model_.Select(SetupList::DataVariables, std::move(columns));
        model_.IncludeMeasures();
    }

    void SelectLocCalc(const std::string& text) {
        Select(&ChartSetupModel::SelectLocLimitCalc, model_.LocLimitCalcs(), text);
    }
    void SelectDispCalc(const std::string& text) {
        Select(&ChartSetupModel::SelectDispCalc, model_.DispCalcs(), text);
    }

    void Select(void (ChartSetupModel::*select)(int), const ComboList& list,
                const std::string& text) {
        for (std::size_t i = 0; i < list.Items.size(); ++i) {
            if (list.Items[i] == text) return (model_.*select)(static_cast<int>(i));
        }
        ADD_FAILURE() << "no item " << text;
    }

    bool Build() {
        ui_.errors.clear();
        return BuildChartDefinition(model_, ui_, stat_, definition_, run_);
    }

    // Builds expecting exactly one error box with the message.
    void ExpectError(std::string_view message) {
        EXPECT_FALSE(Build());
        EXPECT_EQ(ui_.errors, (std::vector<std::string>{std::string(message)}));
        EXPECT_EQ(stat_.StatErrorCode, 1);
    }

    ChartSetupModel model_;
    RecordingUserInterface ui_;
    StatContext stat_;
    ChartDefinition definition_;
    ChartRunChoice run_;
};

TEST_F(BuildChartDefinitionTest, DefaultIndividualsChart) {
    AddMeasures({2});
    stat_.StatErrorCode = 7;
    ASSERT_TRUE(Build());
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(stat_.StatErrorCode, 0);
    EXPECT_EQ(definition_.LocChartType, ChartX);
    EXPECT_EQ(definition_.DispChartType, ChartMovingRange);
    EXPECT_EQ(definition_.LocLimitCalc, CalcAverageMR);
    EXPECT_EQ(definition_.DispLimitCalc, CalcAverageMR);
    EXPECT_EQ(definition_.LocCenterline, CenterAverageLoc);
    EXPECT_EQ(definition_.DispCenterline, CenterAverageDisp);
    EXPECT_EQ(definition_.StdErrMultiplier, 3.0);
    EXPECT_EQ(definition_.StdErrText, "3");
    EXPECT_EQ(definition_.MRSpan, 2);
    EXPECT_EQ(definition_.ConstantSampleSize, 0);
    EXPECT_FALSE(definition_.UseKnownSigma);
    EXPECT_FALSE(definition_.UseKnownMean);
    EXPECT_EQ(definition_.UserLocUCL, MissingValue);
    EXPECT_EQ(definition_.LayoutType, 1);
    EXPECT_EQ(run_.ColFirst, 2);
    EXPECT_EQ(run_.ColLast, 2);
    EXPECT_EQ(run_.MeasureName, "Value");
}

TEST_F(BuildChartDefinitionTest,
       CalculationsWithoutCenterlinesAndDispersionNamesAfterSubstitution) {
    AddMeasures({1});
    model_.SetConstantSampleSize(true);
    model_.SelectDispChartType(1);  // Std Dev (s)
    SelectDispCalc("Std Dev of Std Dev ");
    SelectLocCalc("None");
    model_.SelectAxisLabel(3);
    model_.SetPositiveLimitsOnly(true);
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.LocChartType, ChartMean);
    EXPECT_EQ(definition_.DispChartType, ChartStdDev);
    EXPECT_EQ(definition_.DispLimitCalc, CalcStdDevOfDisp);
    EXPECT_EQ(definition_.LocLimitCalc, CalcNone);
    EXPECT_EQ(definition_.LocCenterline, 0);
    EXPECT_EQ(definition_.DispCenterline, CenterAverageDisp);
    EXPECT_EQ(definition_.LabelColumn, 3);
    EXPECT_TRUE(definition_.PositiveLimitsOnly);
    EXPECT_EQ(definition_.ConstantSampleSize, 5);
    EXPECT_EQ(definition_.LayoutType, 4);
}

TEST_F(BuildChartDefinitionTest, KnownSigmaMustBePositive) {
    AddMeasures({1});
    SelectLocCalc("Known Std Dev");
    for (const char* text : {"0", "-1", "", "abc", "1.2.3"}) {
        SCOPED_TRACE(text);
        model_.SetSigmaText(text);
        ExpectError(KnownSigmaNotValid);
    }
    model_.SetSigmaText("2.5");
    ASSERT_TRUE(Build());
    EXPECT_TRUE(definition_.UseKnownSigma);
    EXPECT_EQ(definition_.KnownSigma, 2.5);

    // A hidden field is not read and clears the flag.
    SelectLocCalc("Average MR");
    model_.SetSigmaText("junk");
    ASSERT_TRUE(Build());
    EXPECT_FALSE(definition_.UseKnownSigma);
}

TEST_F(BuildChartDefinitionTest, KnownMeanMustBeANumber) {
    AddMeasures({1});
    model_.SelectLocCenterline(2);
    model_.SetMuText("x");
    ExpectError(KnownMeanNotValid);
    model_.SetMuText("-4.5");
    ASSERT_TRUE(Build());
    EXPECT_TRUE(definition_.UseKnownMean);
    EXPECT_EQ(definition_.KnownMean, -4.5);
}

TEST_F(BuildChartDefinitionTest, UserDefinedLocationLimits) {
    AddMeasures({1});
    SelectLocCalc("User Defined");
    model_.SetUserLimitChecked(UserLocCL, false);
    model_.SetUserLimitChecked(UserLocLCL, false);
    model_.SetUserLimitText(UserLocUCL, "12");
    model_.SetUserLimitText(UserLocCL, "not read");
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.UserLocUCL, 12.0);
    EXPECT_EQ(definition_.UserLocCL, MissingValue);
    EXPECT_EQ(definition_.UserLocLCL, MissingValue);

    model_.SetUserLimitChecked(UserLocUCL, false);
    model_.SetUserLimitChecked(UserLocCL, true);
    model_.SetUserLimitChecked(UserLocLCL, true);
    model_.SetUserLimitText(UserLocCL, "10");
    model_.SetUserLimitText(UserLocLCL, "12");
    ExpectError(UserLocLimitsNotValid);

    model_.SetUserLimitText(UserLocLCL, "10");  // equal values are accepted
    ASSERT_TRUE(Build());

    model_.SetUserLimitChecked(UserLocUCL, true);
    model_.SetUserLimitText(UserLocUCL, "9");  // UCL below CL
    ExpectError(UserLocLimitsNotValid);
    model_.SetUserLimitChecked(UserLocCL, false);  // UCL below LCL
    ExpectError(UserLocLimitsNotValid);
    model_.SetUserLimitText(UserLocUCL, "");
    ExpectError(UserLocLimitsNotValid);
}

TEST_F(BuildChartDefinitionTest, UserDefinedDispersionLimits) {
    AddMeasures({1});
    SelectDispCalc("User Defined");
    EXPECT_EQ(model_.LocLimitCalcs().Text(), "User Defined");  // the location follows
    model_.SetUserLimitText(UserLocUCL, "3");
    model_.SetUserLimitText(UserLocCL, "0");
    model_.SetUserLimitText(UserLocLCL, "-3");
    model_.SetUserLimitText(UserDispUCL, "4");
    model_.SetUserLimitText(UserDispCL, "5");
    model_.SetUserLimitText(UserDispLCL, "0");
    ExpectError(UserDispLimitsNotValid);
    // The location limits were read before the failure.
    EXPECT_EQ(definition_.UserLocUCL, 3.0);
    model_.SetUserLimitText(UserDispCL, "1.5");
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.DispLimitCalc, CalcUserDefined);
    EXPECT_EQ(definition_.UserDispCL, 1.5);
}

TEST_F(BuildChartDefinitionTest, StdErrMultiplierMustBeAPositiveNumber) {
    AddMeasures({1});
    for (const char* text : {"abc", "", "0", "3x"}) {
        SCOPED_TRACE(text);
        model_.SetStdErrText(text);
        ExpectError(StdErrNotValid);
    }
    model_.SetStdErrText("2,5");
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.StdErrMultiplier, 2.5);
    EXPECT_EQ(definition_.StdErrText, "2,5");
}

TEST_F(BuildChartDefinitionTest, LayoutTypesFromTheSetup) {
    AddMeasures({1, 2});
    model_.SetSubgroupsInRows(true);
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.LayoutType, 2);
    EXPECT_EQ(run_.ColFirst, 1);
    EXPECT_EQ(run_.ColLast, 2);

    model_.Select(SetupList::DataVariables, {4});
    model_.IncludeChartGroups();
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.LayoutType, 9);
    EXPECT_EQ(run_.GroupColumns, (std::vector<int>{4}));
    EXPECT_EQ(run_.MeasureColumns, (std::vector<int>{1, 2}));

    model_.SetSubgroupsInRows(false);
    model_.Select(SetupList::DataVariables, {3});
    model_.ToggleSampleVariable();
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.LayoutType, 13);
    EXPECT_EQ(definition_.SampleColumn, 3);
}

TEST_F(BuildChartDefinitionTest, AHiddenSampleSizeBoxDoesNotSpoilTheRowsLayout) {
    AddMeasures({1, 2});
    model_.SetConstantSampleSize(true);
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.LayoutType, 7);
    model_.SetSubgroupsInRows(true);
    ASSERT_TRUE(Build());
    EXPECT_EQ(definition_.ConstantSampleSize, 0);
    EXPECT_EQ(definition_.LayoutType, 2);
}

TEST(ReadSetupNumber, AcceptsWhatTheEditFieldsAllow) {
    EXPECT_EQ(ReadSetupNumber(" 2.5 "), 2.5);
    EXPECT_EQ(ReadSetupNumber(".5"), 0.5);
    EXPECT_EQ(ReadSetupNumber("-.5"), -0.5);
    EXPECT_EQ(ReadSetupNumber("5."), 5.0);
    EXPECT_EQ(ReadSetupNumber("+4"), 4.0);
    EXPECT_EQ(ReadSetupNumber("2,5"), 2.5);
    EXPECT_EQ(ReadSetupNumber("1e3"), 1000.0);
    for (const char* text : {"", " ", "abc", "1.2.3", "1,2,3", "inf", "nan", "1e999", "--1", "."}) {
        EXPECT_FALSE(ReadSetupNumber(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace vostrel
