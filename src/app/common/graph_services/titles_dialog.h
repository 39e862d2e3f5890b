#pragma once
// The "Titles" dialog of every graph window: the chart title, the axis titles and five font
// sizes of one graph. Every edit shows on the graph at once; OK remembers the texts for
// "Last Text", Cancel puts back the titles and sizes the graph had when the dialog opened.

#include <QDialog>

#include "app/common/graph_services/graph_title_target.h"

namespace Ui {
class TForm_ChartTitles;
}

class QComboBox;

namespace vostrel {
struct GraphWindowSettings;
}

namespace vostrel::app {

class TForm_ChartTitles : public QDialog {
    Q_OBJECT
  public:
    TForm_ChartTitles(GraphTitleTarget& target, GraphWindowSettings& memory,
                      QWidget* parent = nullptr);
    ~TForm_ChartTitles() override;

    void accept() override;
    void reject() override;

  private:
    void ShowTarget();
    void ApplyTitles();
    void ApplySizes();
    void ShowLastTextHints();
    GraphTitleSizes TypedSizes() const;
    QComboBox* SizeBox(int index) const;

    Ui::TForm_ChartTitles* ui_;
    GraphTitleTarget& target_;
    GraphWindowSettings& memory_;
    GraphTitles openingTitles_;
    GraphTitleSizes openingSizes_;
    bool showing_ = false;  // the fields are being filled; their signals change nothing
};

// Opens the dialog for the target, modally, centred on the screen.
void EditGraphTitles(GraphTitleTarget& target, GraphWindowSettings& memory, QWidget* parent);

}  // namespace vostrel::app
