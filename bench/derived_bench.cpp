// Derived variables over a table of 1,000,000 rows: the median of each of 1,000 samples
// written into a new column (extraction, statistics, the new column's texts, the undo step
// and the re-derivation of the table), the same by ranks, and weighting every row by 1 or
// 2. Each command is undone outside the timing, so that every iteration starts from the
// same table.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/derived/compute_variables.h"
#include "engine/derived/derived_statistics.h"
#include "engine/derived/weight_cases.h"
#include "engine/workspace.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kSamples = 1000;

struct Table {
    vostrel::SilentUserInterface ui{vostrel::Answer::Yes};
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};

    Table() {
        ws.table.SetMaxCol(3);
        ws.table.SetCaseRows(kRows);
        std::mt19937 random(3);
        for (int r = 1; r <= kRows; ++r) {
            ws.table.DataGrid.SetCell(
                1, r, std::to_string(500 + static_cast<int>(random() % 1000)) + ".5");
            ws.table.DataGrid.SetCell(2, r,
                                      std::to_string(1 + static_cast<int>(random() % kSamples)));
            ws.table.DataGrid.SetCell(3, r, std::to_string(1 + static_cast<int>(random() % 2)));
        }
        ws.data.UpdateData();
    }

    void Undo(benchmark::State& state) {
        state.PauseTiming();
        ws.history.Undo();
        ws.data.UpdateData();
        state.ResumeTiming();
    }
};

Table& SharedTable() {
    static auto* table = new Table();
    return *table;
}

void SampleStatisticByGroup(benchmark::State& state) {
    Table& t = SharedTable();
    vostrel::SampleVariableRequest request;
    request.Statistic = static_cast<int>(state.range(0));
    request.Dependent = 1;
    request.Independent = {2};
    for (auto _ : state) {
        vostrel::TRunInfo run;
        vostrel::ComputeSampleVariable(t.ws, run, request, nullptr);
        t.Undo(state);
    }
    state.SetLabel(vostrel::SampleStatisticInfo(request.Statistic).Caption);
}

void WeightCasesByOneOrTwo(benchmark::State& state) {
    Table& t = SharedTable();
    for (auto _ : state) {
        vostrel::WeightCases(t.ws, 3);
        t.Undo(state);
    }
}

BENCHMARK(SampleStatisticByGroup)
    ->Arg(vostrel::SampleMedian)
    ->Arg(vostrel::SampleRanks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(WeightCasesByOneOrTwo)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
