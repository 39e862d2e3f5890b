// The numbers behind the graphs over 1,000,000 values: box plots and the frequency table
// of 1,000 groups, and the histogram of all values with the normal curve. Each iteration
// starts from a run whose unit index is not built yet, as the first drawing after an
// Action does.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/analysis/analysis_driver.h"
#include "engine/graphs/box_plot.h"
#include "engine/graphs/frequency_table.h"
#include "engine/graphs/histogram.h"
#include "engine/workspace.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kGroups = 1000;

struct Table {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};

    Table() {
        ws.table.SetMaxCol(2);
        ws.table.SetCaseRows(kRows);
        ws.table.SetColumnName(1, "Head");
        ws.table.SetColumnName(2, "X");
        std::mt19937 random(3);
        std::normal_distribution<double> normal(500, 2);
        for (int r = 1; r <= kRows; ++r) {
            ws.table.DataGrid.SetCell(1, r,
                                      std::to_string(1 + static_cast<int>(random() % kGroups)));
            const double x = std::round(normal(random) * 100) / 100;
            ws.table.DataGrid.SetCell(2, r, std::to_string(x));
        }
        ws.data.UpdateData();
        vostrel::AnalysisSettings& s = ws.analysis.Settings;
        s.RebuildVariableLists(ws.data, true);
        s.IncludeMeasures({s.DataVariables.IndexOfColumn(2)});
        s.IncludeStreams({s.DataVariables.IndexOfColumn(1)});
        vostrel::PrepareGraphRun(ws, true);
    }
    vostrel::TRunInfo& Run() {
        ws.extraction.Index.Valid = false;
        return ws.analysis.GraphRunInfo;
    }
};

Table& SharedTable() {
    static auto* table = new Table();
    return *table;
}

void BoxPlotsOfAThousandGroups(benchmark::State& state) {
    Table& t = SharedTable();
    std::size_t groups = 0;
    for (auto _ : state) {
        const vostrel::BoxPlot plot = vostrel::BuildBoxPlot(t.ws, t.Run(), {});
        groups = plot.Groups.size();
    }
    state.counters["groups"] = static_cast<double>(groups);
}

void HistogramOfAMillionValuesWithNormalCurve(benchmark::State& state) {
    Table& t = SharedTable();
    vostrel::HistogramOptions options;
    options.NormalCurve = true;
    const vostrel::HistogramGroups groups = vostrel::OpenHistogramGroups(t.ws, t.Run());
    std::size_t bars = 0;
    for (auto _ : state) {
        // Choosing "(All)": every value loaded again (unsorted), then counted and fitted.
        vostrel::TRunInfo& run = t.Run();
        vostrel::LoadHistogramEntry(t.ws, run, groups, 0);
        const vostrel::HistogramResult h = vostrel::BuildHistogram(t.ws, run, groups, 0, options);
        bars = h.Bars.size();
    }
    state.counters["bars"] = static_cast<double>(bars);
}

void FrequencyTableOfAThousandGroups(benchmark::State& state) {
    Table& t = SharedTable();
    int rows = 0;
    for (auto _ : state) {
        const vostrel::FrequencyTable table = vostrel::BuildFrequencyTable(t.ws, t.Run(), {});
        rows = table.RowCount();
    }
    state.counters["rows"] = rows;
}

BENCHMARK(BoxPlotsOfAThousandGroups)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HistogramOfAMillionValuesWithNormalCurve)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FrequencyTableOfAThousandGroups)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
