// How long the desktop program takes to show its main window, without the splash delay:
// once from the start of this process (loading the libraries, the application object, the
// platform plugin and fonts included) and then, repeatedly, from creating the windows to
// the main window on screen.
//
//   cmake --build build --target main_window_bench
//   QT_QPA_PLATFORM=offscreen build/bench/main_window_bench --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/program_windows.h"
#include "app/main_window/performance_form.h"
#include "app/common/window_directory.h"
#include "engine/core/settings_store.h"
#include "engine/core/user_interface.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;
using namespace vostrel::app;

// Seconds since this process started (the kernel counts in clock ticks).
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22 is the start time; skip past the command name, which may hold spaces.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started;
}

// What main() does before the event loop, then until the main window is exposed.
void ShowMainWindow() {
    SilentUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    WindowDirectory windows;
    TPerformanceForm form(ws, windows);
    RegisterProgramWindows(ws, windows);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) std::fprintf(stderr, "the window did not show\n");
    QApplication::processEvents();
}

void BM_ShowMainWindow(benchmark::State& state) {
    for (auto _ : state) ShowMainWindow();
}
BENCHMARK(BM_ShowMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ShowMainWindow();
    std::printf("process start to shown main window: %.0f ms\n", SecondsSinceProcessStart() * 1000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
