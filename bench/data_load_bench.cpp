// Loading and saving a large generated data file. LoadFile runs FileToDataGrid (reading the
// text into the grid store and deriving the numeric store) with the plain reader and with
// the chunked one; SaveFile writes the loaded table back. Run one size per process to read
// its peak resident memory, e.g. --benchmark_filter='LoadFile/1000000/10/1'
//   rows x columns: 1,000,000 x 10 (86 MB) and 100,000 x 100; reader 0 plain, 1 chunked.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "generated_data_file.h"

namespace {

// The generated file, written once into the temporary folder and reused.
std::string GeneratedFile(int rows, int cols) {
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("vostrel-bench-" + std::to_string(rows) + "x" + std::to_string(cols) + ".dat"))
            .string();
    if (std::filesystem::exists(path)) return path;
    if (!vostrel::bench::WriteGeneratedFile(path + ".part", rows, cols)) return path;
    std::filesystem::rename(path + ".part", path);
    return path;
}

long PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

vostrel::FileReading Reader(std::int64_t chunked) {
    return {chunked != 0 ? vostrel::FileReading::Method::Chunked
                         : vostrel::FileReading::Method::Plain};
}

void LoadFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    const std::string path = GeneratedFile(rows, cols);
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    for (auto _ : state) {
        auto ws = std::make_unique<vostrel::Workspace>(ui, settings);
        if (vostrel::FileToDataGrid(*ws, path, Reader(state.range(2))) !=
                vostrel::LoadResult::Loaded ||
            ws->data.Ncount != rows)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(ws->data.CellValues.data());
        state.PauseTiming();  // releasing the table is not part of loading it
        ws.reset();
        state.ResumeTiming();
    }
    state.counters["MB_file"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["MB_peak_rss"] = static_cast<double>(PeakResidentMegabytes());
}

BENCHMARK(LoadFile)
    ->ArgNames({"rows", "cols", "chunked"})
    ->Args({1000000, 10, 1})
    ->Args({1000000, 10, 0})
    ->Args({100000, 100, 1})
    ->Args({100000, 100, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void SaveFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    const std::string path = GeneratedFile(rows, cols);
    const std::string saved = path + ".saved";
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws(ui, settings);
    if (vostrel::FileToDataGrid(ws, path) != vostrel::LoadResult::Loaded)
        state.SkipWithError("load failed");
    for (auto _ : state) {
        if (!vostrel::SaveFile(ws, saved, true, true, false)) state.SkipWithError("save failed");
    }
    state.counters["MB_file"] = static_cast<double>(std::filesystem::file_size(saved)) / 1e6;
    std::filesystem::remove(saved);
}

BENCHMARK(SaveFile)
    ->ArgNames({"rows", "cols"})
    ->Args({1000000, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
