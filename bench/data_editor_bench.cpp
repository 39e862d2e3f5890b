// The data editor's commands on a 1,000,000 x 10 table, each with its undo: typing one
// cell and leaving the editor (the numbers derived again), pasting 100,000 x 10 cells,
// inserting and deleting 1,000 rows at the top, replacing all matches over the 10,000,000
// cells, and transposing the largest table that can be transposed (512 x 512; 10,000 rows
// would need 10,000 columns). The counter "held_per_changed" is the memory the undo step
// holds divided by the memory of the cells it changed, as the table stores them (text
// plus a four-byte offset per cell).
//   cmake --build build --target data_editor_bench && build/bench/data_editor_bench

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "engine/data/grid/editor_state.h"
#include "engine/data/grid/find_replace.h"
#include "engine/data/grid/grid_commands.h"
#include "engine/data/grid/grid_paste.h"
#include "engine/data/grid/table_edit.h"
#include "engine/workspace.h"

namespace {

using vostrel::GridId;
using vostrel::GridRect;
using vostrel::Workspace;

constexpr int kRows = 1000000;
constexpr int kCols = 10;

std::string Number(std::mt19937& random) {
    const unsigned v = random() % 10000000u;
    return std::to_string(v / 1000) + "." + std::to_string(100 + v % 900);
}

// One table for all benchmarks; each leaves it as it found it (by undoing).
Workspace& Table() {
    static vostrel::SilentUserInterface ui;
    static vostrel::MemorySettingsStore settings;
    static std::unique_ptr<Workspace> ws;
    if (!ws) {
        ws = std::make_unique<Workspace>(ui, settings);
        vostrel::DataTable& table = ws->table;
        table.SetMaxCol(kCols);
        table.SetCaseRows(kRows);
        std::mt19937 random(11);
        for (int c = 1; c <= kCols; ++c)
            for (int r = 1; r <= kRows; ++r) table.DataGrid.SetCell(c, r, Number(random));
        ws->data.UpdateData();
        ws->history.SetLimits(1000, std::size_t{8} << 30);
    }
    return *ws;
}

// Memory of `cells` cells of the table as stored: text plus an offset each.
double StoredBytes(const Workspace& ws, const GridRect& r) {
    double bytes = 0;
    for (int c = r.Left; c <= r.Right; ++c)
        for (int row = r.Top; row <= r.Bottom; ++row)
            bytes += static_cast<double>(ws.table.DataGrid.Cell(c, row).size() + 4);
    return bytes;
}

template <typename Step>
void StepAndUndo(benchmark::State& state, bool measureUndo, Step step) {
    Workspace& ws = Table();
    for (auto _ : state) {
        if (measureUndo) {
            state.PauseTiming();
            step(ws);
            state.ResumeTiming();
            ws.history.Undo();
        } else {
            step(ws);
            state.PauseTiming();
            ws.history.Undo();
            state.ResumeTiming();
        }
    }
    step(ws);
    state.counters["held_MB"] = static_cast<double>(ws.history.HeldBytes()) / 1e6;
    ws.history.Undo();
    ws.history.Reset();
}

void TypeOneCellAndLeave(benchmark::State& state) {
    const bool undo = state.range(0) != 0;
    StepAndUndo(state, undo, [&](Workspace& ws) {
        vostrel::SetCellText(ws, GridId::Data, 3, 500000, "42.5");
        if (!undo) vostrel::EditorDeactivated(ws);
    });
    // The undo leaves the numbers to derive again; deriving is what leaving costs.
    vostrel::EditorDeactivated(Table());
}

std::string PasteText() {
    std::mt19937 random(5);
    std::string text;
    for (int r = 0; r < 100000; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (c > 0) text += '\t';
            text += Number(random);
        }
        text += "\r\n";
    }
    return text;
}

void Paste100000x10(benchmark::State& state) {
    static const std::string text = PasteText();
    const GridRect at{1, 200001, 1, 200001};
    StepAndUndo(state, state.range(0) != 0,
                [&](Workspace& ws) { vostrel::PasteIntoDataGrid(ws, at, text); });
    Workspace& ws = Table();
    vostrel::PasteIntoDataGrid(ws, at, text);
    const double changed = StoredBytes(ws, GridRect{1, 200001, kCols, 300000});
    ws.history.Undo();
    state.counters["held_per_changed"] =
        static_cast<double>(ws.history.HeldBytes()) / changed;  // after the undo: the new cells
    ws.history.Reset();
}

void InsertRows1000AtTop(benchmark::State& state) {
    StepAndUndo(state, state.range(0) != 0, [](Workspace& ws) {
        vostrel::InsertRows(ws, GridRect{1, 1, 1, 1000});
    });
}

void DeleteRows1000AtTop(benchmark::State& state) {
    StepAndUndo(state, state.range(0) != 0, [](Workspace& ws) {
        vostrel::DeleteRows(ws, GridRect{1, 1, kCols, 1000}, 1);
    });
    Workspace& ws = Table();
    const double changed = StoredBytes(ws, GridRect{1, 1, kCols, 1000});
    vostrel::DeleteRows(ws, GridRect{1, 1, kCols, 1000}, 1);
    state.counters["held_per_changed"] = static_cast<double>(ws.history.HeldBytes()) / changed;
    ws.history.Undo();
    ws.history.Reset();
}

// Every cell above 5000 (about half of them) becomes "x".
void ReplaceAllOver10MillionCells(benchmark::State& state) {
    vostrel::FindRequest request;
    request.First = {2, "5000"};
    request.Current = {1, 1};
    Workspace& ws = Table();
    ws.data.UpdateData();
    StepAndUndo(state, state.range(0) != 0,
                [&](Workspace& w) { vostrel::ReplaceAll(w, request, "x"); });
    ws.data.UpdateData();
    const double changed = [&] {
        double bytes = 0;
        for (int c = 1; c <= kCols; ++c)
            for (int r = 1; r <= kRows; ++r)
                if (ws.data.Value(c, r) > 5000) bytes += ws.table.DataGrid.Cell(c, r).size() + 4;
        return bytes;
    }();
    vostrel::ReplaceAll(ws, request, "x");
    state.counters["held_per_changed"] = static_cast<double>(ws.history.HeldBytes()) / changed;
    ws.history.Undo();
    ws.history.Reset();
    ws.data.UpdateData();
}

void Transpose512x512(benchmark::State& state) {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    Workspace ws(ui, settings);
    ws.table.SetMaxCol(512);
    ws.table.SetCaseRows(512);
    std::mt19937 random(3);
    for (int c = 1; c <= 512; ++c)
        for (int r = 1; r <= 512; ++r) ws.table.DataGrid.SetCell(c, r, Number(random));
    const bool undo = state.range(0) != 0;
    for (auto _ : state) {
        if (undo) state.PauseTiming();
        vostrel::Transpose(ws);
        if (undo) state.ResumeTiming();
        if (!undo) state.PauseTiming();
        ws.history.Undo();
        if (!undo) state.ResumeTiming();
    }
}

BENCHMARK(TypeOneCellAndLeave)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Paste100000x10)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertRows1000AtTop)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteRows1000AtTop)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAllOver10MillionCells)
    ->ArgName("undo")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(Transpose512x512)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
