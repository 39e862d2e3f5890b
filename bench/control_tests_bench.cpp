// The tests for statistical control over a large chart, all nine enabled, and the
// first computation of the constants beyond the table.

#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/control_charts/chart_constants.h"
#include "engine/control_charts/control_tests.h"

namespace {

using vostrel::ChartArrayType;

// A series that wanders with the given persistence (0 for independent points); the more it
// wanders, the more patterns the tests find and mark.
void FillChart(ChartArrayType& arrays, int points, double persistence) {
    arrays.EnsureCapacity(points);
    unsigned state = 12345u;
    double level = 0.0;
    for (int p = 1; p <= points; ++p) {
        state = state * 1103515245u + 12345u;
        const double noise = static_cast<double>((state >> 8) % 2000) / 1000.0 - 1.0;
        level = persistence * level + 1.5 * noise;
        arrays(ChartArrayType::LocStat, p) = level;
        arrays(ChartArrayType::LocCL, p) = 0.0;
        arrays(ChartArrayType::LocStdError, p) = 1.0;
        arrays(ChartArrayType::LocUCL, p) = 3.0;
        arrays(ChartArrayType::LocLCL, p) = -3.0;
        arrays(ChartArrayType::SetNumber, p) = 0.0;
        arrays(ChartArrayType::BreakAfter, p) = 0.0;
    }
}

void BM_EvaluateControlTests(benchmark::State& state) {
    const int points = static_cast<int>(state.range(0));
    ChartArrayType arrays;
    FillChart(arrays, points, static_cast<double>(state.range(1)) / 100.0);
    vostrel::ControlTestSettings settings;
    settings.StdTestEnabled.fill(true);
    vostrel::ControlCodes codes;
    for (auto _ : state) {
        vostrel::EvaluateControlTests(arrays, points, settings, vostrel::LocationChart, false,
                                      vostrel::LocationTestRows, codes);
        benchmark::DoNotOptimize(codes);
    }
}
// Arguments: points, persistence in percent.
BENCHMARK(BM_EvaluateControlTests)
    ->Args({1000000, 0})
    ->Args({1000000, 90})
    ->Unit(benchmark::kMillisecond);

void BM_ConstantsBeyondTheTable(benchmark::State& state) {
    for (auto _ : state) {
        vostrel::ChartConstants constants;
        vostrel::StatContext stat;
        benchmark::DoNotOptimize(constants.ChartConstantD3(stat, 50));
        benchmark::DoNotOptimize(constants.MedianRangeConstant(stat, 50));
    }
}
BENCHMARK(BM_ConstantsBeyondTheTable)->Unit(benchmark::kMillisecond);

}  // namespace
