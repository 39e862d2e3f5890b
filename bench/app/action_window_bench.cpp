// The Action pressed in the main window on a table of 1,000,000 rows, until the report is
// shown in the output window: one measure, and five measures as the items of one sample.
// The table is loaded once; the main window's lists are set as a user sets them.
//
//   cmake --build build --target action_window_bench
//   QT_QPA_PLATFORM=offscreen build/bench/action_window_bench --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <random>
#include <string>

#include "app/report/output_window.h"
#include "app/main_window/performance_form.h"
#include "app/common/window_directory.h"
#include "engine/core/settings_store.h"
#include "engine/core/user_interface.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;
using namespace vostrel::app;

constexpr int kRows = 1000000;

struct Setup {
    SilentUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    WindowDirectory windows;
    std::unique_ptr<TPerformanceForm> form;

    explicit Setup(int measures) {
        DataTable& table = ws.table;
        table.SetMaxCol(measures);
        table.SetCaseRows(kRows);
        std::mt19937 random(7);
        std::normal_distribution<double> normal(500, 2);
        char text[32];
        for (int c = 1; c <= measures; ++c) {
            table.SetColumnName(c, "M" + std::to_string(c));
            table.DescGrid.SetCell(c, DescUSLRow, "508");
            table.DescGrid.SetCell(c, DescTargetRow, "500");
            table.DescGrid.SetCell(c, DescLSLRow, "492");
        }
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= measures; ++c) {
                std::snprintf(text, sizeof text, "%.1f", normal(random));
                table.DataGrid.SetCell(c, r, text);
            }
        ws.data.UpdateData();
        ++table.TableGeneration;
        form = std::make_unique<TPerformanceForm>(ws, windows);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) std::fprintf(stderr, "no main window\n");
        QApplication::processEvents();
        // Every data variable becomes a measure.
        auto* variables = form->findChild<QListWidget*>(QStringLiteral("DataVarList"));
        variables->selectAll();
        form->findChild<QToolButton*>(QStringLiteral("SpeedButton_IncludeMeasures"))->click();
    }
};

void RunAction(benchmark::State& state, Setup& setup) {
    for (auto _ : state) {
        setup.form->CalcButtonClick();
        if (!QTest::qWaitForWindowExposed(setup.form->OutputWindow()))
            state.SkipWithError("the output window did not show");
        QApplication::processEvents();
    }
}

void SingleMeasure(benchmark::State& state) {
    static Setup* setup = new Setup(1);
    RunAction(state, *setup);
}

void SampleItemsFiveMeasures(benchmark::State& state) {
    static Setup* setup = new Setup(5);
    RunAction(state, *setup);
}

BENCHMARK(SingleMeasure)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SampleItemsFiveMeasures)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
