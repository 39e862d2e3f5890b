#pragma once
// The performance chart window: the nested indices, the opportunity analysis and the
// variance components of the main analysis on four pages. It is the Action's chart sink,
// created at program start and kept until the end.

#include <QMainWindow>

#include <array>
#include <memory>

#include "engine/analysis/performance_chart_sink.h"
#include "engine/graphs/ppa_charts.h"

class QCustomPlot;

namespace Ui {
class TPPAChartForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphNavigation;
class GraphWindowServices;

class TPPAChartForm : public QMainWindow, public PerformanceChartSink {
    Q_OBJECT
  public:
    explicit TPPAChartForm(Workspace& ws, QWidget* parent = nullptr);
    ~TPPAChartForm() override;

    void DisplayPPAVariance(double Measurement, double Process, double Target, double Stream,
                            double Time, double XBar, double Std) override;
    void DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) override;

    // Shows the window when the indices of an analysis have been displayed; false otherwise.
    bool ShowCharts(QWidget* caller);

    const PPACharts& Charts() const { return charts_; }
    QCustomPlot& Chart(PPAPage page) const;
    QCustomPlot& ActiveChart() const;
    bool BlackWhite() const;

  private:
    void Redraw();
    PPAContext Context() const;
    GraphWindowServices& Active() const;
    void ShowZoomState();

    std::unique_ptr<Ui::TPPAChartForm> ui_;
    Workspace& ws_;
    PPACharts charts_;
    std::array<GraphWindowServices*, kPPAPageCount> pages_{};
    std::unique_ptr<GraphNavigation> navigation_;
};

}  // namespace vostrel::app
