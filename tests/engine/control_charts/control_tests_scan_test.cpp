// The one-pass evaluation of the tests against the definition of each test at each point:
// on charts with ties, missing statistics, centerlines and standard errors, breaks, set
// changes and every window length from the smallest, all tests enabled.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/control_charts/control_tests.h"

namespace vostrel {
namespace {

using Row = ChartArrayType::Row;

void FillRandomChart(std::mt19937& random, ChartArrayType& a, int points) {
    a.EnsureCapacity(points);
    std::uniform_int_distribution<int> level(-4, 4);  // few levels: many ties
    std::uniform_int_distribution<int> percent(0, 99);
    int set = 1;
    for (int p = 1; p <= points; ++p) {
        if (percent(random) < 3) ++set;
        a(Row::LocStat, p) = percent(random) < 4 ? MissingValue : level(random) * 0.5;
        a(Row::LocCL, p) = percent(random) < 3 ? MissingValue : 0.25 * (set % 3);
        a(Row::LocStdError, p) = percent(random) < 3 ? MissingValue : 0.5 + 0.25 * (set % 2);
        a(Row::LocUCL, p) = 1.5;
        a(Row::LocLCL, p) = percent(random) < 50 ? MissingValue : -1.5;
        a(Row::SetNumber, p) = set;
        a(Row::BreakAfter, p) = percent(random) < 3 ? 1.0 : 0.0;
    }
}

// Every point asks Fires for every test, as the tests are defined.
std::vector<std::string> CodesByDefinition(const ChartArrayType& a, int points,
                                           const ControlTestSettings& settings) {
    std::vector<std::string> codes(static_cast<std::size_t>(points) + 1);
    ControlTestEvaluator evaluator(a, points, settings, LocationTestRows, codes);
    for (int p = 1; p <= points; ++p) {
        if (!IsPresent(a(Row::LocStat, p))) continue;
        std::string text;
        for (int t = 1; t <= ControlTestCount; ++t) {
            if (evaluator.Fires(t, p)) evaluator.MarkTest(t, p, text);
        }
        codes[static_cast<std::size_t>(p)] = text;
    }
    return codes;
}

TEST(ControlTestsScan, GivesTheCodesOfTheTestDefinitions) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(1, 9);
    int signals = 0;
    for (int round = 0; round < 200; ++round) {
        ControlTestSettings settings;
        settings.StdTestEnabled.fill(true);
        for (int index : {TestValueRun, TestValueTrend, TestValueExcessive, TestValueLack,
                          TestValueAlternating, TestValueZone1N, TestValueZone2N}) {
            settings.TestValues[static_cast<std::size_t>(index)] = length(random);
        }
        settings.TestValues[TestValueZone1M] = length(random);
        settings.TestValues[TestValueZone2M] = length(random);

        ChartArrayType arrays;
        const int points = 300;
        FillRandomChart(random, arrays, points);
        ControlCodes codes;
        EvaluateControlTests(arrays, points, settings, LocationChart, false, LocationTestRows,
                             codes);
        const std::vector<std::string> expected = CodesByDefinition(arrays, points, settings);
        for (int p = 1; p <= points; ++p) {
            const std::string got = CodesOfPoint(codes, LocationChart, p);
            ASSERT_EQ(got, expected[static_cast<std::size_t>(p)])
                << "round " << round << " point " << p;
            if (!got.empty()) ++signals;
        }
    }
    EXPECT_GT(signals, 1000);  // the charts do exercise the tests
}

}  // namespace
}  // namespace vostrel
