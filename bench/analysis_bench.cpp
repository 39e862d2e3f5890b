// The process performance Action on 1,000,000 rows, report included: a single measure;
// five measures as the items of one sample; one measure with a stream variable of 1,000
// stream codes.
//
//   cmake --build build --target analysis_bench
//   build/bench/analysis_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "engine/analysis/analysis_driver.h"
#include "engine/workspace.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kStreams = 1000;

std::string Value(std::mt19937& random) {
    std::normal_distribution<double> normal(500, 2);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", normal(random));
    return text;
}

// columns: measures, then (when streams) one stream column of codes 1..kStreams.
struct Setup {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};

    Setup(int measures, bool streams) {
        vostrel::DataTable& table = ws.table;
        table.SetMaxCol(measures + (streams ? 1 : 0));
        table.SetCaseRows(kRows);
        for (int c = 1; c <= measures; ++c) {
            table.SetColumnName(c, "M" + std::to_string(c));
            table.DescGrid.SetCell(c, vostrel::DescUSLRow, "508");
            table.DescGrid.SetCell(c, vostrel::DescTargetRow, "500");
            table.DescGrid.SetCell(c, vostrel::DescLSLRow, "492");
        }
        if (streams) table.SetColumnName(measures + 1, "Head");
        std::mt19937 random(7);
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 1; c <= measures; ++c) table.DataGrid.SetCell(c, r, Value(random));
            if (streams)
                table.DataGrid.SetCell(measures + 1, r,
                                       std::to_string(1 + static_cast<int>(random() % kStreams)));
        }
        ws.data.UpdateData();
        vostrel::AnalysisSettings& s = ws.analysis.Settings;
        s.RebuildVariableLists(ws.data, true);
        std::vector<int> items;
        for (int i = 0; i < measures; ++i) items.push_back(i);
        s.IncludeMeasures(items);
        if (streams) s.IncludeStreams({0});
        s.Multiple = vostrel::MultipleMeasures::SampleItems;
    }
};

void RunAction(benchmark::State& state, Setup& setup) {
    for (auto _ : state) {
        const vostrel::ActionResult result = vostrel::RunPerformanceAnalysis(setup.ws);
        if (result != vostrel::ActionResult::Completed)
            state.SkipWithError("the Action did not complete");
        benchmark::DoNotOptimize(setup.ws.analysis.Results.Ppk);
    }
    state.counters["values"] = setup.ws.sample.SampleCount;
}

void SingleMeasure(benchmark::State& state) {
    static Setup* setup = new Setup(1, false);
    RunAction(state, *setup);
}

void SampleItemsFiveMeasures(benchmark::State& state) {
    static Setup* setup = new Setup(5, false);
    RunAction(state, *setup);
}

void OneStreamVariable1000Codes(benchmark::State& state) {
    static Setup* setup = new Setup(1, true);
    RunAction(state, *setup);
}

BENCHMARK(SingleMeasure)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SampleItemsFiveMeasures)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OneStreamVariable1000Codes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
