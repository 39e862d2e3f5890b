#include "app/graphs/graph_windows.h"

#include "app/graphs/frequency_plot_form.h"
#include "app/graphs/hist_form.h"
#include "app/graphs/plot_form.h"
#include "app/graphs/ppa_chart_form.h"
#include "app/common/window_directory.h"
#include "engine/workspace.h"

namespace vostrel::app {

namespace {

const QString kMainFormName = QStringLiteral("Main Form");

// The window of type Form, created on the first call and kept.
template <class Form>
Form* Window(Workspace& ws, WindowDirectory& windows, Form*& form) {
    if (form == nullptr) form = windows.Keep(new Form(ws));
    return form;
}

}  // namespace

void RegisterGraphWindows(Workspace& ws, WindowDirectory& windows) {
    auto* charts = windows.Keep(new TPPAChartForm(ws));
    ws.analysis.Charts = charts;
    windows.Register(ProgramWindow::PerformanceCharts, [charts](QWidget* caller) -> QWidget* {
        return charts->ShowCharts(caller) ? charts : nullptr;
    });

    auto plots = std::make_shared<TPlot_Form*>(nullptr);
    windows.Register(ProgramWindow::BoxPlots, [&ws, &windows, plots](QWidget* caller) -> QWidget* {
        TPlot_Form* form = Window(ws, windows, *plots);
        form->ShowPlotForm(caller, kMainFormName);
        return form;
    });
    auto histogram = std::make_shared<THistForm*>(nullptr);
    windows.Register(ProgramWindow::Histogram,
                     [&ws, &windows, histogram](QWidget* caller) -> QWidget* {
                         THistForm* form = Window(ws, windows, *histogram);
                         form->ShowHistogram(caller, kMainFormName);
                         return form;
                     });
    auto frequency = std::make_shared<TFrequencyPlotForm*>(nullptr);
    windows.Register(ProgramWindow::FrequencyPlots,
                     [&ws, &windows, frequency](QWidget* caller) -> QWidget* {
                         TFrequencyPlotForm* form = Window(ws, windows, *frequency);
                         form->ShowFrequencyPlot(caller, kMainFormName);
                         return form;
                     });
}

}  // namespace vostrel::app
