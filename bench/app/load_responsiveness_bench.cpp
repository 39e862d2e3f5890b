// How responsive the program stays while it loads a large data file: a file of 1,000,000
// rows and 5 columns is loaded through the desktop program's progress window, while a
// timer asks to run every 5 ms. Reported: the load time and the longest stretch in which the
// timer could not run (how long a click on Cancel or a repaint can wait at most).
//
//   cmake --build build --target load_responsiveness_bench
//   QT_QPA_PLATFORM=offscreen build/bench/load_responsiveness_bench --benchmark_repetitions=3

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/common/qt_user_interface.h"
#include "engine/data/data_file.h"
#include "engine/core/settings_store.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;

constexpr int kRows = 1000000;

std::string WriteLargeFile() {
    const std::string path =
        (std::filesystem::temp_directory_path() / "vostrel_load_responsiveness.dat").string();
    std::ofstream out(path, std::ios::binary);
    out << "A\tB\tC\tD\tE\r\n";
    std::mt19937 random(3);
    std::normal_distribution<double> normal(500, 2);
    char line[128];
    for (int r = 0; r < kRows; ++r) {
        std::snprintf(line, sizeof line, "%.2f\t%.2f\t%.2f\t%.2f\t%.2f\r\n", normal(random),
                      normal(random), normal(random), normal(random), normal(random));
        out << line;
    }
    return path;
}

void BM_LoadWithProgressWindow(benchmark::State& state) {
    static const std::string path = WriteLargeFile();
    QWidget parent;
    parent.show();
    app::QtUserInterface ui(&parent);
    MemorySettingsStore settings;
    double longestGapMs = 0;
    for (auto _ : state) {
        Workspace ws(ui, settings);
        QElapsedTimer sinceTick;
        sinceTick.start();
        double longest = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        ticker.start(5);
        if (FileToDataGrid(ws, path) != LoadResult::Loaded) state.SkipWithError("not loaded");
        ticker.stop();
        longestGapMs = std::max(longestGapMs, longest);
    }
    state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_LoadWithProgressWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
