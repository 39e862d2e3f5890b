// The main window, driven as a user drives it: files from the command line, the menu and
// drops; moving variables; the Action; the rule dialogs and the memo; closing.

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

#include "app/data/rules/missing_values_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/data/rules/transform_dialog.h"
#include "app/program_windows.h"
#include "app/report/output_window.h"
#include "app/common/guide_view.h"
#include "app/common/help_browser.h"
#include "app/main_window/limits_found_window.h"
#include "app/main_window/performance_form.h"
#include "app/main_window/var_input_form.h"
#include "app/common/window_directory.h"
#include "engine/workspace.h"
#include "support/modal.h"
#include "support/run_command.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

using vostrel::Answer;
using vostrel::MemorySettingsStore;
using vostrel::Workspace;
using vostrel::app::HelpBrowser;
using vostrel::app::ProgramWindow;
using vostrel::app::TMissingForm;
using vostrel::app::TPerformanceForm;
using vostrel::app::TProcessIFForm;
using vostrel::app::TSpecsFound;
using vostrel::app::TTransformForm;
using vostrel::app::TVarInputForm;
using vostrel::app::WindowDirectory;
using vostrel::testing::CommandResult;
using vostrel::testing::Quote;
using vostrel::testing::RunCommand;
using vostrel::testing::ScriptedUserInterface;
using vostrel::testing::TempDir;
using vostrel::testing::WhenModalShows;

namespace {

const QString kExampleConfig = QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.vos");
const QString kExampleData = QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.dat");

// One main window over its own workspace.
struct MainWindow {
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    WindowDirectory windows;
    TPerformanceForm form{ws, windows};

    template <class T>
    T* Find(const char* name) {
        T* child = form.findChild<T*>(QString::fromLatin1(name));
        if (!child) qWarning("no control named %s", name);
        return child;
    }
    QStringList Items(const char* list) {
        QStringList items;
        QListWidget* box = Find<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
        return items;
    }
    QStringList Selected(const char* list) {
        QStringList items;
        for (QListWidgetItem* item : Find<QListWidget>(list)->selectedItems())
            items << item->text();
        return items;
    }
    void Select(const char* list, const QStringList& names) {
        QListWidget* box = Find<QListWidget>(list);
        box->clearSelection();
        for (int i = 0; i < box->count(); ++i)
            if (names.contains(box->item(i)->text())) box->item(i)->setSelected(true);
    }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    bool Enabled(const char* button) { return Find<QWidget>(button)->isEnabled(); }
    QString Memo() { return Find<QPlainTextEdit>("Memo1")->toPlainText(); }
    void ShowAndSettle() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
    }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
};

HelpBrowser* Guide() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<HelpBrowser*>(window)) return browser;
    return nullptr;
}
QString GuidePageShown() { return Guide() ? Guide()->View()->source().fileName() : QString(); }
QString GuideCaretBlock() { return Guide()->View()->textCursor().block().text(); }

}  // namespace

class PerformanceFormTest : public QObject {
    Q_OBJECT
  private slots:
    void theCommandLineOpensTheExampleConfiguration() {
        MainWindow w;
        w.form.SetCommandLineArgument(kExampleConfig);
        w.ShowAndSettle();
        QTRY_COMPARE(w.Items("ListBox_Measures"), QStringList({"W1", "W2", "W3", "W4", "W5"}));
        QCOMPARE(w.Items("ListBox_GroupVar"), QStringList({"Head"}));
        QCOMPARE(w.Items("DataVarList"), QStringList({"Sample", "Shift"}));
        QCOMPARE(w.Find<QLineEdit>("Edit_Title")->text(),
                 QStringLiteral("Fill weights of 1/2 kg jars"));
        QVERIFY(w.form.windowTitle().startsWith(QStringLiteral("Vostrel - ")));
        QVERIFY(w.form.windowTitle().endsWith(QStringLiteral("fill_weights.dat")));
        QVERIFY(w.Enabled("Button_Action"));
        QVERIFY(w.Find<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(w.ui.errors.empty());

        // Action shows the report, the same as the command-line tool's.
        w.ws.report.date.fixedText = "01/02/11";
        w.Click("Button_Action");
        QWidget* output = w.form.OutputWindow();
        QVERIFY(output->isVisible());
        QStringList shown;
        for (const QString& line :
             output->findChild<QTextEdit*>("RichEdit")->toPlainText().split('\n'))
            if (line != QStringLiteral("-Page-")) shown << line;
        const CommandResult cli = RunCommand("LC_ALL=C " VOSTREL_CLI " analyze --date 01/02/11 " +
                                             Quote(kExampleConfig.toStdString()));
        QCOMPARE(cli.status, 0);
        QCOMPARE(shown.join('\n').trimmed(), QString::fromStdString(cli.out).trimmed());
        QVERIFY(w.Enabled("ToolButton_Output"));
    }

    void lastOpensTheMostRecentFileInAnyCase() {
        MainWindow w;
        w.ws.mru.UpdateList(kExampleData.toStdString());
        w.form.SetCommandLineArgument(QStringLiteral(" @last "));
        w.ShowAndSettle();
        QTRY_COMPARE(w.Items("DataVarList").size(), 8);
        QVERIFY(w.form.windowTitle().endsWith(QStringLiteral("fill_weights.dat")));
    }

    void badCommandLinesAreExplained() {
        MainWindow w;
        w.form.SetCommandLineArgument(QStringLiteral("@LAST"));
        w.ShowAndSettle();
        QTRY_COMPARE(static_cast<int>(w.ui.errors.size()), 1);
        QVERIFY(w.ui.errors[0].find("no recently used file") != std::string::npos);

        MainWindow missing;
        missing.form.SetCommandLineArgument(QStringLiteral("/no/such/file.dat"));
        missing.ShowAndSettle();
        QTRY_COMPARE(static_cast<int>(missing.ui.errors.size()), 1);
        QCOMPARE(missing.ui.errors[0], std::string("File Not Found!\n\n/no/such/file.dat"));
        QVERIFY(missing.Items("DataVarList").isEmpty());
    }

    void movingVariablesFollowsTheSelectionAndEnablesTheButtons() {
        MainWindow w;
        QVERIFY(w.form.OpenFile(kExampleData));
        w.ShowAndSettle();
        QCOMPARE(w.Items("DataVarList").size(), 8);
        QVERIFY(!w.Enabled("Button_Action"));
        QVERIFY(!w.Enabled("SpeedButton_ExcludeMeasures"));
        QVERIFY(!w.Find<QWidget>("GroupBox_MultMeas")->isVisible());

        // Moving the last item selects the new last one.
        w.Select("DataVarList", {"W5"});
        w.Click("SpeedButton_IncludeMeasures");
        QCOMPARE(w.Items("ListBox_Measures"), QStringList({"W5"}));
        QCOMPARE(w.Selected("DataVarList"), QStringList({"W4"}));
        QVERIFY(w.Enabled("Button_Action"));
        QVERIFY(w.Enabled("SpeedButton_ExcludeMeasures"));

        // Two selected items keep column order in the target; the first position is kept.
        w.Select("DataVarList", {"W2", "W1"});
        w.Click("SpeedButton_IncludeMeasures");
        QCOMPARE(w.Items("ListBox_Measures"), QStringList({"W1", "W2", "W5"}));
        QCOMPARE(w.Selected("DataVarList"), QStringList({"W3"}));
        QVERIFY(w.Find<QWidget>("GroupBox_MultMeas")->isVisible());

        // A stream variable rules out "Multiple Streams".
        w.Find<QRadioButton>("RadioButton3")->click();
        QVERIFY(w.Find<QRadioButton>("RadioButton3")->isChecked());
        w.Select("DataVarList", {"Head"});
        w.Click("SpeedButton_IncludeGroup");
        QCOMPARE(w.Items("ListBox_GroupVar"), QStringList({"Head"}));
        QVERIFY(w.Find<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!w.Find<QWidget>("RadioButton3")->isVisible());

        // The analysis set column leaves the list and comes back.
        w.Select("DataVarList", {"Shift"});
        w.Click("SpeedButton_sets");
        QCOMPARE(w.Find<QLineEdit>("Edit_Sets")->text(), QStringLiteral("Shift"));
        QCOMPARE(w.Find<QToolButton>("SpeedButton_sets")->text(), QStringLiteral("<"));
        QVERIFY(!w.Items("DataVarList").contains(QStringLiteral("Shift")));
        w.Click("SpeedButton_sets");
        QVERIFY(w.Items("DataVarList").contains(QStringLiteral("Shift")));
        QVERIFY(w.Find<QLineEdit>("Edit_Sets")->text().isEmpty());

        w.Click("SpeedButton_ExcludeAllMeasures");
        QVERIFY(w.Items("ListBox_Measures").isEmpty());
        QCOMPARE(w.Selected("DataVarList"), QStringList({"Sample"}));
        QVERIFY(!w.Enabled("Button_Action"));
        QVERIFY(!w.Enabled("SpeedButton_ExcludeAllMeasures"));
    }

    void windowsThatDoNotExistYetAreNotOffered() {
        MainWindow w;
        w.form.OpenFile(kExampleConfig);
        for (const char* name : {"ToolButton_Box", "ToolButton_Hist", "ToolButton_Xchart"}) {
            QVERIFY(!w.Enabled(name));
            QCOMPARE(w.Find<QWidget>(name)->toolTip(), QStringLiteral("Not available yet"));
        }
        // A registered window opens, with the main window as its caller.
        QWidget* opened = nullptr;
        QWidget* caller = nullptr;
        QWidget box;
        w.windows.Register(ProgramWindow::BoxPlots, [&](QWidget* from) {
            caller = from;
            return opened = &box;
        });
        w.Trigger("DataEditor1");  // still nothing registered: nothing happens
        QVERIFY(w.form.findChild<QAction*>("Plots1") != nullptr);
        w.Select("DataVarList", {"Sample"});
        w.Click("SpeedButton_IncludeMeasures");  // any change refreshes the buttons
        QVERIFY(w.Enabled("ToolButton_Box"));
        QCOMPARE(w.Find<QWidget>("ToolButton_Box")->toolTip(), QStringLiteral("Box & Whisker"));
        w.Click("ToolButton_Box");
        QCOMPARE(opened, &box);
        QCOMPARE(caller, &w.form);
        QVERIFY(w.ws.analysis.GraphRunInfo.ColRefRun > 0);  // the graphs' run was prepared
    }

    void returnAnywherePressesAction() {
        MainWindow w;
        w.form.OpenFile(kExampleConfig);
        w.ShowAndSettle();
        QVERIFY(!w.ws.analysis.HaveResults);
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        for (const char* focus : {"Edit_Title", "DataVarList", "DecimalSpinEdit1"}) {
            w.ws.analysis.HaveResults = false;
            QWidget* control = w.Find<QWidget>(focus);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QVERIFY2(w.ws.analysis.HaveResults, focus);
        }
    }

    // F1 and the Help menu open the guide at the window's own section.
    void helpOpensTheGuideAtTheWindowsTopic() {
        MainWindow w;
        w.ShowAndSettle();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(w.Find<QWidget>("Edit_Title"), Qt::Key_F1);
        QTRY_COMPARE(GuidePageShown(), QStringLiteral("getting-started.md"));
        w.Trigger("MainForm1");
        QCOMPARE(GuidePageShown(), QStringLiteral("main-window.md"));
        w.Trigger("Contents1");
        QCOMPARE(GuidePageShown(), QStringLiteral("index.md"));

        // The dialog's Help button, which F1 presses (whether the offscreen platform makes
        // the modal dialog active in time varies, so the key is checked as a shortcut).
        bool f1 = false;
        WhenModalShows<TVarInputForm>([&](TVarInputForm* d) {
            for (const QShortcut* shortcut : d->findChildren<QShortcut*>())
                f1 = f1 || shortcut->key() == QKeySequence(Qt::Key_F1);
            d->findChild<QPushButton*>("HelpBtn")->click();
            d->reject();
        });
        w.Trigger("EnterVariances1");
        QVERIFY(f1);
        QCOMPARE(GuidePageShown(), QStringLiteral("main-window.md"));
        QCOMPARE(GuideCaretBlock(), QStringLiteral("User-set standard deviations"));
        delete Guide();  // the later tests count the program's windows
    }

    // The View menu opens the program's windows as registered at start; F1 in each opens
    // the guide at that window's section.
    void theViewMenuOpensTheWindowsAndF1TheirHelp() {
        MainWindow w;
        vostrel::app::RegisterProgramWindows(w.ws, w.windows);
        w.form.OpenFile(kExampleConfig);
        w.ShowAndSettle();
        w.Click("Button_Action");
        struct Case {
            const char* item;
            ProgramWindow window;
            const char* page;
            const char* heading;
        };
        const Case cases[] = {
            {"DataEditor1", ProgramWindow::DataEditor, "data-editor.md", nullptr},
            {"Performance1", ProgramWindow::PerformanceCharts, "graphs.md", "Performance charts"},
            {"Plots1", ProgramWindow::BoxPlots, "graphs.md", "Box and whisker plots"},
            {"Histogram1", ProgramWindow::Histogram, "graphs.md", "Histogram"},
            {"FrequecyPlot1", ProgramWindow::FrequencyPlots, "graphs.md", "Frequency plots"},
        };
        for (const Case& c : cases) {
            QVERIFY2(w.Find<QAction>(c.item)->isEnabled(), c.item);
            w.Trigger(c.item);
            QWidget* window = w.windows.Open(c.window, &w.form);  // the one the item showed
            QVERIFY2(window != nullptr && window->isVisible(), c.item);
            QAction* help = nullptr;
            for (QAction* action : window->findChildren<QAction*>())
                if (action->shortcut() == QKeySequence(Qt::Key_F1)) help = action;
            QVERIFY2(help != nullptr && help->isEnabled(), c.item);
            help->trigger();
            QCOMPARE(GuidePageShown(), QString::fromLatin1(c.page));
            if (c.heading) QCOMPARE(GuideCaretBlock(), QString::fromLatin1(c.heading));
            window->hide();
        }
        delete Guide();
    }

    void theUserSetDialogRefusesAMeasurementAbovePotential() {
        MainWindow w;
        bool refusedAndStayed = false;
        WhenModalShows<TVarInputForm>([&](TVarInputForm* d) {
            d->findChild<QCheckBox*>("CheckBox1_WantMeas")->setChecked(true);
            d->findChild<QCheckBox*>("CheckBox3_WantPotential")->setChecked(true);
            auto* meas = d->findChild<QLineEdit*>("Edit_Meas");
            auto* pot = d->findChild<QLineEdit*>("Edit_Potential");
            QVERIFY(meas->isVisible());
            meas->clear();
            QTest::keyClicks(meas, "-2");  // the minus sign is refused
            QCOMPARE(meas->text(), QStringLiteral("2"));
            pot->setText(QStringLiteral("1"));
            d->findChild<QPushButton*>("OKBtn")->click();
            refusedAndStayed = d->isVisible();
            pot->setText(QStringLiteral("2"));  // equal values are accepted
            d->findChild<QPushButton*>("OKBtn")->click();
        });
        w.Trigger("EnterVariances1");
        QVERIFY(refusedAndStayed);
        QCOMPARE(w.ui.errors, std::vector<std::string>({"Measurement must be < Potential"}));
        QCOMPARE(w.Memo(), QStringLiteral("User-Set: Measurement = 2\nUser-Set: Potential = 2"));
        QVERIFY(!w.Find<QPlainTextEdit>("Memo1")->isHidden());
    }

    void eachRuleDialogUpdatesTheMemoAndTheStatus() {
        MainWindow w;
        w.form.OpenFile(kExampleConfig);
        QVERIFY(w.Find<QPlainTextEdit>("Memo1")->isHidden());

        WhenModalShows<TMissingForm>([](TMissingForm* d) {
            d->findChild<QRadioButton*>("Relation1Item1")->click();  // "="
            auto* value = d->findChild<QLineEdit*>("Edit_Missing1");
            value->setText(QStringLiteral("99"));
            d->findChild<QPushButton*>("OKBtn")->click();
        });
        w.Trigger("MissingValues1");
        QCOMPARE(w.Memo(), QStringLiteral("Missing When: X = 99"));
        QCOMPARE(w.Find<QLabel>("Label_MissingStatus")->text(), QStringLiteral("Missing: X = 99"));

        WhenModalShows<TProcessIFForm>([](TProcessIFForm* d) {
            auto* list = d->findChild<QListWidget*>("DataVarList");
            list->setCurrentRow(2);  // Head
            d->findChild<QToolButton*>("Button1")->click();
            QCOMPARE(d->findChild<QLineEdit*>("Edit_Pi1")->text(), QStringLiteral("Head"));
            d->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(7);  // "in"
            auto* value = d->findChild<QLineEdit*>("Edit_PIvalue1");
            value->clear();
            QTest::keyClicks(value, "1,x 3");  // the x is refused
            d->findChild<QRadioButton*>("RadioButton_Or")->click();
            d->findChild<QPushButton*>("OKBtn")->click();
        });
        w.Trigger("ProcessIf1");
        QCOMPARE(w.Memo(), QStringLiteral("Missing When: X = 99\nProcess If: Head in [1,3]"));
        QCOMPARE(w.Find<QLabel>("Label_ProcessIfStatus")->text(),
                 QStringLiteral("Process If: Head in [1,3]"));

        WhenModalShows<TTransformForm>([](TTransformForm* d) {
            d->findChild<QRadioButton*>("TransformKind1")->click();  // LINEAR
            d->findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("2"));
            d->findChild<QLineEdit*>("Edit2")->setText(QStringLiteral("3"));
            // A transformed copy of W1, and the transform stays on.
            d->findChild<QListWidget*>("CheckListBox")->item(3)->setCheckState(Qt::Checked);
            d->findChild<QCheckBox*>("CheckBox_TurnOff")->setChecked(false);
            d->findChild<QPushButton*>("AddButton")->click();
            d->findChild<QPushButton*>("OKBtn")->click();
        });
        w.Trigger("Transform1");
        QVERIFY(w.Memo().endsWith(QStringLiteral("\nTransform: 2X + 3")));
        // The new column joins the data variables; the measures stay chosen.
        QCOMPARE(w.Items("DataVarList"), QStringList({"Sample", "Shift", "f(W1)"}));
        QCOMPARE(w.Items("ListBox_Measures").size(), 5);
        QCOMPARE(w.Find<QLabel>("Label_TransformStatus")->text(),
                 QStringLiteral("Transform: 2X + 3"));

        // New clears every rule and the memo.
        w.Trigger("New1");
        QVERIFY(w.Memo().isEmpty());
        QVERIFY(w.Find<QPlainTextEdit>("Memo1")->isHidden());
        QVERIFY(w.Items("DataVarList").isEmpty());
    }

    void closingAModifiedTableAsksFirst() {
        MainWindow w;
        w.form.OpenFile(kExampleData);
        w.ShowAndSettle();
        QSignalSpy ends(&w.form, &TPerformanceForm::ProgramEnds);
        w.ws.table.Modified = true;

        w.ui.answers = {Answer::Cancel};
        QVERIFY(!w.form.close());
        QVERIFY(w.form.isVisible());

        // Yes, but the Save As is cancelled: nothing is lost, the program keeps running.
        w.ui.answers = {Answer::Yes};
        w.ui.saveAsSucceeds = false;
        QVERIFY(!w.form.close());
        QCOMPARE(w.ui.saveAsRequests, 1);
        QCOMPARE(ends.count(), 0);

        w.ui.answers = {Answer::Yes};
        w.ui.saveAsSucceeds = true;
        QVERIFY(w.form.close());
        QCOMPARE(ends.count(), 1);

        w.ShowAndSettle();
        w.ui.answers = {Answer::No};
        QVERIFY(w.form.close());
        QCOMPARE(ends.count(), 2);
        QCOMPARE(w.ui.questions.size(), std::size_t{4});
        QCOMPARE(w.ui.questions[0], std::string("File Not Saved.  Save?"));
    }

    void aDroppedFileOpensAndAFolderIsExplained() {
        MainWindow w;
        w.ShowAndSettle();
        auto drop = [&](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(&w.form, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(&w.form, &event);
        };
        TempDir dir;
        drop(QString::fromStdString(dir.Path().string()));
        QCOMPARE(w.ui.errors.size(), std::size_t{1});
        QVERIFY(w.ui.errors[0].find("folder") != std::string::npos);

        drop(kExampleConfig);
        QTRY_COMPARE(w.Items("ListBox_Measures").size(), 5);
        QCOMPARE(w.ui.errors.size(), std::size_t{1});
    }

    void theFileMenuListsTheRecentFilesWhenItOpens() {
        MainWindow w;
        TempDir dir;
        const std::string gone = dir.File("gone.dat");
        w.ws.mru.UpdateList(gone);
        w.ws.mru.UpdateList(kExampleData.toStdString());
        QMenu* file = w.Find<QMenu>("MenuFile");
        emit file->aboutToShow();
        QAction* first = w.Find<QAction>("MRFile1");
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QStringLiteral("&1  ") + kExampleData);
        QVERIFY(w.Find<QAction>("MRFile2")->isVisible());
        QVERIFY(!w.Find<QAction>("MRFile3")->isVisible());
        QVERIFY(w.Find<QAction>("MenuLineMRU")->isVisible());

        w.Trigger("MRFile2");  // the file was deleted since
        QCOMPARE(w.ui.errors, std::vector<std::string>({"File Not Found!\n\n" + gone}));
        w.Trigger("MRFile1");
        QCOMPARE(w.Items("DataVarList").size(), 8);
    }

    void saveAsWithoutAnExtensionWritesAConfiguration() {
        MainWindow w;
        w.form.OpenFile(kExampleConfig);
        TempDir dir;
        const QString name = QString::fromStdString(dir.File("mine"));
        WhenModalShows<QFileDialog>([name](QFileDialog* files) {
            files->selectFile(name);
            static_cast<QDialog*>(files)->accept();
        });
        w.Trigger("SaveAs1");
        const std::string saved = dir.File("mine.vos");
        QVERIFY(TempDir::Read(saved).find("MEASURES:4 5 6 7 8\r\n") != std::string::npos);
        QCOMPARE(w.ws.analysis.ConfigFileName, saved);
        QVERIFY(w.form.windowTitle().contains(QStringLiteral("mine.vos")));
        QVERIFY(w.ui.questions.empty());  // the data have their file and are not modified
    }

    void nextOpenFormShowsAHiddenWindowAndNextVisibleFormSkipsIt() {
        MainWindow w;
        w.ShowAndSettle();
        QWidget visible, hidden;
        visible.setWindowTitle(QStringLiteral("visible"));
        hidden.setWindowTitle(QStringLiteral("hidden"));
        visible.show();
        QVERIFY(QTest::qWaitForWindowExposed(&visible));
        w.Trigger("NextVisibleForm1");
        QVERIFY(!hidden.isVisible());
        w.Trigger("NextOpenForm1");
        QVERIFY(hidden.isVisible() || w.form.OutputWindow()->isVisible());
    }

    void anOldConfigurationShowsItsSpecificationsAndAMovedDataFileIsSearched() {
        TempDir dir;
        const std::string config = dir.Write("old.vos",
                                             "TITLE:old\r\nDATAFILE:/gone/fill_weights.dat\r\n"
                                             "MEASURES:4\r\nUSL:10\r\nLSL:2\r\n");
        MainWindow w;
        w.ui.answers = {Answer::Yes};  // "Data File Not Found. Do you wish to Search for file?"
        w.ui.openFileName = kExampleData.toStdString();
        w.form.OpenFile(QString::fromStdString(config));
        QCOMPARE(w.ui.questions.size(), std::size_t{1});
        QCOMPARE(w.Items("ListBox_Measures"), QStringList({"W1"}));
        TSpecsFound* specs = w.form.SpecsFoundWindow();
        QVERIFY(specs != nullptr);
        QVERIFY(specs->isVisible());
        QCOMPARE(specs->SelectedText(), QStringLiteral("10"));
        auto* grid = specs->findChild<QTableView*>("StringGrid1");
        QCOMPARE(grid->model()->index(2, 0).data().toString(), QStringLiteral("2"));

        // Skipping the search leaves the lists empty; the next file closes the window.
        MainWindow skip;
        skip.ui.answers = {Answer::No};
        skip.form.OpenFile(QString::fromStdString(config));
        QVERIFY(skip.Items("ListBox_Measures").isEmpty());
    }
};

QTEST_MAIN(PerformanceFormTest)
#include "performance_form_test.moc"
