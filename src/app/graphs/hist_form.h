#pragma once
// The histogram window: the distribution of the current measure for all groups or one,
// as bars or a frequency polygon, with the normal curve, specification and process lines.

#include <QMainWindow>

#include <memory>

#include "app/graphs/graph_set_selector.h"
#include "engine/graphs/graph_data_stamp.h"
#include "engine/graphs/histogram.h"

class QCustomPlot;

namespace Ui {
class THistForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphWindowServices;

class THistForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit THistForm(Workspace& ws, QWidget* parent = nullptr);
    ~THistForm() override;

    // Loads the group list of the graphs' run description, draws the first entry and shows
    // the window, remembering the caller.
    void ShowHistogram(QWidget* caller, const QString& name);
    // Draws the selected entry with the current options.
    void Histogram();

    QCustomPlot& Chart() const;
    const HistogramResult& Result() const { return result_; }

  protected:
    bool event(QEvent* event) override;

  private:
    void SelectEntry();
    void Draw();
    HistogramOptions Options() const;

    std::unique_ptr<Ui::THistForm> ui_;
    Workspace& ws_;
    GraphDataStamp stamp_;
    HistogramGroups groups_;
    HistogramResult result_;
    std::unique_ptr<GraphSetSelector> sets_;
    GraphWindowServices* services_ = nullptr;
};

}  // namespace vostrel::app
