// Every command that derives variables is one undoable step: undo gives back the table as
// it was, cell for cell, and redo makes the command again.

#include <gmock/gmock.h>

#include "derived_fixture.h"
#include "engine/derived/compute_variables.h"
#include "engine/derived/derived_statistics.h"
#include "engine/derived/run_numbers.h"
#include "engine/derived/weight_cases.h"
#include "support/table_snapshot.h"

namespace vostrel {
namespace {

using testing::Snapshot;
using testing::TableSnapshot;

class DerivedUndoTest : public testing::DerivedTest {
  protected:
    void SetUp() override {
        Fill({"Id", "G", "X", "W"}, {{"a", "1", "3", "1"},
                                     {"b", "2", "10", "3"},
                                     {"c", "1", "5", ""},
                                     {"d", "2", "20", "2"},
                                     {"e", "1", "7", "0"}});
        ws.table.DescGrid.SetCell(3, 1, "Fill weight");
        ws.table.Modified = false;
    }
    // Runs the command, then checks that undo restores the table and redo repeats it.
    template <typename Command>
    void ExpectRoundTrip(Command command, const std::string& label) {
        const TableSnapshot before = Snapshot(ws.table);
        ASSERT_EQ(command(), DeriveResult::Added);
        const TableSnapshot after = Snapshot(ws.table);
        ASSERT_NE(after, before);
        EXPECT_EQ(ws.history.UndoLabel(), label);

        ASSERT_NE(ws.history.Undo(), nullptr);
        EXPECT_EQ(Snapshot(ws.table), before);
        EXPECT_FALSE(ws.table.Modified);
        ws.data.UpdateData();
        EXPECT_EQ(ws.data.Ncount, static_cast<int>(before.Data.size()) - 1);

        ASSERT_NE(ws.history.Redo(), nullptr);
        EXPECT_EQ(Snapshot(ws.table), after);
        EXPECT_TRUE(ws.table.Modified);
        ws.history.Undo();
    }
};

TEST_F(DerivedUndoTest, EachCommandIsOneStepThatUndoesExactly) {
    ExpectRoundTrip(
        [&] {
            SampleVariableRequest request;
            request.Statistic = SampleRanks;
            request.Dependent = 3;
            request.Independent = {2};
            TRunInfo run;
            return ComputeSampleVariable(ws, run, request, nullptr);
        },
        "Compute Variables");
    ExpectRoundTrip(
        [&] {
            AcrossRowsRequest request;
            request.Statistic = AcrossHigh;
            request.Columns = {2, 3};
            return ComputeAcrossRows(ws, request, nullptr);
        },
        "Compute Variables");
    ExpectRoundTrip([&] { return GenerateRunNumbers(ws, {2}); }, "Generate Run Numbers");
    ExpectRoundTrip([&] { return AutoRecode(ws, {1, 2, 3}); }, "Auto Recode");
    ui.defaultAnswer = Answer::Yes;
    ExpectRoundTrip([&] { return WeightCases(ws, 4); }, "Weight Cases");
}

TEST_F(DerivedUndoTest, CommandsThatChangeNothingLeaveNoStep) {
    ui.defaultAnswer = Answer::No;
    EXPECT_EQ(WeightCases(ws, 4), DeriveResult::Cancelled);
    SampleVariableRequest request;
    request.Statistic = BartlettKendallBox;
    request.Dependent = 3;
    TRunInfo run;
    EXPECT_EQ(ComputeSampleVariable(ws, run, request, nullptr), DeriveResult::Cancelled);
    EXPECT_FALSE(ws.history.CanUndo());
}

}  // namespace
}  // namespace vostrel
