#include "engine/data/transform.h"

#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/stats/random_generator.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::FillTable;
using vostrel::testing::Sample;
using vostrel::testing::ScriptedUserInterface;

class TransformTest : public ::testing::Test {
  protected:
    void Set(int no, const std::string& a, const std::string& b, const std::string& c = "1") {
        AcceptTransformDialog(ws.transform, no, a, b, c, false);
    }
    // f(x), or the failure text.
    std::string Apply(double x) {
        ws.transform.Error = false;
        const double y = ApplyTransform(ws, x);
        if (ws.transform.Error) return ws.transform.ErrorString;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.10g", y);
        return buffer;
    }

    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

TEST_F(TransformTest, TextShowsTheConstantsAsTyped) {
    EXPECT_EQ(TransformText(ws.transform), "None");
    EXPECT_EQ(TransformStatusText(ws.transform), "Transform Off");
    Set(1, "2", "3");
    EXPECT_EQ(TransformText(ws.transform), "2X + 3");
    Set(1, "1", "0");
    EXPECT_EQ(TransformText(ws.transform), "X");
    Set(5, "1", "-3");
    EXPECT_EQ(TransformText(ws.transform), "LN(X -3)");
    EXPECT_EQ(TransformStatusText(ws.transform), "Transform: LN(X -3)");
    Set(3, "0.5", "+2", "3");
    EXPECT_EQ(TransformText(ws.transform), "(0.5X + +2)^(1/3)");
    Set(4, "1", "2", "0.5");
    EXPECT_EQ(TransformText(ws.transform), "2/(X)^0.5");
    Set(10, "100", "2.5");
    EXPECT_EQ(TransformText(ws.transform), "Normal(100,2.5)");
    Set(12, "3", "1", "-1");
    EXPECT_EQ(TransformText(ws.transform), "Chi-Square(3,1,-1)");
}

TEST_F(TransformTest, KindsComputeTheirEquations) {
    Set(1, "2", "3");
    EXPECT_EQ(Apply(4), "11");
    Set(2, "1", "1", "2");
    EXPECT_EQ(Apply(2), "9");
    Set(3, "1", "0", "2");
    EXPECT_EQ(Apply(16), "4");
    Set(4, "1", "6", "2");
    EXPECT_EQ(Apply(2), "1.5");
    Set(5, "1", "0");
    EXPECT_EQ(Apply(std::exp(2.0)), "2");
    Set(6, "1", "0");
    EXPECT_EQ(Apply(0), "1");
    Set(7, "1", "0");
    EXPECT_EQ(Apply(0.5), "0.5235987756");  // pi / 6
    Set(8, "1", "0");
    EXPECT_EQ(Apply(0), "0");
}

TEST_F(TransformTest, DomainFailuresLeaveTheValueAndSayWhy) {
    Set(2, "1", "-5", "2");
    EXPECT_EQ(Apply(2), "Error: X < 0");  // squaring would be defined, the rule is on A*X + B
    Set(5, "1", "0");
    EXPECT_EQ(Apply(0), "Error: X <= 0");
    Set(4, "1", "1", "1");
    EXPECT_EQ(Apply(0), "Error: X <= 0");
    Set(11, "5", "5");
    EXPECT_EQ(Apply(1), "Error: B <= A");
    Set(7, "1", "0");
    EXPECT_EQ(Apply(1), "Error: ABS(X) >= 1");
    // Divisions by zero are domain failures too.
    Set(3, "1", "0", "0");
    EXPECT_EQ(Apply(4), "Error: Division by 0");
    Set(4, "0", "1", "2");
    EXPECT_EQ(Apply(4), "Error: Division by 0");
    Set(2, "1", "0", "-1");
    EXPECT_EQ(Apply(0), "Error: Division by 0");
    Set(6, "1", "0");
    EXPECT_EQ(Apply(1e6), "Error: Overflow");
    // A chi-square needs positive degrees of freedom; it would otherwise give zeros.
    Set(12, "-2", "1", "0");
    EXPECT_EQ(Apply(1), "Error: A <= 0");
    Set(12, "0", "1", "0");
    EXPECT_EQ(Apply(1), "Error: A <= 0");
}

TEST_F(TransformTest, ArraysStopAtTheFirstFailureAndFailuresSwitchTheTransformOff) {
    Set(5, "1", "0");
    for (double x : {1.0, std::exp(1.0), 0.0, 4.0}) ws.sample.Append(x);
    ApplyTransformToArray(ws, 4);
    EXPECT_TRUE(ws.transform.Error);
    EXPECT_THAT(Sample(ws), ElementsAre(0, 1, 0, 4));
    TransformFailed(ws);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0],
              "Transform Error - Turning Off Transform!\nTransform: LN(X)\nError: X <= 0");
    EXPECT_FALSE(ws.transform.On());

    Set(5, "1", "0");
    EXPECT_EQ(TransformValue(ws, 0), 0);
    EXPECT_EQ(ui.errors.size(), 2u);
    EXPECT_FALSE(ws.transform.On());
    EXPECT_EQ(TransformValue(ws, 3), 3);  // off: unchanged
}

TEST_F(TransformTest, RandomKindsDrawFromTheProgramsGenerator) {
    ws.random.Seed(11);
    RandomGenerator replay(11);
    Set(9, "5", "2");  // Uniform(5, 2): 2 + u * 3
    for (int i = 0; i < 100; ++i) {
        const double y = ApplyTransform(ws, 1000);
        EXPECT_DOUBLE_EQ(y, 2 + replay.Uniform() * 3);
    }
    Set(10, "100", "2");  // the value is replaced by a normal draw
    const double y = ApplyTransform(ws, -5);
    EXPECT_DOUBLE_EQ(y, static_cast<double>(NormalRandom(replay, 100, 2)));
    Set(11, "1", "3");
    for (int i = 0; i < 100; ++i) EXPECT_GE(ApplyTransform(ws, 0), 1);
    Set(12, "4", "2", "10");
    for (int i = 0; i < 100; ++i) EXPECT_GE(ApplyTransform(ws, 0), 10);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(TransformTest, DialogRules) {
    EXPECT_FALSE(TransformConstantsVisible(0));
    EXPECT_TRUE(TransformConstantsVisible(12));
    EXPECT_THAT(
        (std::vector<bool>{TransformCVisible(1), TransformCVisible(2), TransformCVisible(3),
                           TransformCVisible(4), TransformCVisible(5), TransformCVisible(12)}),
        ElementsAre(false, true, true, true, false, true));
    EXPECT_TRUE(TransformOkEnabled(0, "", "", ""));
    EXPECT_TRUE(TransformOkEnabled(1, "2", "-.5", ""));
    EXPECT_FALSE(TransformOkEnabled(2, "2", "1", ""));
    EXPECT_FALSE(TransformOkEnabled(1, "two", "1", "1"));  // a constant must read as a number
    EXPECT_TRUE(TransformOkEnabled(12, "3", "1", "0"));
    EXPECT_EQ(TransformKindName(12), "Random: Chi-Square(A=df, B=scale, C=min)");
}

TEST_F(TransformTest, AddingAndModifyingColumns) {
    FillTable(ws, {"Weight", "Line"}, {{"1", "1"}, {"", "1"}, {"4", "2"}, {"9", "1"}});
    ws.rules.SetProcessIfRule(1, 2, 1, "Line", 1);
    Set(3, "1", "0", "2");  // square root
    ASSERT_TRUE(TransformColumns(ws, {1}, true, true));
    EXPECT_EQ(ws.table.ColumnName(3), "f(Weight)");
    EXPECT_EQ(ws.table.DataGrid.Cell(3, 1), "1");
    EXPECT_EQ(ws.table.DataGrid.Cell(3, 2), "");  // missing
    EXPECT_EQ(ws.table.DataGrid.Cell(3, 3), "");  // excluded by Process If
    EXPECT_EQ(ws.table.DataGrid.Cell(3, 4), "3");
    EXPECT_FALSE(ws.transform.On());  // turned off when done
    EXPECT_TRUE(ws.table.Modified);
    EXPECT_EQ(ws.data.Value(3, 4), 3);

    // Modifying keeps the cells the rules leave out.
    Set(1, "10", "0");
    ASSERT_TRUE(TransformColumns(ws, {1}, false, false));
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 3), "4");
    EXPECT_EQ(ws.table.DataGrid.Cell(1, 4), "90");

    // A failing column is reported and left alone; the others are still done.
    Set(5, "1", "-20");
    ASSERT_TRUE(TransformColumns(ws, {1, 2}, true, false));
    EXPECT_THAT(ui.errors,
                ElementsAre("Transform Failed for: Weight", "Transform Failed for: Line"));
    EXPECT_EQ(ws.table.MaxCol(), 3);
}

TEST_F(TransformTest, AddingRefusesToPassTheColumnLimit) {
    std::vector<std::string> names(510, "c");
    FillTable(ws, names, {std::vector<std::string>(510, "1")});
    Set(1, "2", "0");
    EXPECT_FALSE(TransformColumns(ws, {1, 2}, true, false));
    EXPECT_THAT(ui.errors, ElementsAre("Maximum Number of Columns Exceeded."));
    EXPECT_EQ(ws.table.MaxCol(), 510);
    EXPECT_TRUE(TransformColumns(ws, {1}, true, false));
    EXPECT_EQ(ws.table.MaxCol(), 511);
}

}  // namespace
}  // namespace vostrel
