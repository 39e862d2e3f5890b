// The graph windows redrawn over 1,000,000 values: the box plots of 1,000 groups, the
// histogram of all values with the normal curve and the frequency table of 1,000 groups.
// Each iteration does what the window does when the user changes a choice (the numbers
// built again from a run whose unit index is not built yet, then drawn) and paints the
// result. A second case of each only draws and paints what is already built.
//
//   cmake --build build --target graph_windows_bench
//   QT_QPA_PLATFORM=offscreen build/bench/graph_windows_bench --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QApplication>
#include <QCheckBox>
#include <QTableView>

#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "app/graphs/box_plot_drawing.h"
#include "app/graphs/frequency_plot_form.h"
#include "app/graphs/graph_windows.h"
#include "app/graphs/hist_form.h"
#include "app/graphs/histogram_drawing.h"
#include "app/graphs/plot_form.h"
#include "app/common/window_directory.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/core/settings_store.h"
#include "engine/core/user_interface.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;
using namespace vostrel::app;

constexpr int kRows = 1000000;
constexpr int kGroups = 1000;

struct Setup {
    SilentUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    WindowDirectory windows;
    TPlot_Form* box = nullptr;
    THistForm* histogram = nullptr;
    TFrequencyPlotForm* frequency = nullptr;

    Setup() {
        ws.table.SetMaxCol(2);
        ws.table.SetCaseRows(kRows);
        ws.table.SetColumnName(1, "Head");
        ws.table.SetColumnName(2, "X");
        ws.table.DescGrid.SetCell(2, DescUSLRow, "508");
        ws.table.DescGrid.SetCell(2, DescTargetRow, "500");
        ws.table.DescGrid.SetCell(2, DescLSLRow, "492");
        std::mt19937 random(3);
        std::normal_distribution<double> normal(500, 2);
        for (int r = 1; r <= kRows; ++r) {
            ws.table.DataGrid.SetCell(1, r,
                                      std::to_string(1 + static_cast<int>(random() % kGroups)));
            ws.table.DataGrid.SetCell(2, r, std::to_string(std::round(normal(random) * 100) / 100));
        }
        ws.data.UpdateData();
        AnalysisSettings& s = ws.analysis.Settings;
        s.RebuildVariableLists(ws.data, true);
        s.IncludeMeasures({s.DataVariables.IndexOfColumn(2)});
        s.IncludeStreams({s.DataVariables.IndexOfColumn(1)});
        RegisterGraphWindows(ws, windows);
        PrepareGraphRun(ws, true);
        box = qobject_cast<TPlot_Form*>(windows.Open(ProgramWindow::BoxPlots, nullptr));
        histogram = qobject_cast<THistForm*>(windows.Open(ProgramWindow::Histogram, nullptr));
        histogram->findChild<QCheckBox*>("CheckBox_NormCurve")->setChecked(true);
        PrepareGraphRun(ws, false);
        frequency =
            qobject_cast<TFrequencyPlotForm*>(windows.Open(ProgramWindow::FrequencyPlots, nullptr));
        for (QWidget* window : {static_cast<QWidget*>(box), static_cast<QWidget*>(histogram),
                                static_cast<QWidget*>(frequency)})
            window->resize(1000, 700);
        QApplication::processEvents();
    }
    // The next drawing starts from a run whose unit index is not built yet.
    void ForgetIndex() { ws.extraction.Index.Valid = false; }
};

Setup& Shared() {
    static auto* setup = new Setup();
    return *setup;
}

// Paints the widget now, as the screen would show it.
void Paint(QWidget& widget) {
    widget.repaint();
    QApplication::processEvents();
}

void BoxPlotsChosenAndDrawn(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        s.ForgetIndex();
        s.box->DisplaySelection();
        s.box->Chart().replot(QCustomPlot::rpImmediateRefresh);
    }
    state.counters["groups"] = static_cast<double>(s.box->Plot().Groups.size());
}

void BoxPlotsDrawnOnly(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        DrawBoxPlot(s.box->Chart(), s.box->Plot(), BoxPlotView{});
        s.box->Chart().replot(QCustomPlot::rpImmediateRefresh);
    }
}

void HistogramWithNormalCurveChosenAndDrawn(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        s.ForgetIndex();
        s.histogram->Histogram();
        s.histogram->Chart().replot(QCustomPlot::rpImmediateRefresh);
    }
    state.counters["n"] = s.histogram->Result().n;
}

void HistogramDrawnOnly(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        DrawHistogram(s.histogram->Chart(), s.histogram->Result(), false);
        s.histogram->Chart().replot(QCustomPlot::rpImmediateRefresh);
    }
}

void FrequencyTableFilledAndPainted(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        s.ForgetIndex();
        s.frequency->DisplayFrequencyPlot();
        Paint(*s.frequency->Grid().viewport());
    }
    state.counters["rows"] = s.frequency->Table().RowCount();
    state.counters["columns"] = s.frequency->Table().ColumnCount();
}

BENCHMARK(BoxPlotsChosenAndDrawn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BoxPlotsDrawnOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HistogramWithNormalCurveChosenAndDrawn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HistogramDrawnOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FrequencyTableFilledAndPainted)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
