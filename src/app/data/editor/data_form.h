#pragma once
// The data editor: the one data table on two pages, "Data" (names and cells) and
// "Descriptions" (each column's title, USL, Target and LSL), with every editing command,
// its own File menu with the recently-used files, undo and redo, printing, and a status
// bar that shows the active rules. The commands are the engine's; this window binds them
// to menus, keys and the grids. Other windows open it with a "Return to" link.

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "engine/data/grid/editor_state.h"
#include "engine/data/grid/grid_change.h"
#include "engine/report/report_writer.h"

class QAction;
class QLabel;
class QMenu;

namespace Ui {
class TDataForm;
}

namespace vostrel {
class Workspace;
struct TableChange;
}  // namespace vostrel

namespace vostrel::app {

class GridModel;
class GridView;
class TForm_Find;

// Commands of other parts of the program that the editor's menus offer. A command that is
// not set is shown disabled, with the hint "Not available yet".
struct DataEditorLinks {
    // Dialogs that change the rules or the table; true when they changed something.
    std::function<bool(QWidget*parent)> MissingValues, ProcessIf, Transform;
    // Save As: asks for the options and a file name and saves; true when saved.
    std::function<bool(QWidget* parent)> SaveAs;
    // The derived-variable commands.
    std::function<void(QWidget*parent)> GenerateRunNumbers, AutoRecode, ComputeVariables,
        WeightCases;
    // Help: the guide's contents, and the data editor's topic.
    std::function<void()> HelpContents, HelpTopic;
};

class TDataForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TDataForm(Workspace& ws, QWidget* parent = nullptr);
    ~TDataForm() override;

    void SetLinks(DataEditorLinks links);
    // Called after the table was saved from this window.
    void SetSavedHook(std::function<void()> saved) { saved_ = std::move(saved); }

    // Shows the editor; "Return to" + callerName goes back to the caller (the main window
    // when there is none).
    void ShowDataEditor(QWidget* caller, const QString& callerName);
    // The open dialog (in the most recent folder), the file loaded, the editor shown.
    bool OpenAndShow(QWidget* caller, const QString& callerName);
    // Loads a data file into the table; false when it was not loaded.
    bool OpenFile(const QString& path);

    void New();
    bool Save();
    bool SaveAs();

    GridView* DataGrid() const;
    GridView* DescGrid() const;
    GridModel* DataModel() const { return dataModel_; }
    GridModel* DescModel() const { return descModel_; }
    TForm_Find* FindDialog();

    // Refreshes the caption, the status panels and the hint from the table and the rules.
    void UpdateStatusBarInfo();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void BindCommands();
    void BindGrid(GridView* grid);
    void SetLinkedAction(QAction* action, const std::function<void()>& run, bool available);
    bool DataPage() const;
    GridView* ActiveGrid() const;
    GridModel* ActiveModel() const;
    GridId ActivePage() const;

    // Menu commands.
    void FileClick();
    void EditClick();
    void Open1Click();
    void OpenRecent(const std::string& path);
    void ReturnClick();
    void ShowMainForm();
    void Undo1Click();
    void Redo1Click();
    void CutClick();
    void CopyClick();
    void PasteClick();
    void ClearClick();
    void FindClick();
    void DeleteColumnsClick();
    void DeleteRowsClick();
    void InsertColumnsClick();
    void InsertRowsClick();
    void CopyColumnNamesClick(bool allData);
    void ChangeColumnNamesClick();
    void SizeColumnWidthsClick();
    void ViewTextLevelsClick();
    void TransposeClick();
    void InsertCaseNumbersClick();
    void PrintClick(bool preview);
    void RunRulesDialog(const std::function<bool(QWidget*)>& dialog);

    // Keys and mouse in the grids.
    void TabPastLastColumn(int row);
    void EnterOnLastRow(int col);
    void CellPressed();
    void ShowPopup(const QPoint& globalPos, PressedOn on);

    void LeaveEditor();
    void TableChanged(const TableChange& change);
    void AfterStep(GridId page, const GridRect& area);
    PressedOn SelectionKind(GridView* grid) const;
    bool ClipboardHasText() const;
    std::string ClipboardText() const;
    void UpdateCaption();
    void UpdateUndoItems();

    Workspace& ws_;
    std::unique_ptr<Ui::TDataForm> ui_;
    GridModel* dataModel_ = nullptr;
    GridModel* descModel_ = nullptr;
    QLabel* panels_[5] = {};
    QMenu* popup_ = nullptr;
    QPointer<TForm_Find> find_;
    QPointer<QWidget> caller_;
    DataEditorLinks links_;
    std::function<void()> saved_;
    PageOrientation printOrientation_ = PageOrientation::Portrait;
    int listener_ = 0;
    bool active_ = false;  // the editor is the active window
};

}  // namespace vostrel::app
