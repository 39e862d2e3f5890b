#pragma once
// The main window: the variables of the analysis, its settings and the Action, with the
// program's File, View, Options, Window and Help menus.

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/common/window_directory.h"

class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;

namespace Ui {
class TPerformanceForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TOutputForm;
class TSpecsFound;
class TVarInputForm;
class WindowNavigation;

class TPerformanceForm : public QMainWindow {
    Q_OBJECT
  public:
    TPerformanceForm(Workspace& ws, WindowDirectory& windows, QWidget* parent = nullptr);
    ~TPerformanceForm() override;

    // The program's argument (a file, or "@LAST"), opened when the window is first shown.
    void SetCommandLineArgument(const QString& argument);
    // File Open, the recently-used list, dropped files and the command line: a
    // configuration or a data file. False when nothing usable was opened.
    bool OpenFile(const QString& path);
    // The Action: the report of every analysis set, then the text output.
    void CalcButtonClick();

    TVarInputForm* UserSetDialog() const { return userSetDialog_; }
    TOutputForm* OutputWindow() const { return output_; }
    TSpecsFound* SpecsFoundWindow() const;

  signals:
    // The user closed the main window and nothing stopped it: the program ends.
    void ProgramEnds();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    struct WindowCommand {
        ProgramWindow window;
        QAction* action;
        QAbstractButton* button;
        QString hint;
    };

    void ConnectCommands();
    void ConnectLists();

    // Activation and what it refreshes.
    void FirstActivation();
    void FormActivate();
    void FormDeactivate();
    void CatchUpWithTable();
    void RememberTable();
    bool TableChanged() const;

    // File menu.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void FileClick();
    void MRFileClick(int index);
    // After a configuration or a data file was opened.
    void AfterOpening(bool configuration);
    void ShowSpecsFound();

    // View menu and tool buttons.
    void OpenProgramWindow(ProgramWindow window);
    void OpenGraphWindow(ProgramWindow window, bool checkLimits);
    void ShowTextOutput();
    void ViewClick();
    void FormResize1Click();

    // Options menu.
    void EnterVariances1Click();
    void RuleDialogClosed();

    // Variables.
    void RebuildVariableLists();
    void IncludeMeasuresClick();
    void ExcludeMeasuresClick();
    void ExcludeAllMeasuresClick();
    void IncludeGroupClick();
    void ExcludeGroupClick();
    void ExcludeAllGroupClick();
    void SetsClick();
    void MultipleClick();
    void AfterMove(QListWidget* focusList, int select);

    // Showing the settings.
    void ShowLists();
    void UpdateListButtons();
    void UpdateCommandButtons();
    void UpdateCaption();
    void UpdateMemo();
    void UpdateRuleStatus();
    void ShowSettings();
    void RefreshAll();

    Workspace& ws_;
    WindowDirectory& windows_;
    std::unique_ptr<Ui::TPerformanceForm> ui_;
    std::vector<WindowCommand> windowCommands_;
    WindowNavigation* navigation_ = nullptr;
    TVarInputForm* userSetDialog_ = nullptr;
    QPointer<TSpecsFound> specsFound_;
    TOutputForm* output_ = nullptr;  // kept by the window directory
    QLabel* missingStatus_ = nullptr;
    QLabel* transformStatus_ = nullptr;
    QLabel* processIfStatus_ = nullptr;

    QString commandLine_;
    bool activated_ = false;
    double formScale_ = 1;
    int seenTableGeneration_ = -1;
    std::vector<std::string> seenColumns_;
};

}  // namespace vostrel::app
