// Loading and deriving a large generated data file: FileToDataGrid reads the text into the
// grid store and derives the numeric store. Run one size per process to read its peak
// resident memory, e.g. --benchmark_filter=LoadFile/1000000/10
//   rows x columns: 1,000,000 x 10 (about 90 MB) and 100,000 x 100.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "engine/data/data_file.h"
#include "engine/workspace.h"

namespace {

// A tab-separated file of numbers like "1234.567", written once and reused.
std::string GeneratedFile(int rows, int cols) {
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("vostrel-bench-" + std::to_string(rows) + "x" + std::to_string(cols) + ".dat"))
            .string();
    if (std::filesystem::exists(path)) return path;
    std::FILE* f = std::fopen((path + ".part").c_str(), "wb");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digits(0, 9999999);
    std::string line;
    for (int r = 0; r < rows; ++r) {
        line.clear();
        for (int c = 0; c < cols; ++c) {
            const int v = digits(random);
            if (c > 0) line += '\t';
            line += std::to_string(v / 1000) + "." + std::to_string(100 + v % 900).substr(0, 3);
        }
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), f);
    }
    std::fclose(f);
    std::filesystem::rename(path + ".part", path);
    return path;
}

long PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void LoadFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    const std::string path = GeneratedFile(rows, cols);
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    for (auto _ : state) {
        auto ws = std::make_unique<vostrel::Workspace>(ui, settings);
        if (vostrel::FileToDataGrid(*ws, path) != vostrel::LoadResult::Loaded ||
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
    ->Args({1000000, 10})
    ->Args({100000, 100})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
