#pragma once
// "Variables Control Chart Analysis": the analysis report of the current chart and its point
// information grid, regenerated whenever the chart window has drawn since.

#include <QMainWindow>
#include <QPointer>
#include <QString>

namespace Ui {
class TForm_CChart_Info;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class PointGridModel;
class TVARchart_Form;
class WindowDirectory;

class TForm_CChart_Info : public QMainWindow {
    Q_OBJECT
  public:
    TForm_CChart_Info(Workspace& ws, TVARchart_Form& chartWindow,
                      const WindowDirectory* windows = nullptr);
    ~TForm_CChart_Info() override;

    // Regenerates what changed and shows the window with "Return to " + name.
    void ShowChartInformation(QWidget* caller, const QString& name);
    // The report and the grid of the chart as it is now.
    void Regenerate();

    QString ReportText() const;
    PointGridModel* GridModel() const { return grid_; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RegenerateWhenRedrawn();
    void WriteReport(bool keepScroll);
    void FillGrid();
    void DecimalsChanged(int decimals);
    void PageChanged();
    void StepFont(int step);
    void PrintText();
    void PrintGrid();
    void SaveText();
    void SaveGrid();
    void Copy();
    void SelectAll();
    std::string GridText(bool selectionOnly) const;

    Workspace& ws_;
    TVARchart_Form& chartWindow_;
    const WindowDirectory* windows_;
    Ui::TForm_CChart_Info* ui_;
    PointGridModel* grid_;
    QPointer<QWidget> caller_;
    int reportedDisplayCount_ = -1;
    bool opening_ = false;
};

}  // namespace vostrel::app
