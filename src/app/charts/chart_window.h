#pragma once
// The control chart window: the location and dispersion charts of the current chart in one
// area, the list of every chart of the definition, the sizing slider, point size and line
// thickness, the View menu's choices, point texts, and the graph window services.

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "app/charts/plot/control_chart_plot.h"
#include "engine/control_charts/chart_data_stamp.h"
#include "engine/control_charts/chart_picture.h"

class QCustomPlot;
class QMouseEvent;

namespace Ui {
class TVARchart_Form;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphWindowServices;
class TForm_CChart_Info;
class WindowDirectory;

class TVARchart_Form : public QMainWindow {
    Q_OBJECT
  public:
    // setupWindow is the window brought back when the data's structure has changed;
    // windows opens the data editor from the information window.
    TVARchart_Form(Workspace& ws, QWidget* setupWindow, const WindowDirectory* windows = nullptr,
                   QWidget* parent = nullptr);
    ~TVARchart_Form() override;

    // Remembers the caller and its name on the Return command, and shows the window.
    void ShowVARchartForm(QWidget* caller, const QString& name);
    // Draws the current chart; with no chart in the list the chart is only cleared.
    void DisplayVARchart();
    // The chart list from the definition, the current chart selected.
    void FillChartList();
    // The data's change counters at Action; a later change of structure closes the window.
    void RememberDataState();

    int DisplayCount() const { return displayCount_; }
    QCustomPlot* Chart() const;
    const ControlChartView& View() const { return view_; }
    const ChartPicture& Picture() const { return picture_; }
    GraphWindowServices& Services() const { return *services_; }
    // Opens the point text dialog for a statistic point (the chart's click does this).
    void EditPointText(bool upper, int position, const QPoint& globalPointer);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BindViewMenu();
    void ViewMenuOpened();
    // Checks the item as the option stands, and the item sets the option and redraws.
    void BindOption(QAction* action, bool& option);
    void SelectAxisDecimals(int decimals);
    void ChartListClicked(int row);
    void SliderMoved(int position);
    void ShowSliderHint();
    void PointSizeChanged(int size);
    void LineThicknessChanged(int width);
    void Recalculate();
    void ShowControlTests();
    void ShowChartInformation();
    void MouseMoved(QMouseEvent* event);
    void MousePressed(QMouseEvent* event);
    void CheckDataState();
    void ResetChartWindow();
    void ShowCaption();
    void TitlesEdited();

    Workspace& ws_;
    Ui::TVARchart_Form* ui_;
    GraphWindowServices* services_ = nullptr;
    QPointer<QWidget> setupWindow_;
    const WindowDirectory* windows_;
    QPointer<TForm_CChart_Info> info_;
    ChartPicture picture_;
    ControlChartView view_;
    ControlChartStyle style_;
    ChartDataStamp stamp_;
    int displayCount_ = 0;
    QString lastPointText_;
    bool filling_ = false;  // the chart list is being filled
};

}  // namespace vostrel::app
