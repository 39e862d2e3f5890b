// The data editor driven as a user drives it: typing, keys, clipboard, undo, the menus, the
// find dialog, the status bar, printing, the "Return to" link, a window that refreshes
// after an edit, and a crash's unsaved table offered back at the next start.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/data/editor/crash_recovery.h"
#include "app/data/editor/data_editor_windows.h"
#include "app/data/editor/data_form.h"
#include "app/data/editor/find_dialog.h"
#include "app/data/editor/grid_model.h"
#include "app/data/editor/grid_printing.h"
#include "app/data/editor/grid_view.h"
#include "app/program_windows.h"
#include "app/main_window/performance_form.h"
#include "app/common/window_directory.h"
#include "engine/data/grid/table_history.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

using vostrel::MemorySettingsStore;
using vostrel::Workspace;
using vostrel::app::GridView;
using vostrel::app::TDataForm;
using vostrel::testing::ScriptedUserInterface;

namespace {

QString Cell(const QAbstractItemModel* model, int row, int col) {
    return model->data(model->index(row - 1, col - 1)).toString();
}

QString Panel(TDataForm& form, int i) {
    return form.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text();
}

QAction* Action(QWidget& form, const char* name) {
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

// Stands in for a window that shows results: it rebuilds its list of names whenever the
// editor's counters moved since it last looked, as the other windows do on activation.
class StandIn : public QWidget {
  public:
    explicit StandIn(Workspace& ws) : ws_(ws) { setProperty("returnName", "Stand-in"); }
    QStringList names;
    int rebuilds = 0;

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
            const auto& t = ws_.table;
            if (t.LayoutGeneration != layout_ || t.DataGeneration != data_) {
                layout_ = t.LayoutGeneration;
                data_ = t.DataGeneration;
                names.clear();
                for (int c = 1; c <= t.MaxCol(); ++c)
                    names << QString::fromStdString(t.ColumnName(c));
                ++rebuilds;
            }
        }
        QWidget::changeEvent(event);
    }

  private:
    Workspace& ws_;
    int layout_ = -1, data_ = -1;
};

}  // namespace

class DataFormTest : public QObject {
    Q_OBJECT

    ScriptedUserInterface ui;
    MemorySettingsStore settings;

    void Fill(Workspace& ws) {
        vostrel::testing::FillTable(ws, {"A", "B", "C"},
                                    {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
        ws.table.Modified = false;
        ws.history.Reset();
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsTheExampleOnBothPages() {
        Workspace ws(ui, settings);
        TDataForm form(ws);
        form.show();
        QVERIFY(form.OpenFile(QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.dat")));
        QAbstractItemModel* data = form.DataGrid()->model();
        QCOMPARE(data->rowCount(), 300);
        QCOMPARE(data->columnCount(), 8);
        QCOMPARE(data->headerData(3, Qt::Horizontal).toString(), QStringLiteral("W1"));
        QCOMPARE(data->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
        QCOMPARE(Cell(data, 1, 2), QStringLiteral("Day[1]"));  // a text column shows its levels
        QAbstractItemModel* desc = form.DescGrid()->model();
        QCOMPARE(desc->rowCount(), 4);
        QCOMPARE(desc->headerData(1, Qt::Vertical).toString(), QStringLiteral("USL:"));
        QCOMPARE(Cell(desc, 2, 4), QStringLiteral("508"));
        QVERIFY(form.windowTitle().startsWith(QStringLiteral("Data - ")));
        QCOMPARE(Panel(form, 4), QStringLiteral("Cols = 8,  Rows = 300"));
        QCOMPARE(Panel(form, 1), QStringLiteral("Missing Off"));
        Action(form, "ViewTextVariableLevels1")->trigger();
        QCOMPARE(Cell(data, 1, 2), QStringLiteral("Day"));
    }

    void typingTabEnterAndUndo() {
        Workspace ws(ui, settings);
        Fill(ws);
        TDataForm form(ws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        GridView* grid = form.DataGrid();
        grid->setFocus();
        grid->SetCurrentCell(2, 1);
        QTest::keyClick(grid, Qt::Key_4);  // a key opens the cell's editor
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(Cell(grid->model(), 1, 2), QStringLiteral("42"));
        QCOMPARE(grid->CurrentRow(), 2);  // Enter moves down, once
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("(modified)")));

        // Tab from the last column adds a column and stays on the row.
        grid->SetCurrentCell(3, 2);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(ws.table.MaxCol(), 4);
        QCOMPARE(ws.table.ColumnName(4), std::string("Col4"));
        QCOMPARE(grid->CurrentCol(), 4);
        QCOMPARE(grid->CurrentRow(), 2);
        // Enter on the last row adds a row.
        grid->SetCurrentCell(1, 3);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(ws.table.CaseRows(), 4);
        QCOMPARE(grid->CurrentRow(), 4);

        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);  // the row
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);  // the column
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);  // the typing
        QCOMPARE(ws.table.CaseRows(), 3);
        QCOMPARE(ws.table.MaxCol(), 3);
        QCOMPARE(Cell(grid->model(), 1, 2), QStringLiteral("2"));
        QVERIFY(!ws.table.Modified);
        QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Cell(grid->model(), 1, 2), QStringLiteral("42"));
    }

    void deleteClearsAndCtrlArrowsJump() {
        Workspace ws(ui, settings);
        Fill(ws);
        TDataForm form(ws);
        form.show();
        GridView* grid = form.DataGrid();
        grid->setFocus();
        grid->SelectRect(vostrel::GridRect{1, 2, 2, 3});
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(ws.table.DataGrid.CellString(1, 2), std::string());
        QCOMPARE(ws.table.DataGrid.CellString(2, 3), std::string());
        QCOMPARE(ws.table.DataGrid.CellString(3, 3), std::string("9"));
        grid->SetCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(grid->CurrentRow(), 3);  // nothing filled below: the last row
        QTest::keyClick(grid, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(grid->SelectionRect().Right, 3);
    }

    void pastesFromTheClipboardAndUndoes() {
        Workspace ws(ui, settings);
        Fill(ws);
        TDataForm form(ws);
        form.show();
        GridView* grid = form.DataGrid();
        grid->SetCurrentCell(2, 2);
        QApplication::clipboard()->setText(QStringLiteral("x\ty\tz\nu\tv\tw"));
        Action(form, "Paste1")->trigger();
        QCOMPARE(Cell(grid->model(), 2, 2), QStringLiteral("x[2]"));  // now a text column
        QCOMPARE(ws.table.MaxCol(), 4);
        QCOMPARE(ws.table.CaseRows(), 3);
        QCOMPARE(ws.table.DataGrid.CellString(4, 3), std::string("w"));
        QCOMPARE(grid->SelectionRect().Right, 4);  // the pasted cells are selected
        Action(form, "Undo1")->trigger();
        QCOMPARE(ws.table.MaxCol(), 3);
        QCOMPARE(Cell(grid->model(), 2, 2), QStringLiteral("5"));

        // Copy puts the selection on the clipboard.
        grid->SelectRect(vostrel::GridRect{1, 1, 2, 2});
        Action(form, "Copy1")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t2\n4\t5"));
        Action(form, "CopyColumnNames1")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("A\tB\tC"));
    }

    void columnNamesAreEditedOverTheHeader() {
        Workspace ws(ui, settings);
        Fill(ws);
        TDataForm form(ws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        GridView* grid = form.DataGrid();
        grid->SetCurrentCell(2, 1);
        Action(form, "ChangeColumnNames1")->trigger();
        QVERIFY(grid->EditingName());
        auto* editor = grid->findChild<QLineEdit*>(QStringLiteral("Edit_ColumnName"));
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "Height");
        QTest::keyClick(editor, Qt::Key_Tab);  // on to the next column's name
        QVERIFY(grid->EditingName());
        QCOMPARE(ws.table.ColumnName(2), std::string("Height"));
        QCOMPARE(ws.table.DescGrid.CellString(2, 0), std::string("Height"));
        editor = grid->findChild<QLineEdit*>(QStringLiteral("Edit_ColumnName"));
        QTest::keyClicks(editor, "A");  // the name of column 1: refused
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!grid->EditingName());
        QCOMPARE(ui.errors.back(), std::string("Column 1 is already named A."));
        QCOMPARE(grid->CurrentRow(), 1);
        QVERIFY(ws.table.LayoutEdited);
    }

    void rowAndColumnCommandsFollowTheSelection() {
        Workspace ws(ui, settings);
        Fill(ws);
        ws.rules.SetProcessIfRule(1, 1, 1, "A", 4);
        TDataForm form(ws);
        form.show();
        GridView* grid = form.DataGrid();
        grid->selectColumn(1);  // whole column B, as from its header
        form.findChild<QMenu*>(QStringLiteral("Edit1"))->aboutToShow();
        QVERIFY(Action(form, "InsertColumns1")->isEnabled());
        QVERIFY(!Action(form, "InsertRows1")->isEnabled());
        Action(form, "InsertColumns1")->trigger();
        QCOMPARE(ws.table.MaxCol(), 4);
        QCOMPARE(ws.table.ColumnName(3), std::string("B"));
        QCOMPARE(Panel(form, 3), QStringLiteral("Process If Off"));
        grid->selectRow(0);
        form.findChild<QMenu*>(QStringLiteral("Edit1"))->aboutToShow();
        QVERIFY(Action(form, "DeleteRows1")->isEnabled());
        Action(form, "DeleteRows1")->trigger();
        QCOMPARE(ws.table.CaseRows(), 2);
        QCOMPARE(Panel(form, 4), QStringLiteral("Cols = 4,  Rows = 2"));
        Action(form, "TransposeRowsColumns1")->trigger();
        QCOMPARE(ws.table.MaxCol(), 2);
        QCOMPARE(ws.table.CaseRows(), 4);
        Action(form, "InsertCaseNumbers1")->trigger();
        QCOMPARE(ws.table.ColumnName(1), std::string("Case"));
    }

    void findAndReplace() {
        Workspace ws(ui, settings);
        Fill(ws);
        TDataForm form(ws);
        form.show();
        form.DataGrid()->SetCurrentCell(1, 1);
        Action(form, "FindReplace1")->trigger();
        vostrel::app::TForm_Find* find = form.FindDialog();
        QVERIFY(find->isVisible());
        auto* value = find->findChild<QLineEdit*>(QStringLiteral("Edit_F1"));
        value->setText(QStringLiteral("6"));
        find->findChild<QRadioButton*>(QStringLiteral("RadioGroup_Relation1_3"))->click();  // >=
        QTest::mouseClick(find->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QCOMPARE(form.DataGrid()->CurrentRow(), 3);  // 7, below the current cell
        QCOMPARE(form.DataGrid()->CurrentCol(), 1);
        find->findChild<QCheckBox*>(QStringLiteral("CheckBox_Replace"))->setChecked(true);
        QCOMPARE(find->windowTitle(), QStringLiteral("Find and Replace"));
        find->findChild<QCheckBox*>(QStringLiteral("CheckBox_RA"))->setChecked(true);
        find->findChild<QLineEdit*>(QStringLiteral("Edit_Replace"))->setText(QStringLiteral("big"));
        form.DataGrid()->SetCurrentCell(1, 1);
        QTest::mouseClick(find->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QCOMPARE(ws.table.DataGrid.CellString(3, 3), std::string("big"));
        QCOMPARE(ws.table.DataGrid.CellString(2, 2), std::string("5"));
        value->setText(QStringLiteral("1000"));
        QTest::mouseClick(find->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QCOMPARE(ui.warnings.back(), std::string("Find and Replace Not Found"));
    }

    void returnsToTheCallerAndTheCallerRefreshes() {
        Workspace ws(ui, settings);
        Fill(ws);
        vostrel::app::WindowDirectory windows;
        vostrel::app::RegisterDataEditor(ws, windows);
        StandIn standIn(ws);
        standIn.show();
        standIn.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&standIn));
        QCOMPARE(standIn.names, (QStringList{"A", "B", "C"}));

        TDataForm* form = vostrel::app::DataEditor(windows, &standIn);
        QVERIFY(form != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(Action(*form, "Return1")->text(), QStringLiteral("&Return to Stand-in"));
        QVERIFY(vostrel::RenameColumn(ws, 1, "Weight"));
        Action(*form, "Return1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&standIn));
        QCOMPARE(standIn.names, (QStringList{"Weight", "B", "C"}));
        QCOMPARE(Action(*form, "Return1")->text(), QStringLiteral("&Return to Main Form"));
        // Typing a value is not a change of layout: the list stays as it was built.
        const int rebuilds = standIn.rebuilds;
        form->ShowDataEditor(&standIn, QStringLiteral("Stand-in"));
        QVERIFY(QTest::qWaitForWindowActive(form));
        vostrel::SetCellText(ws, vostrel::GridId::Data, 2, 2, "50");
        standIn.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&standIn));
        QCOMPARE(standIn.rebuilds, rebuilds);
        QVERIFY(!ws.data.DataChanged);  // leaving the editor derived the numbers
        QCOMPARE(ws.data.Value(2, 2), 50.0);
    }

    // The real main window: F4 opens the editor with the program's commands wired, and a
    // column renamed in the editor shows in the main window's list after returning.
    void theMainWindowOpensTheEditorAndCatchesUp() {
        Workspace ws(ui, settings);
        vostrel::app::WindowDirectory windows;
        vostrel::app::TPerformanceForm main(ws, windows);
        vostrel::app::RegisterProgramWindows(ws, windows);
        Fill(ws);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* list = main.findChild<QListWidget*>(QStringLiteral("DataVarList"));
        QTRY_COMPARE(list->count(), 3);

        QTest::keyClick(&main, Qt::Key_F4);
        TDataForm* form = vostrel::app::DataEditor(windows, &main);
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(Action(*form, "Return1")->text(), QStringLiteral("&Return to Main Form"));
        for (const char* linked :
             {"MissingValues1", "ProcessIf1", "Transform1", "SaveAs1", "GenerateRunNumbers1",
              "AutoRecodeVariables1", "ComputeVariables1", "WeightCases1", "DataEditorHelp1"})
            QVERIFY2(Action(*form, linked)->isEnabled(), linked);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(vostrel::RenameColumn(ws, 2, "Weight"));
        Action(*form, "Return1")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTRY_VERIFY(!list->findItems(QStringLiteral("Weight"), Qt::MatchContains).isEmpty());
        ws.table.Modified = false;  // no save question when the test ends
    }

    void recentFilesAndMissingOnes() {
        Workspace ws(ui, settings);
        TDataForm form(ws);
        const std::string example = VOSTREL_EXAMPLES_DIR "/fill_weights.dat";
        ws.mru.UpdateList("/nowhere/gone.dat");
        ws.mru.UpdateList(example);
        auto* file = form.findChild<QMenu*>(QStringLiteral("File1"));
        file->aboutToShow();
        QAction* first = Action(form, "MRFile1");
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QStringLiteral("&1  ") + QString::fromStdString(example));
        QVERIFY(!Action(form, "MRFile3")->isVisible());
        Action(form, "MRFile2")->trigger();
        QCOMPARE(ui.errors.back(), std::string("File Not Found!\n\n/nowhere/gone.dat"));
        first->trigger();
        QCOMPARE(ws.table.CaseRows(), 300);
    }

    void printsTheGridToPdf() {
        Workspace ws(ui, settings);
        Fill(ws);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("grid.pdf")));
        vostrel::app::GridPrintJob job;
        job.Grid = &ws.table.DataGrid;
        job.All = vostrel::GridRect{1, 1, 3, 3};
        job.Header = "grid.dat";
        job.Title = "Data";
        QCOMPARE(vostrel::app::PrintGridOn(printer, ws, job, job.All), std::string());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("grid.pdf"))).size() > 500);
    }

    void unsavedDataOfACrashAreOfferedBack() {
        Workspace crashed(ui, settings);
        Fill(crashed);
        vostrel::SetCellText(crashed, vostrel::GridId::Data, 1, 1, "unsaved");
        const QString folder = vostrel::app::RecoveryFolder();
        QDir().mkpath(folder);
        // As a process that is no longer running left it.
        QVERIFY(vostrel::WriteRecoveryFile(
            crashed.table, (folder + "/unsaved-999999997.vrec").toStdString(), 1700000000));
        ScriptedUserInterface answers;
        answers.answers = {vostrel::Answer::Yes};
        Workspace ws(answers, settings);
        QVERIFY(vostrel::app::OfferRecovery(ws));
        QVERIFY(answers.questions.back().rfind("Recover unsaved data from ", 0) == 0);
        QCOMPARE(ws.table.DataGrid.CellString(1, 1), std::string("unsaved"));
        QVERIFY(ws.table.Modified);
        QVERIFY(ws.table.DataFilename.empty());
        QVERIFY(!QFileInfo::exists(folder + "/unsaved-999999997.vrec"));
        QVERIFY(!vostrel::app::OfferRecovery(ws));  // offered once

        // While this program runs, its own copy follows the unsaved changes.
        vostrel::app::RecoveryTimer timer(ws, folder);
        timer.Tick();
        QVERIFY(QFileInfo::exists(QString::fromStdString(timer.Path())));
        ws.table.Modified = false;
        timer.Tick();
        QVERIFY(!QFileInfo::exists(QString::fromStdString(timer.Path())));
    }

    void aMillionRowsNeedNoPerRowWork() {
        Workspace ws(ui, settings);
        ws.table.SetMaxCol(10);
        ws.table.SetCaseRows(1000000);
        ws.table.DataGrid.SetCell(2, 1000000, "last");
        ws.history.Reset();
        TDataForm form(ws);
        form.show();
        GridView* grid = form.DataGrid();
        QCOMPARE(grid->model()->rowCount(), 1000000);
        QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        grid->scrollToBottom();
        QCoreApplication::processEvents();
        QCOMPARE(Cell(grid->model(), 1000000, 2), QStringLiteral("last"));
        vostrel::SetCellText(ws, vostrel::GridId::Data, 3, 999999, "typed");
        QCOMPARE(Cell(grid->model(), 999999, 3), QStringLiteral("typed"));
    }

    void screenshots() {
        const QString folder = qEnvironmentVariable("VOSTREL_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VOSTREL_SCREENSHOTS to a folder to write pictures");
        Workspace ws(ui, settings);
        TDataForm form(ws);
        form.resize(900, 520);
        form.show();
        QVERIFY(form.OpenFile(QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.dat")));
        ws.rules.SetProcessIfRule(1, 3, 1, "Head", 2);
        ws.rules.SetMissingRule(1, 2, "503", 503);
        ws.rules.Missing.Active = true;
        form.UpdateStatusBarInfo();
        form.DataModel()->LooksChanged();
        form.DataGrid()->SelectRect(vostrel::GridRect{4, 3, 5, 4});
        QTest::qWait(50);
        form.grab().save(folder + "/data_editor.png");
        form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QTest::qWait(50);
        form.grab().save(folder + "/data_editor_descriptions.png");
        form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
        Action(form, "FindReplace1")->trigger();
        form.FindDialog()
            ->findChild<QCheckBox*>(QStringLiteral("CheckBox_Replace"))
            ->setChecked(true);
        QTest::qWait(50);
        form.FindDialog()->grab().save(folder + "/find_dialog.png");
    }
};

QTEST_MAIN(DataFormTest)
#include "data_form_test.moc"
