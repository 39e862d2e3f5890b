// Drawing an individuals chart of 100,000 points with its codes and zones on a 1200 x 800
// picture, and moving the sizing slider on it, as the chart window and --image do.

#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QImage>

#include <random>
#include <string>
#include <vector>

#include "app/charts/plot/control_chart_plot.h"
#include "app/common/graph_services/graph_image.h"
#include "app/common/graph_services/offscreen_graphics.h"
#include "engine/control_charts/chart_action.h"
#include "engine/control_charts/chart_picture.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;

constexpr int Points = 100000;
const QSize PictureSize(1200, 800);

// A process that drifts now and then, so that many points carry codes.
struct ChartOf100000 {
    SilentUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};

    ChartOf100000() {
        std::mt19937_64 random(7);
        std::normal_distribution<double> noise(0.0, 1.0);
        ws.table.SetMaxCol(1);
        ws.table.SetColumnName(1, "X");
        ws.table.SetCaseRows(Points);
        double level = 50.0;
        for (int r = 1; r <= Points; ++r) {
            if (r % 5000 == 0) level = 50.0 + (r / 5000 % 3) * 1.5;
            ws.table.DataGrid.SetCell(1, r, std::to_string(level + noise(random)));
        }
        ws.data.UpdateData();
        ChartSetupModel setup;
        setup.ResetChartSetup(DataColumnSource(ws.data));
        setup.Select(SetupList::DataVariables, {1});
        setup.IncludeMeasures();
        ws.chart.Display.DisplayCodes = true;
        ws.chart.Display.DisplayZones = true;
        ChartSetupAction(ws, setup);
    }
};

ChartOf100000& Chart() {
    static ChartOf100000 chart;
    return chart;
}

void BM_DrawIndividualsChart(benchmark::State& state) {
    Workspace& ws = Chart().ws;
    QCustomPlot plot;
    plot.resize(PictureSize);
    app::ControlChartStyle style;
    for (auto _ : state) {
        const ChartPicture picture = BuildChartPicture(ws);
        app::DrawControlChart(plot, picture, style);
        const QImage image = app::PlotToImage(plot, PictureSize);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = ws.chart.PointCount;
}
BENCHMARK(BM_DrawIndividualsChart)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_MoveSlider(benchmark::State& state) {
    Workspace& ws = Chart().ws;
    QCustomPlot plot;
    plot.resize(PictureSize);
    const ChartPicture picture = BuildChartPicture(ws);
    const app::ControlChartView view = app::DrawControlChart(plot, picture, {});
    int position = 40;
    for (auto _ : state) {
        position = position == 40 ? 70 : 40;
        app::PlaceChartSlider(plot, view, position);
        const QImage image = app::PlotToImage(plot, PictureSize);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MoveSlider)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    vostrel::app::OffscreenGraphics graphics;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
