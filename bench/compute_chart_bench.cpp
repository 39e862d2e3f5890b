// A whole chart computed from the data table, as Recalculate does: the points extracted
// from 1,000,000 rows, the limits, all nine tests on both charts, the extremes. An
// individuals and moving range chart of 1,000,000 points, and a mean and range chart of
// 200,000 subgroups of five consecutive rows.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <string>

#include "engine/control_charts/chart_action.h"
#include "engine/control_charts/compute_chart.h"
#include "engine/workspace.h"

namespace {

constexpr int kRows = 1000000;

// Normal-looking values with a slow drift, so that the tests find patterns now and then.
std::string CellText(unsigned long long& state, int row) {
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        sum += static_cast<double>(state >> 11) / 9007199254740992.0;
    }
    const double x = 500.0 + 2.0 * (sum - 2.0) + std::sin(row / 300.0);
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(buffer, end) : std::string("500");
}

struct ChartTable {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};

    explicit ChartTable(int sampleSize) {
        ws.table.SetMaxCol(1);
        ws.table.SetCaseRows(kRows);
        unsigned long long state = 7;
        for (int r = 1; r <= kRows; ++r) ws.table.DataGrid.SetCell(1, r, CellText(state, r));
        ws.data.UpdateData();

        vostrel::ChartSetupModel setup;
        setup.ResetChartSetup(vostrel::DataColumnSource(ws.data));
        setup.Select(vostrel::SetupList::DataVariables, {1});
        setup.IncludeMeasures();
        if (sampleSize > 0) {
            setup.SetConstantSampleSize(true);
            setup.SetSampleSize(sampleSize);
        }
        ws.chart.TestSettings.StdTestEnabled.fill(true);
        ws.chart.TestSettings.MRTestEnabled.fill(true);
        vostrel::ChartSetupAction(ws, setup);
    }
};

void ComputeRepeatedly(benchmark::State& state, vostrel::Workspace& ws) {
    for (auto _ : state) {
        vostrel::ComputeChart(ws);
        benchmark::DoNotOptimize(ws.chart.Codes);
        benchmark::DoNotOptimize(ws.chart.Points);
    }
    state.counters["points"] = ws.chart.PointCount;
}

void BM_IndividualsChart(benchmark::State& state) {
    static const auto table = std::make_unique<ChartTable>(0);
    ComputeRepeatedly(state, table->ws);
}
BENCHMARK(BM_IndividualsChart)->Unit(benchmark::kMillisecond);

// The extraction alone, for comparison.
void BM_IndividualsPointsOnly(benchmark::State& state) {
    static const auto table = std::make_unique<ChartTable>(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vostrel::ExtractChartPoints(table->ws));
        benchmark::DoNotOptimize(table->ws.chart.Points);
    }
}
BENCHMARK(BM_IndividualsPointsOnly)->Unit(benchmark::kMillisecond);

void BM_MeanRangeChart(benchmark::State& state) {
    static const auto table = std::make_unique<ChartTable>(5);
    ComputeRepeatedly(state, table->ws);
}
BENCHMARK(BM_MeanRangeChart)->Unit(benchmark::kMillisecond);

}  // namespace
