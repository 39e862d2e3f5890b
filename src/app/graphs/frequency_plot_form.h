#pragma once
// The frequency plots window: the frequency table of the current measure, one row per
// interval midpoint and one column per group.

#include <QMainWindow>

#include <memory>

#include "app/graphs/frequency_table_model.h"
#include "app/graphs/graph_set_selector.h"
#include "engine/graphs/graph_data_stamp.h"

class QTableView;

namespace Ui {
class TFrequencyPlotForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphNavigation;

class TFrequencyPlotForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrequencyPlotForm(Workspace& ws, QWidget* parent = nullptr);
    ~TFrequencyPlotForm() override;

    // Fills the table from the graphs' run description and shows the window.
    void ShowFrequencyPlot(QWidget* caller, const QString& name);
    // Fills the table with the current options, while the data is unchanged.
    void DisplayFrequencyPlot();
    // Prints the table under the heading "FREQUENCY PLOT", the analysis title in the
    // page header.
    void PrintTable();
    // The selected cells (the whole table when none) as tab-separated text on the clipboard.
    void CopySelection();

    const FrequencyTable& Table() const { return model_.Table(); }
    QTableView& Grid() const;

  protected:
    bool event(QEvent* event) override;

  private:
    FrequencyOptions Options() const;

    std::unique_ptr<Ui::TFrequencyPlotForm> ui_;
    Workspace& ws_;
    GraphDataStamp stamp_;
    FrequencyTableModel model_;
    std::unique_ptr<GraphSetSelector> sets_;
    std::unique_ptr<GraphNavigation> navigation_;
};

}  // namespace vostrel::app
