// Walking every unit of a layout-2 run (one stream variable with 1,000 stream codes) over
// 1,000,000 rows: SetupIndex, then GetAR until it returns false. With the unit index (built
// once per run and table state) and with the plain scan of every row for every unit, in the
// same run for comparison.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "engine/data/extraction.h"
#include "engine/workspace.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kStreams = 1000;

struct Table {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};
    vostrel::TRunInfo run;

    Table() {
        ws.table.SetMaxCol(2);
        ws.table.SetCaseRows(kRows);
        std::mt19937 random(3);
        for (int r = 1; r <= kRows; ++r) {
            ws.table.DataGrid.SetCell(
                1, r, std::to_string(500 + static_cast<int>(random() % 1000)) + ".5");
            ws.table.DataGrid.SetCell(2, r,
                                      std::to_string(1 + static_cast<int>(random() % kStreams)));
        }
        ws.data.UpdateData();
        ws.data.IncludeCol[1] = true;
        run.ColRefRun = 2;
        run.measure = 1;
        run.index = 2;
        run.Afirst = 1;
        run.Alast = kStreams;
    }
};

Table& SharedTable() {
    static auto* table = new Table();
    return *table;
}

void WalkAllUnits(benchmark::State& state) {
    Table& t = SharedTable();
    t.ws.extraction.UseIndex = state.range(0) != 0;
    int units = 0;
    for (auto _ : state) {
        t.ws.extraction.Index.Valid = false;  // every walk pays for building its index
        units = 0;
        vostrel::SetupIndex(t.run);
        while (vostrel::GetAR(t.ws, t.run)) ++units;
    }
    state.counters["units"] = units;
    state.SetLabel(state.range(0) != 0 ? "index" : "plain scan");
}

BENCHMARK(WalkAllUnits)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WalkAllUnits)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
