#pragma once
// The plots window: box-and-whisker plots of the current measure, one symbol per group,
// with or without outlier classes.

#include <QMainWindow>

#include <memory>

#include "app/graphs/box_plot_drawing.h"
#include "app/graphs/graph_set_selector.h"
#include "engine/graphs/box_plot.h"
#include "engine/graphs/graph_data_stamp.h"

class QCustomPlot;

namespace Ui {
class TPlot_Form;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphWindowServices;

class TPlot_Form : public QMainWindow {
    Q_OBJECT
  public:
    explicit TPlot_Form(Workspace& ws, QWidget* parent = nullptr);
    ~TPlot_Form() override;

    // Opens the window for the graphs' run description, remembering the caller.
    void ShowPlotForm(QWidget* caller, const QString& name);
    // Draws the selected plot kind.
    void DisplaySelection();

    QCustomPlot& Chart() const;
    const BoxPlot& Plot() const { return plot_; }

  protected:
    bool event(QEvent* event) override;

  private:
    void FormActivate();
    void Draw();
    void ShowPointText(QMouseEvent* event);
    void SetAxisDecimals(int decimals);

    std::unique_ptr<Ui::TPlot_Form> ui_;
    Workspace& ws_;
    GraphDataStamp stamp_;
    BoxPlot plot_;
    BoxPlotView view_;
    std::unique_ptr<GraphSetSelector> sets_;
    GraphWindowServices* services_ = nullptr;
};

}  // namespace vostrel::app
