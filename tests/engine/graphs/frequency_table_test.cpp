// The frequency table: the shared interval grid, the three cell types and the groups.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "engine/graphs/frequency_table.h"
#include "engine/graphs/frequency_table_print.h"
#include "graph_fixture.h"

namespace vostrel::testing {
namespace {

using ::testing::ElementsAre;

class FrequencyTableTest : public GraphTest {
  protected:
    FrequencyTable Build(const FrequencyOptions& options = {}) {
        return BuildFrequencyTable(ws, Run(), options);
    }
    static std::vector<std::string> ColumnTexts(const FrequencyTable& t, int column) {
        std::vector<std::string> texts;
        for (int r = 0; r < t.RowCount(); ++r) texts.push_back(t.Cell(column, r));
        return texts;
    }
};

TEST_F(FrequencyTableTest, OneToFiveGivesOneRowPerValue) {
    Values({1, 2, 3, 4, 5});
    ASSERT_TRUE(Prepare(false));
    const FrequencyTable t = Build();
    EXPECT_EQ(t.IntervalSize, 1);
    EXPECT_THAT(ColumnTexts(t, 0), ElementsAre("MidPoint", "1", "2", "3", "4", "5"));
    EXPECT_THAT(ColumnTexts(t, 1), ElementsAre("X", "1", "1", "1", "1", "1"));
    EXPECT_EQ(t.ColumnCount(), 2);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(FrequencyTableTest, ShiftedValuesUseTwentyIntervalsWithEmptyCellsBetween) {
    Values({-1, 0, 1, 2, 3});
    ASSERT_TRUE(Prepare(false));
    const FrequencyTable t = Build();
    EXPECT_DOUBLE_EQ(t.IntervalSize, 0.2);
    ASSERT_EQ(t.RowCount(), 22);
    EXPECT_EQ(t.Cell(0, 1), "-1.0");
    EXPECT_EQ(t.Cell(0, 2), "-0.8");
    EXPECT_EQ(t.Cell(0, 21), "3.0");
    for (int r = 1; r <= 21; ++r) EXPECT_EQ(t.Cell(1, r), (r - 1) % 5 == 0 ? "1" : "") << r;
}

TEST_F(FrequencyTableTest, RelativeAndCumulativeCellsUseTheDecimals) {
    Values({-1, 0, 1, 2, 3});
    ASSERT_TRUE(Prepare(false));
    FrequencyOptions options;
    options.Type = FrequencyType::CumulativeFrequencies;
    FrequencyTable t = Build(options);
    EXPECT_EQ(t.Cell(1, 1), "0.2000");
    EXPECT_EQ(t.Cell(1, 2), "");  // an empty interval stays empty
    EXPECT_EQ(t.Cell(1, 6), "0.4000");
    EXPECT_EQ(t.Cell(1, 21), "1.0000");
    options.Type = FrequencyType::RelativeFrequencies;
    options.Decimals = 2;
    t = Build(options);
    EXPECT_EQ(t.Cell(1, 21), "0.20");
    EXPECT_EQ(ws.analysis.Decimals, 2);  // the report takes the decimals until the next Action
}

TEST_F(FrequencyTableTest, GroupsShareTheGridAndBoundaryValuesCountBelow) {
    Groups({{1, 1.5, 2}, {2, 3, 3}});
    ASSERT_TRUE(Prepare(false));
    FrequencyOptions options;
    options.UseIntervalSize = true;
    options.IntervalSizeText = "1.0";
    const FrequencyTable t = Build(options);
    EXPECT_THAT(ColumnTexts(t, 0), ElementsAre("MidPoint", "1.0", "2.0", "3.0"));
    EXPECT_THAT(ColumnTexts(t, 1), ElementsAre("1", "2", "1", ""));
    EXPECT_THAT(ColumnTexts(t, 2), ElementsAre("2", "", "1", "2"));
}

TEST_F(FrequencyTableTest, PrintedLinesKeepEmptyCellsAndAlignEveryColumn) {
    Groups({{1, 1.5, 2}, {2, 3, 3}});
    ASSERT_TRUE(Prepare(false));
    FrequencyOptions options;
    options.UseIntervalSize = true;
    options.IntervalSizeText = "1.0";
    EXPECT_THAT(FrequencyTableLines(Build(options)), ElementsAre("   MidPoint |    1   2",
                                                                 "        1.0 |    2    ",
                                                                 "        2.0 |    1   1",
                                                                 "        3.0 |        2"));
    const ReportDocument page = FrequencyTableDocument(Build(options));
    ASSERT_EQ(page.Paragraphs().size(), 6u);
    EXPECT_EQ(page.Paragraphs()[0]->Text(), "FREQUENCY PLOT");
    EXPECT_TRUE(page.Paragraphs()[2]->StartStyle().underline);
    EXPECT_FALSE(page.Paragraphs()[3]->StartStyle().underline);
}

TEST_F(FrequencyTableTest, TypedValuesThatCannotBeUsedGiveAMessageAndNoRows) {
    Values({0, 1000});
    ASSERT_TRUE(Prepare(false));
    FrequencyOptions options;
    options.UseIntervalSize = true;
    options.IntervalSizeText = "0.01";
    FrequencyTable t = Build(options);
    EXPECT_THAT(t.Error, ::testing::HasSubstr("Too many intervals"));
    EXPECT_EQ(t.RowCount(), 1);
    options.IntervalSizeText = "1";
    options.UseFirstMidpoint = true;
    options.FirstMidpointText = "abc";
    t = Build(options);
    EXPECT_EQ(t.Error, "First Midpoint \"abc\" is not a number");
    options.FirstMidpointText =
        "-1e9";  // far below: a grid that reaches the data would be too long
    EXPECT_THAT(Build(options).Error, ::testing::HasSubstr("Too many intervals"));
}

TEST_F(FrequencyTableTest, NoValuesGiveAnEmptyTable) {
    Table({"X"}, {{"."}, {""}});
    Measures({1});
    ASSERT_TRUE(Prepare(false));
    const FrequencyTable t = Build();
    EXPECT_TRUE(t.Error.empty());
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_EQ(t.ColumnCount(), 1);
}

TEST_F(FrequencyTableTest, RandomGroupsAgreeWithCountingByBoundaries) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> tenths(1, 400);
    std::vector<std::vector<double>> groups(12);
    for (auto& g : groups)
        for (int i = 0; i < 40; ++i) g.push_back(tenths(random) / 10.0);
    Groups(groups);
    ASSERT_TRUE(Prepare(false));
    const FrequencyTable t = Build();
    const double s = t.IntervalSize;
    const double e = s / 10000;
    ASSERT_EQ(t.ColumnCount(), 13);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        int total = 0;
        for (int r = 1; r < t.RowCount(); ++r) {
            const double mid = t.FirstMidpoint + (r - 1) * s;
            int count = 0;
            for (double v : groups[g])
                if ((r == 1 || v >= mid - s / 2 + e) && v < mid + s / 2 + e) ++count;
            ASSERT_EQ(t.Cell(static_cast<int>(g) + 1, r), count > 0 ? std::to_string(count) : "")
                << "group " << g << " row " << r;
            total += count;
        }
        ASSERT_EQ(total, 40);
    }
}

}  // namespace
}  // namespace vostrel::testing
