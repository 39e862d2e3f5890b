#include "engine/data/extraction.h"

#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::FillTable;
using vostrel::testing::Sample;
using vostrel::testing::ScriptedUserInterface;

// Columns: A, B (measures), G (group 1, 2, 4), H (text group), R (a second group).
class ExtractionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillTable(ws, {"A", "B", "G", "H", "R"},
                  {{"1", "10", "1", "x", "1"},
                   {"2", "", "2", "y", "2"},
                   {"3", "30", "1", "x", "2"},
                   {"", "40", "4", "z", "1"},
                   {"5", "50", "2", "y", "1"},
                   {"6", "60", "", "x", "2"}});
        ws.table.DescGrid.SetCell(1, DescTitleRow, "Weight of A");
    }
    // A run over measure columns (first..last) with an optional group or runs.
    void Measures(int first, int last) {
        ws.data.IncludeCol.fill(false);
        for (int c = first; c <= last; ++c) ws.data.IncludeCol[static_cast<std::size_t>(c)] = true;
        for (int c = 1; c <= DerivedColumnCount; ++c)
            ws.data.IncludeCol[static_cast<std::size_t>(ws.data.MaxCol() + c)] = true;
        run.Afirst = first;
        run.Alast = last;
        run.measure = first;
    }
    void GroupBy(int column) {
        run.index = column;
        run.Afirst = RoundHalfEven(ws.data.ColumnLow[static_cast<std::size_t>(column)]);
        run.Alast = RoundHalfEven(ws.data.ColumnHigh[static_cast<std::size_t>(column)]);
    }
    void RunsOf(std::vector<int> columns) {
        run.RefArray[0] = static_cast<int>(columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) run.RefArray[i + 1] = columns[i];
        ws.data.SetRunData(run);
    }
    // Every unit GetAR yields: its name and values.
    std::vector<std::pair<std::string, std::vector<double>>> Walk() {
        std::vector<std::pair<std::string, std::vector<double>>> units;
        SetupIndex(run);
        while (GetAR(ws, run)) units.emplace_back(run.CurrentName, Sample(ws));
        return units;
    }
    // Row statistics as the analysis driver writes them: mean, std dev, count of A and B.
    void WriteRowStatistics() {
        const int m = ws.data.MaxCol();
        for (int r = 1; r <= ws.data.Ncount; ++r) {
            const double a = ws.data.Value(1, r), b = ws.data.Value(2, r);
            const bool both = a != MissingValue && b != MissingValue;
            ws.data.Value(m + 1, r) = both ? (a + b) / 2 : (a != MissingValue ? a : b);
            ws.data.Value(m + 2, r) = both ? std::abs(a - b) / std::sqrt(2.0) : MissingValue;
            ws.data.Value(m + 3, r) = both ? 2 : 1;
        }
    }
    using Units = std::vector<std::pair<std::string, std::vector<double>>>;

    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    TRunInfo run;
};

TEST_F(ExtractionTest, Layout1GivesEachMeasureColumn) {
    run.ColRefRun = 1;
    Measures(1, 2);
    EXPECT_EQ(Walk(), (Units{{"A", {1, 2, 3, 5, 6}}, {"B", {10, 30, 40, 50, 60}}}));
    DataToA_Array(ws, 1, run);
    SetCurrentTitles(ws, run);
    EXPECT_EQ(ws.data.DescCol, 1);
    ws.data.IncludeCol[2] = false;
    DataToA_Array(ws, 2, run);
    EXPECT_EQ(ws.sample.SampleCount, 0);  // a column that is not a measure is empty
    run.v = 1;
    SetCurrentTitles(ws, run);
    EXPECT_EQ(run.CurrentTitle, "Weight of A");
    run.v = ws.data.MaxCol() + 2;
    SetCurrentTitles(ws, run);
    EXPECT_EQ(run.CurrentName, "StdDev");
}

TEST_F(ExtractionTest, Layout2SkipsEmptyGroupsAndNamesLevels) {
    run.ColRefRun = 2;
    Measures(1, 1);
    GroupBy(3);
    EXPECT_EQ(Walk(), (Units{{"1", {1, 3}}, {"2", {2, 5}}}));  // group 4 has only a missing A
    Measures(2, 2);
    GroupBy(3);
    EXPECT_EQ(Walk(), (Units{{"1", {10, 30}}, {"2", {50}}, {"4", {40}}}));
    GetGroupCount(ws, run);
    EXPECT_EQ(run.NumberOfGroups, 3);
    EXPECT_EQ(run.TotalCount, 4);
    EXPECT_EQ(run.v, run.Afirst - 1);
    // A text group variable is named by its texts.
    GroupBy(4);
    EXPECT_EQ(Walk(), (Units{{"x", {10, 30, 60}}, {"y", {50}}, {"z", {40}}}));
}

TEST_F(ExtractionTest, GetLastARWalksBack) {
    run.ColRefRun = 2;
    Measures(2, 2);
    GroupBy(3);
    run.v = run.Alast + 1;
    std::vector<std::string> names;
    while (GetLastAR(ws, run)) names.push_back(run.CurrentName);
    EXPECT_THAT(names, ElementsAre("4", "2", "1"));
    EXPECT_EQ(run.v, run.Afirst);
}

TEST_F(ExtractionTest, Layouts3And20GiveRunsOfSeveralGroups) {
    run.ColRefRun = 3;
    Measures(2, 2);
    RunsOf({4, 5});  // H then R: x1, x2, y2, y1?, z1
    EXPECT_EQ(Walk(), (Units{{"x, 1", {10}}, {"x, 2", {30, 60}}, {"y, 1", {50}}, {"z, 1", {40}}}));
    run.ColRefRun = 20;
    RunsOf({5});
    EXPECT_EQ(Walk(), (Units{{"1", {10, 40, 50}}, {"2", {30, 60}}}));
}

TEST_F(ExtractionTest, SampleItemLayoutsTakeEveryMeasureOfARow) {
    Measures(1, 2);
    run.ColRefRun = 5;
    EXPECT_EQ(Walk(), (Units{{"Group", {1, 10, 2, 3, 30, 40, 5, 50, 6, 60}}}));
    EXPECT_EQ(ws.data.DescCol, 1);
    run.ColRefRun = 6;
    GroupBy(3);
    EXPECT_EQ(Walk(), (Units{{"1", {1, 10, 3, 30}}, {"2", {2, 5, 50}}, {"4", {40}}}));
    run.ColRefRun = 7;
    RunsOf({3, 5});
    EXPECT_EQ(Walk(), (Units{{"1, 1", {1, 10}},
                             {"1, 2", {3, 30}},
                             {"2, 1", {5, 50}},
                             {"2, 2", {2}},
                             {"4, 1", {40}}}));
}

TEST_F(ExtractionTest, RepeatedMeasureLayoutsTakeRowMeansUntransformed) {
    Measures(1, 2);
    WriteRowStatistics();
    AcceptTransformDialog(ws.transform, 1, "100", "0", "1", false);  // would multiply by 100
    run.ColRefRun = 8;
    EXPECT_EQ(Walk(), (Units{{"Mean(A,B)", {5.5, 2, 16.5, 40, 27.5, 33}}}));
    run.ColRefRun = 9;
    GroupBy(3);
    EXPECT_EQ(Walk(), (Units{{"1", {5.5, 16.5}}, {"2", {2, 27.5}}, {"4", {40}}}));
    run.ColRefRun = 10;
    RunsOf({5});
    EXPECT_EQ(Walk(), (Units{{"1", {5.5, 40, 27.5}}, {"2", {2, 16.5, 33}}}));
}

TEST_F(ExtractionTest, SubgroupStatisticsOfTheCurrentUnit) {
    Measures(1, 2);
    WriteRowStatistics();
    run.ColRefRun = 6;
    GroupBy(3);
    SetupIndex(run);
    std::vector<std::string> names;
    std::vector<std::vector<double>> counts;
    while (GetARsubgroupStats(ws, 3, run)) {
        names.push_back(run.CurrentName);
        counts.push_back(Sample(ws));
    }
    EXPECT_THAT(names, ElementsAre("1", "2", "4"));
    EXPECT_THAT(counts, ElementsAre(ElementsAre(2, 2), ElementsAre(1, 2), ElementsAre(1)));
    run.v = 1;
    SubgroupStatsToA_Array(ws, 2, run);  // std devs: the one-value rows have none
    EXPECT_EQ(ws.sample.SampleCount, 2);
    run.ColRefRun = 2;
    SubgroupStatsToA_Array(ws, 1, run);
    EXPECT_EQ(ws.sample.SampleCount, 0);  // only the sample-item and repeated layouts
}

TEST_F(ExtractionTest, LoadAllPoolsTheUnitsAndGrandHighLowSeesTheSame) {
    Measures(1, 2);
    run.ColRefRun = 6;
    GroupBy(3);
    LoadAllToA_Array(ws, run);
    EXPECT_THAT(Sample(ws), ElementsAre(1, 10, 2, 3, 30, 40, 5, 50, 6, 60));
    EXPECT_EQ(run.CurrentName, "(All)");
    ws.rules.SetMissingRule(1, 2, "45", 45);  // values above 45 are missing
    GetGrandHighLow(ws, 6, run);
    EXPECT_EQ(ws.data.GrandHigh, 40);
    EXPECT_EQ(ws.data.GrandLow, 1);
    run.ColRefRun = 2;
    run.measure = 2;
    LoadAllToA_Array(ws, run);
    EXPECT_THAT(Sample(ws), ElementsAre(10, 30, 40));
}

TEST_F(ExtractionTest, CaseSelectionAndSetsApplyToEveryUnit) {
    Measures(1, 1);
    run.ColRefRun = 2;
    GroupBy(3);
    ws.data.SetColumn = 5;
    ws.data.SetGlobalIndexData();
    ws.data.SetIndex = 2;  // R = 2: rows 2, 3, 6
    EXPECT_EQ(Walk(), (Units{{"1", {3}}, {"2", {2}}}));
    ws.rules.SetProcessIfRule(1, 1, 2, "A", 2);  // and A > 2
    EXPECT_EQ(Walk(), (Units{{"1", {3}}}));
}

TEST_F(ExtractionTest, ATransformFailingInsideAUnitIsReportedAndTheUnitTakenUntransformed) {
    Measures(1, 1);
    run.ColRefRun = 1;
    AcceptTransformDialog(ws.transform, 5, "1", "-2.5", "1", false);  // LN(X - 2.5): fails at 1
    DataToA_Array(ws, 1, run);
    EXPECT_THAT(Sample(ws), ElementsAre(1, 2, 3, 5, 6));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0],
              "Transform Error - Turning Off Transform!\nTransform: LN(X -2.5)\nError: X <= 0");
    EXPECT_FALSE(ws.transform.On());
    // A transform that succeeds applies to every value.
    AcceptTransformDialog(ws.transform, 1, "2", "1", "1", false);
    DataToA_Array(ws, 1, run);
    EXPECT_THAT(Sample(ws), ElementsAre(3, 5, 7, 11, 13));
}

TEST_F(ExtractionTest, ReloadARRepeatsTheRandomDraws) {
    Measures(1, 2);
    run.ColRefRun = 1;
    for (int kind : {9, 10}) {
        AcceptTransformDialog(ws.transform, kind, "0", "1", "1", kind == 9);
        SetupIndex(run);
        ASSERT_TRUE(GetAR(ws, run));
        const std::vector<double> first = Sample(ws);
        ReloadAR(ws, run);
        EXPECT_EQ(Sample(ws), first) << kind;
        ASSERT_TRUE(GetAR(ws, run));
        EXPECT_NE(Sample(ws), first) << kind;
    }
}

// The index that spares the walk a scan of every row per unit must change nothing.
TEST(ExtractionIndex, GivesWhatThePlainScanGives) {
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    std::mt19937 random(5);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 3000; ++r) {
        const auto pick = [&](int n) {
            return std::to_string(static_cast<int>(random() % static_cast<unsigned>(n)));
        };
        rows.push_back({random() % 10 == 0 ? "" : pick(1000), pick(40), pick(3), pick(5), pick(2)});
    }
    FillTable(ws, {"X", "G", "H", "K", "S"}, rows);
    ws.rules.SetProcessIfRule(1, 4, 6, "K", 3);
    ws.data.SetColumn = 5;
    ws.data.SetGlobalIndexData();
    ws.data.SetIndex = 2;
    ws.data.IncludeCol[1] = true;
    for (int code : {2, 3}) {
        TRunInfo run;
        run.ColRefRun = static_cast<std::uint8_t>(code);
        run.measure = 1;
        if (code == 2) {
            run.index = 2;
            run.Afirst = -3;  // units beyond the data are simply empty
            run.Alast = 45;
        } else {
            run.RefArray[0] = 2;
            run.RefArray[1] = 2;
            run.RefArray[2] = 3;
            ws.data.SetRunData(run);
        }
        std::vector<std::pair<int, std::vector<double>>> withIndex, plain;
        for (bool useIndex : {true, false}) {
            ws.extraction.UseIndex = useIndex;
            auto& units = useIndex ? withIndex : plain;
            SetupIndex(run);
            while (GetAR(ws, run)) units.emplace_back(run.v, testing::Sample(ws));
        }
        EXPECT_EQ(withIndex, plain) << code;
        EXPECT_GT(withIndex.size(), 30u);
    }
}

}  // namespace
}  // namespace vostrel
