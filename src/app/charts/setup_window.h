#pragma once
// "Variables Chart Setup": the variables, subgroups, chart types, limit calculations,
// centerlines and fields of a control chart. Every rule is the engine's ChartSetupModel;
// the window forwards each click to it and shows what it holds. Action computes the charts
// and shows them in the chart window.

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <utility>

#include "engine/control_charts/chart_data_stamp.h"
#include "engine/control_charts/chart_setup_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace Ui {
class TForm_VARsetup;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphNavigation;
class TVARchart_Form;
class WindowDirectory;

class TForm_VARsetup : public QMainWindow {
    Q_OBJECT
  public:
    TForm_VARsetup(Workspace& ws, const WindowDirectory* windows = nullptr,
                   QWidget* parent = nullptr);
    ~TForm_VARsetup() override;

    // Shows the window with "Return to " + the caller's name.
    void Open(QWidget* caller, const QString& name);

    const ChartSetupModel& Model() const { return setup_; }
    TVARchart_Form* ChartWindow() const;

    // Action: builds the definition, computes the charts and shows the chart window.
    void CalcButtonClick();
    // Rebuilds the lists from the data table.
    void ResetChartSetup();

  protected:
    bool event(QEvent* event) override;

  private:
    // The check box and the box of each user limit, in UserLimit order.
    using UserLimitControls = std::array<std::pair<QCheckBox*, QLineEdit*>, UserLimitCount>;
    UserLimitControls LimitControls() const;

    void BindLists();
    void BindChoices();
    void BindFields();
    void BindCommands();
    void ShowModel();
    void ShowList(QListWidget* widget, SetupList list);
    void ShowCombo(QComboBox* combo, const ComboList& list);
    void ShowVisibility();
    void ShowFields();
    void ListSelectionChanged(QListWidget* widget, SetupList list);
    void CloseChartWindow();
    void CheckDataState();
    void ShowCaption();
    void FileMenuOpened();
    void OpenDataFile(const QString& path);
    void OpenDataFileClick();
    void NewDataClick();
    void ShowDataEditor();
    void UpdateEditCommands();

    Workspace& ws_;
    const WindowDirectory* windows_;
    Ui::TForm_VARsetup* ui_;
    ChartSetupModel setup_;
    QPointer<TVARchart_Form> chart_;
    std::unique_ptr<GraphNavigation> navigation_;
    ChartDataStamp stamp_;
    double formScale_ = 1.0;
    bool showing_ = false;  // the controls are being filled from the model
};

// Registers the Control Charts window (the setup window, created on first use).
void RegisterChartWindows(Workspace& ws, WindowDirectory& windows);

}  // namespace vostrel::app
