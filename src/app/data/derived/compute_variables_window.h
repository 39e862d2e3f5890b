#pragma once
// The compute-variables window: new columns computed from the samples of a dependent
// variable, or across several columns of each row, with a log of what was added.

#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "app/data/derived/bkb_dialogs.h"
#include "engine/derived/compute_variables_model.h"
#include "engine/report/report_document.h"

namespace Ui {
class TBkbox_Form;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class WindowDirectory;
class ReportView;

class TBkbox_Form : public QMainWindow {
    Q_OBJECT
  public:
    TBkbox_Form(Workspace& ws, WindowDirectory& windows, QWidget* parent = nullptr);
    ~TBkbox_Form() override;

    Workspace& Ws() const { return ws_; }
    // The window that "Return" shows again.
    void SetCaller(QWidget* caller) { caller_ = caller; }

    // Rebuilds the lists when the table's data changed since they were built, and clears
    // the log when it is another table.
    void FormActivate();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Connect();
    void ConnectStatistics();
    void ShowLists(int dataCurrent = 0);
    void ShowControls();

    void SpeedButton_IndVarClick();
    void Edit_NewNameChange(const QString& text);
    void CalcButtonClick();
    void OpenDataFile1Click();
    void DataEditor1Click();
    void ToolButton_ReturnClick();
    void EditCommand(const QString& itemName);
    void FocusChanged();

    Workspace& ws_;
    WindowDirectory& windows_;
    QPointer<QWidget> caller_;
    ComputeVariablesModel model_;
    ReportDocument log_;
    BkbQuestions questions_;
    Ui::TBkbox_Form* ui_;
    ReportView* view_ = nullptr;
};

}  // namespace vostrel::app
