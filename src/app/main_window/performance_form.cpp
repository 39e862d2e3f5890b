#include "app/main_window/performance_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "app/data/rules/missing_values_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/data/rules/transform_dialog.h"
#include "app/common/graph_services/form_sizing.h"
#include "app/report/output_window.h"
#include "app/main_window/about_box.h"
#include "app/common/display_text.h"
#include "app/common/help.h"
#include "app/common/help_button.h"
#include "app/main_window/limits_found_window.h"
#include "app/main_window/shell_resources.h"
#include "app/main_window/var_input_form.h"
#include "app/common/variable_list_box.h"
#include "app/common/window_navigation.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/data/table_commands.h"
#include "engine/data/transform.h"
#include "engine/helpers/command_line.h"
#include "engine/helpers/file_checks.h"
#include "engine/workspace.h"
#include "ui_performance_form.h"

namespace vostrel::app {

namespace {

const QString kNotAvailable = QStringLiteral("Not available yet");
const QString kOpenFilter = QStringLiteral(
    "Vostrel Configure Files (*.vos);;ZQX Data Files (*.zqx);;Data Files (*.dat);;"
    "Text Files (*.txt);;All Files (*)");
const QString kSaveAsFilter =
    QStringLiteral("Vostrel Configure Files (*.vos);;Data Files (*.zqx);;All Files (*)");

std::vector<std::string> ColumnNames(const DataTable& table) {
    std::vector<std::string> names;
    for (int c = 1; c <= table.MaxCol(); ++c) names.push_back(table.ColumnName(c));
    return names;
}

// Enables a command; one whose window does not exist yet says so.
void EnableCommand(QAction* action, QAbstractButton* button, bool available, bool enabled,
                   const QString& hint) {
    const QString tip = available ? hint : kNotAvailable;
    if (action) {
        action->setEnabled(available && enabled);
        action->setToolTip(tip);
    }
    if (button) {
        button->setEnabled(available && enabled);
        button->setToolTip(tip);
    }
}

}  // namespace

TPerformanceForm::TPerformanceForm(Workspace& ws, WindowDirectory& windows, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      windows_(windows),
      ui_(std::make_unique<Ui::TPerformanceForm>()) {
    LoadShellResources();
    ui_->setupUi(this);
    setAcceptDrops(true);
    ui_->MenuLineMRU->setSeparator(true);
    for (QMenu* menu :
         {ui_->MenuFile, ui_->MenuView, ui_->MenuOptions, ui_->MenuWindow, ui_->MenuHelp})
        menu->setToolTipsVisible(true);

    missingStatus_ = new QLabel(this);
    transformStatus_ = new QLabel(this);
    processIfStatus_ = new QLabel(this);
    missingStatus_->setObjectName(QStringLiteral("Label_MissingStatus"));
    transformStatus_->setObjectName(QStringLiteral("Label_TransformStatus"));
    processIfStatus_->setObjectName(QStringLiteral("Label_ProcessIfStatus"));
    for (QLabel* panel : {missingStatus_, transformStatus_, processIfStatus_}) {
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(panel);
    }

    navigation_ = new WindowNavigation(this);
    // The long-lived windows, in the order the program creates them at start.
    output_ = windows_.Keep(new TOutputForm(ws_));
    userSetDialog_ = new TVarInputForm(ws_, this);

    windowCommands_ = {
        {ProgramWindow::DataEditor, ui_->DataEditor1, ui_->ToolButton_Data, {}},
        {ProgramWindow::PerformanceCharts, ui_->Performance1, ui_->ToolButton_PPA, {}},
        {ProgramWindow::BoxPlots, ui_->Plots1, ui_->ToolButton_Box, {}},
        {ProgramWindow::Histogram, ui_->Histogram1, ui_->ToolButton_Hist, {}},
        {ProgramWindow::FrequencyPlots, ui_->FrequecyPlot1, ui_->ToolButton_Freq, {}},
        {ProgramWindow::ControlCharts, ui_->XCharts1, ui_->ToolButton_Xchart, {}},
    };
    for (WindowCommand& command : windowCommands_) command.hint = command.button->toolTip();
    ConnectCommands();
    ConnectLists();
    RefreshAll();
}

TPerformanceForm::~TPerformanceForm() = default;

TSpecsFound* TPerformanceForm::SpecsFoundWindow() const { return specsFound_.data(); }

void TPerformanceForm::SetCommandLineArgument(const QString& argument) { commandLine_ = argument; }

void TPerformanceForm::ConnectCommands() {
    Ui::TPerformanceForm& u = *ui_;
    connect(u.New1, &QAction::triggered, this, &TPerformanceForm::New1Click);
    connect(u.Open1, &QAction::triggered, this, &TPerformanceForm::Open1Click);
    connect(u.ToolButton_Open, &QToolButton::clicked, this, &TPerformanceForm::Open1Click);
    connect(u.Save1, &QAction::triggered, this, &TPerformanceForm::Save1Click);
    connect(u.SaveAs1, &QAction::triggered, this, &TPerformanceForm::SaveAs1Click);
    connect(u.Exit1, &QAction::triggered, this, &QWidget::close);
    connect(u.ToolButton_Close, &QToolButton::clicked, this, &QWidget::close);
    connect(u.MenuFile, &QMenu::aboutToShow, this, &TPerformanceForm::FileClick);
    QAction* const mru[] = {u.MRFile1, u.MRFile2, u.MRFile3, u.MRFile4, u.MRFile5,
                            u.MRFile6, u.MRFile7, u.MRFile8, u.MRFile9};
    for (int i = 0; i < 9; ++i)
        connect(mru[i], &QAction::triggered, this, [this, i] { MRFileClick(i); });

    connect(u.MenuView, &QMenu::aboutToShow, this, &TPerformanceForm::ViewClick);
    for (const WindowCommand& command : windowCommands_) {
        const ProgramWindow window = command.window;
        auto open = [this, window] {
            if (window == ProgramWindow::BoxPlots || window == ProgramWindow::Histogram)
                OpenGraphWindow(window, true);
            else if (window == ProgramWindow::FrequencyPlots)
                OpenGraphWindow(window, false);
            else
                OpenProgramWindow(window);
        };
        connect(command.action, &QAction::triggered, this, open);
        connect(command.button, &QAbstractButton::clicked, this, open);
    }
    connect(u.TextOutput1, &QAction::triggered, this, &TPerformanceForm::ShowTextOutput);
    connect(u.ToolButton_Output, &QToolButton::clicked, this, &TPerformanceForm::ShowTextOutput);
    // The tool button shows the menu item's picture and hint, which the size toggle sets.
    u.FormResize1->setIcon(u.ToolButton_Resize->icon());
    u.ToolButton_Resize->setDefaultAction(u.FormResize1);
    connect(u.FormResize1, &QAction::triggered, this, &TPerformanceForm::FormResize1Click);

    connect(u.ProcessIf1, &QAction::triggered, this, [this] {
        ExecProcessIfDialog(ws_, this);
        RuleDialogClosed();
    });
    connect(u.MissingValues1, &QAction::triggered, this, [this] {
        ExecMissingValuesDialog(ws_, this);
        RuleDialogClosed();
    });
    connect(u.Transform1, &QAction::triggered, this, [this] {
        ExecTransformDialog(ws_, this);
        RuleDialogClosed();
    });
    connect(u.EnterVariances1, &QAction::triggered, this, &TPerformanceForm::EnterVariances1Click);

    connect(u.NextVisibleForm1, &QAction::triggered, this,
            [this] { navigation_->ShowNextForm(true); });
    connect(u.NextOpenForm1, &QAction::triggered, this,
            [this] { navigation_->ShowNextForm(false); });

    connect(u.About1, &QAction::triggered, this, [this] { TAboutBox(this).exec(); });
    BindHelpCommands(u.Introduction1, nullptr, u.Contents1, kIntroductionTopic);
    connect(u.MainForm1, &QAction::triggered, this,
            [this] { OpenHelpTopic(kMainFormTopic, this); });
    connect(u.ToolButton_Help, &QToolButton::clicked, u.Introduction1, &QAction::trigger);
    connect(u.ZQXZudizuzoWEBSite1, &QAction::triggered, this, [this] { OpenWebSite(this); });
    connect(u.CheckForUpdates1, &QAction::triggered, this, [this] { OpenUpdatePage(this); });

    connect(u.Button_Action, &QPushButton::clicked, this, &TPerformanceForm::CalcButtonClick);
    // Return anywhere in the window presses the Action, as a dialog's default button would.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (ui_->Button_Action->isEnabled()) ui_->Button_Action->click();
        });
    }

    connect(u.Edit_Title, &QLineEdit::textChanged, this,
            [this](const QString& text) { ws_.analysis.Settings.SetTitle(FromDisplayText(text)); });
    connect(u.DecimalSpinEdit1, &QSpinBox::valueChanged, this,
            [this](int value) { ws_.analysis.Settings.SetDecimals(value); });
    for (QRadioButton* radio : {u.RadioButton1, u.RadioButton2, u.RadioButton3})
        connect(radio, &QRadioButton::clicked, this, &TPerformanceForm::MultipleClick);
}

void TPerformanceForm::ConnectLists() {
    Ui::TPerformanceForm& u = *ui_;
    connect(u.SpeedButton_IncludeMeasures, &QToolButton::clicked, this,
            &TPerformanceForm::IncludeMeasuresClick);
    connect(u.SpeedButton_ExcludeMeasures, &QToolButton::clicked, this,
            &TPerformanceForm::ExcludeMeasuresClick);
    connect(u.SpeedButton_ExcludeAllMeasures, &QToolButton::clicked, this,
            &TPerformanceForm::ExcludeAllMeasuresClick);
    connect(u.SpeedButton_IncludeGroup, &QToolButton::clicked, this,
            &TPerformanceForm::IncludeGroupClick);
    connect(u.SpeedButton_ExcludeGroup, &QToolButton::clicked, this,
            &TPerformanceForm::ExcludeGroupClick);
    connect(u.SpeedButton_ExcludeAllGroup, &QToolButton::clicked, this,
            &TPerformanceForm::ExcludeAllGroupClick);
    connect(u.SpeedButton_sets, &QToolButton::clicked, this, &TPerformanceForm::SetsClick);
}

// ---- activation -------------------------------------------------------------------------

bool TPerformanceForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    if (event->type() == QEvent::WindowDeactivate) FormDeactivate();
    return QMainWindow::event(event);
}

void TPerformanceForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // After the window is on screen, so that messages and the progress window have a
        // parent to show over.
        QTimer::singleShot(0, this, &TPerformanceForm::FirstActivation);
    }
}

void TPerformanceForm::FirstActivation() {
    const StartFile start = ResolveStartFile(FromDisplayText(commandLine_), ws_.mru.Flist[0]);
    commandLine_.clear();
    if (!start.problem.empty()) ws_.ui.ErrorBox(start.problem);
    if (!start.path.empty()) {
        OpenFile(ToDisplayText(start.path));
        return;
    }
    FormActivate();
}

void TPerformanceForm::FormActivate() {
    CatchUpWithTable();
    RefreshAll();
    ui_->Edit_Title->setFocus();
}

// The lists follow the table: columns appended at its end (a transformed copy, a computed
// variable) join "Data Variables"; a new table or changed columns rebuild the lists.
void TPerformanceForm::CatchUpWithTable() {
    const std::vector<std::string> columns = ColumnNames(ws_.table);
    if (seenTableGeneration_ == ws_.table.TableGeneration && ColumnsAppended(seenColumns_, columns))
        ws_.analysis.Settings.AddDataVariables(ws_.data, static_cast<int>(seenColumns_.size()) + 1);
    else if (TableChanged())
        RebuildVariableLists();
    RememberTable();
}

// The windows opened next (charts, plots) work with the current limits and decimals.
void TPerformanceForm::FormDeactivate() {
    if (ws_.analysis.Running || ws_.table.LoadInProgress) return;
    ws_.analysis.Settings.DropColumnsBeyond(ws_.data.MaxCol());
    ReadSpecLimits(ws_);
}

void TPerformanceForm::RememberTable() {
    seenTableGeneration_ = ws_.table.TableGeneration;
    seenColumns_ = ColumnNames(ws_.table);
}

// The lists are rebuilt when the table was replaced or its columns changed (another window
// loaded a file, or columns were added, deleted or renamed).
bool TPerformanceForm::TableChanged() const {
    return seenTableGeneration_ != ws_.table.TableGeneration ||
           seenColumns_ != ColumnNames(ws_.table);
}

// ---- closing and dropping ------------------------------------------------------------------

void TPerformanceForm::closeEvent(QCloseEvent* event) {
    if (ws_.table.Modified) {
        switch (ws_.ui.Confirm("File Not Saved.  Save?", true)) {
            case Answer::Yes:
                // A cancelled or failed save keeps the program, and the data, alive.
                if (!ws_.ui.RequestSaveAs()) {
                    event->ignore();
                    return;
                }
                break;
            case Answer::No:
                break;
            case Answer::Cancel:
                event->ignore();
                return;
        }
    }
    event->accept();
    emit ProgramEnds();
}

void TPerformanceForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TPerformanceForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    RestoreAndShow(this);
    const QString path = urls.front().toLocalFile();
    const std::string problem = OpenFileProblem(FromDisplayText(path));
    if (!problem.empty()) {
        ws_.ui.ErrorBox(problem);
        return;
    }
    // Opened once the drop has ended, so that the source program is not kept waiting.
    QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

// ---- File menu --------------------------------------------------------------------------

bool TPerformanceForm::OpenFile(const QString& path) {
    const std::string file = FromDisplayText(path);
    const bool configuration = IsConfigFileName(file);
    if (specsFound_) specsFound_->close();
    if (configuration) HideOtherWindows(this);
    const bool opened = OpenAnyFile(ws_, file);
    AfterOpening(configuration);
    return opened;
}

void TPerformanceForm::AfterOpening(bool configuration) {
    RememberTable();
    if (!configuration && ws_.table.HaveData()) {
        HideOtherWindows(this);
        if (windows_.Has(ProgramWindow::DataEditor)) windows_.Open(ProgramWindow::DataEditor, this);
    }
    RefreshAll();
    if (configuration && ws_.analysis.SpecsFound.Seen) ShowSpecsFound();
}

void TPerformanceForm::ShowSpecsFound() {
    if (specsFound_) specsFound_->close();
    specsFound_ = new TSpecsFound(ws_.analysis.SpecsFound, ws_.ui, this);
    specsFound_->show();
}

void TPerformanceForm::New1Click() {
    BusyCursor busy(ws_.ui);
    if (!NewTable(ws_)) return;  // the modified table was kept
    ws_.analysis.Settings.ResetForNew(ws_.rules, ws_.transform);
    if (windows_.Has(ProgramWindow::DataEditor)) windows_.Open(ProgramWindow::DataEditor, this);
    RebuildVariableLists();
    RememberTable();
    RefreshAll();
}

void TPerformanceForm::Open1Click() {
    const QString start = ToDisplayText(ws_.mru.LastPath());
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), start, kOpenFilter);
    if (!path.isEmpty()) OpenFile(path);
}

void TPerformanceForm::Save1Click() {
    const std::string& config = ws_.analysis.ConfigFileName;
    if (config.empty()) {
        SaveAs1Click();
        return;
    }
    SaveConfig(ws_, config);
    RefreshAll();
}

void TPerformanceForm::SaveAs1Click() {
    QFileDialog dialog(this, tr("Save As"), ToDisplayText(ws_.analysis.ConfigFileName),
                       kSaveAsFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("vos"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    // A name without an extension is a configuration, as the dialog's first filter says.
    const std::string path =
        WithDefaultExtension(FromDisplayText(dialog.selectedFiles().front()), "vos");
    const SaveOptions options = PrepareSaveOptions(ws_.table);
    SaveConfigOrData(ws_, path, options.VarNamesEnabled, options.DescriptionsEnabled);
    RefreshAll();
}

// The recently-used files, read again whenever the File menu opens.
void TPerformanceForm::FileClick() {
    const std::vector<TMRUFiles::MenuEntry> entries = ws_.mru.FileClick();
    ui_->MenuLineMRU->setVisible(ws_.mru.SeparatorVisible());
    QAction* const items[] = {ui_->MRFile1, ui_->MRFile2, ui_->MRFile3, ui_->MRFile4, ui_->MRFile5,
                              ui_->MRFile6, ui_->MRFile7, ui_->MRFile8, ui_->MRFile9};
    for (QAction* item : items) item->setVisible(false);
    for (const TMRUFiles::MenuEntry& entry : entries) {
        QAction* item = items[entry.number - 1];
        item->setText(ToDisplayText(entry.caption));
        item->setData(ToDisplayText(entry.path));
        item->setVisible(true);
    }
}

void TPerformanceForm::MRFileClick(int index) {
    const std::string path = ws_.mru.Flist[static_cast<std::size_t>(index)];
    if (path.empty() || !TMRUFiles::CheckExists(path, ws_.ui)) return;
    OpenFile(ToDisplayText(path));
}

// ---- windows ------------------------------------------------------------------------------

void TPerformanceForm::OpenProgramWindow(ProgramWindow window) {
    if (!windows_.Has(window)) return;
    ws_.analysis.Settings.DropColumnsBeyond(ws_.data.MaxCol());
    ReadSpecLimits(ws_);
    windows_.Open(window, this);
}

void TPerformanceForm::OpenGraphWindow(ProgramWindow window, bool checkLimits) {
    if (!windows_.Has(window)) return;
    if (!PrepareGraphRun(ws_, checkLimits)) return;
    windows_.Open(window, this);
}

// Toggles between the designed size and the largest that fits the screen.
void TPerformanceForm::FormResize1Click() { ToggleFormSize(*this, ui_->FormResize1, formScale_); }

void TPerformanceForm::ShowTextOutput() { output_->ShowOutput(this); }

// The View menu's items follow their tool buttons.
void TPerformanceForm::ViewClick() {
    UpdateCommandButtons();
    ui_->TextOutput1->setEnabled(ui_->ToolButton_PPA->isEnabled() ||
                                 ui_->ToolButton_Output->isEnabled());
}

void TPerformanceForm::CalcButtonClick() {
    ws_.analysis.Settings.SetDecimals(ui_->DecimalSpinEdit1->value());
    const ActionResult result = RunPerformanceAnalysis(ws_);
    UpdateCommandButtons();
    if (result == ActionResult::Completed) ShowTextOutput();
}

// ---- options --------------------------------------------------------------------------------

void TPerformanceForm::EnterVariances1Click() {
    userSetDialog_->exec();
    UpdateMemo();
}

void TPerformanceForm::RuleDialogClosed() {
    CatchUpWithTable();
    RefreshAll();
}

// ---- variables ------------------------------------------------------------------------------

void TPerformanceForm::RebuildVariableLists() {
    HideOtherWindows(this);
    ws_.analysis.Settings.RebuildVariableLists(ws_.data, ws_.table.HaveData());
    ShowLists();
    UpdateListButtons();
}

void TPerformanceForm::AfterMove(QListWidget* focusList, int select) {
    HideOtherWindows(this);
    ShowLists();
    if (focusList->count() > 0) {
        focusList->setFocus();
        SelectOnlyRow(focusList, select < 0 ? 0 : select);
    }
    UpdateListButtons();
    UpdateCommandButtons();
}

void TPerformanceForm::IncludeMeasuresClick() {
    const int next = ws_.analysis.Settings.IncludeMeasures(SelectedRows(ui_->DataVarList));
    AfterMove(ui_->DataVarList, next);
}

void TPerformanceForm::IncludeGroupClick() {
    const int next = ws_.analysis.Settings.IncludeStreams(SelectedRows(ui_->DataVarList));
    AfterMove(ui_->DataVarList, next);
}

void TPerformanceForm::ExcludeMeasuresClick() {
    const int next = ws_.analysis.Settings.ExcludeMeasures(SelectedRows(ui_->ListBox_Measures));
    AfterMove(ui_->ListBox_Measures, next);
}

void TPerformanceForm::ExcludeGroupClick() {
    const int next = ws_.analysis.Settings.ExcludeStreams(SelectedRows(ui_->ListBox_GroupVar));
    AfterMove(ui_->ListBox_GroupVar, next);
}

void TPerformanceForm::ExcludeAllMeasuresClick() {
    AfterMove(ui_->DataVarList, ws_.analysis.Settings.ExcludeAllMeasures());
}

void TPerformanceForm::ExcludeAllGroupClick() {
    AfterMove(ui_->DataVarList, ws_.analysis.Settings.ExcludeAllStreams());
}

void TPerformanceForm::SetsClick() {
    if (!ws_.analysis.Settings.ToggleSetColumn(FirstSelectedRow(ui_->DataVarList))) return;
    HideOtherWindows(this);
    ShowLists();
    ShowSettings();
    UpdateListButtons();
}

void TPerformanceForm::MultipleClick() {
    AnalysisSettings& s = ws_.analysis.Settings;
    if (ui_->RadioButton2->isChecked())
        s.Multiple = MultipleMeasures::RepeatedMeasures;
    else if (ui_->RadioButton3->isChecked())
        s.Multiple = MultipleMeasures::MultipleStreams;
    else
        s.Multiple = MultipleMeasures::SampleItems;
    HideOtherWindows(this);
}

// ---- showing the settings -------------------------------------------------------------------

void TPerformanceForm::ShowLists() {
    const AnalysisSettings& s = ws_.analysis.Settings;
    ShowVariableItems(ui_->DataVarList, s.DataVariables.Items());
    ShowVariableItems(ui_->ListBox_Measures, s.Measures.Items());
    ShowVariableItems(ui_->ListBox_GroupVar, s.Streams.Items());
}

void TPerformanceForm::UpdateListButtons() {
    AnalysisSettings& s = ws_.analysis.Settings;
    s.ApplyListRules();
    const ListButtonState b = s.ListButtons();
    Ui::TPerformanceForm& u = *ui_;
    u.SpeedButton_IncludeMeasures->setEnabled(b.IncludeMeasures);
    u.SpeedButton_ExcludeMeasures->setEnabled(b.ExcludeMeasures);
    u.SpeedButton_ExcludeAllMeasures->setEnabled(b.ExcludeAllMeasures);
    u.SpeedButton_IncludeGroup->setEnabled(b.IncludeStreams);
    u.SpeedButton_ExcludeGroup->setEnabled(b.ExcludeStreams);
    u.SpeedButton_ExcludeAllGroup->setEnabled(b.ExcludeAllStreams);
    u.GroupBox_MultMeas->setVisible(b.MultipleBoxVisible);
    u.RadioButton3->setVisible(b.MultipleStreamsVisible);
    QRadioButton* checked = s.Multiple == MultipleMeasures::RepeatedMeasures  ? u.RadioButton2
                            : s.Multiple == MultipleMeasures::MultipleStreams ? u.RadioButton3
                                                                              : u.RadioButton1;
    checked->setChecked(true);
}

void TPerformanceForm::UpdateCommandButtons() {
    const CommandButtonState state =
        ws_.analysis.Settings.CommandButtons(ws_.table.HaveData(), ws_.analysis.HaveResults);
    Ui::TPerformanceForm& u = *ui_;
    u.Button_Action->setEnabled(state.Action);
    for (const WindowCommand& command : windowCommands_) {
        bool enabled = true;
        switch (command.window) {
            case ProgramWindow::BoxPlots:
                enabled = state.BoxPlots;
                break;
            case ProgramWindow::Histogram:
                enabled = state.Histogram;
                break;
            case ProgramWindow::FrequencyPlots:
                enabled = state.FrequencyPlots;
                break;
            case ProgramWindow::ControlCharts:
                enabled = state.ControlCharts;
                break;
            case ProgramWindow::PerformanceCharts:
                enabled = state.PerformanceCharts;
                break;
            default:
                break;
        }
        EnableCommand(command.action, command.button, windows_.Has(command.window), enabled,
                      command.hint);
    }
    EnableCommand(u.TextOutput1, u.ToolButton_Output, true, state.TextOutput,
                  QStringLiteral("Display Text Output"));
}

void TPerformanceForm::UpdateCaption() { setWindowTitle(ToDisplayText(MainWindowCaption(ws_))); }

void TPerformanceForm::UpdateMemo() {
    const std::vector<std::string> lines =
        ws_.analysis.Settings.MemoLines(ws_.rules, ws_.transform);
    QStringList text;
    for (const std::string& line : lines) text << ToDisplayText(line);
    ui_->Memo1->setPlainText(text.join(QLatin1Char('\n')));
    ui_->Memo1->setVisible(!lines.empty());
}

void TPerformanceForm::UpdateRuleStatus() {
    missingStatus_->setText(ToDisplayText(ws_.rules.MissingStatusText()));
    transformStatus_->setText(ToDisplayText(TransformStatusText(ws_.transform)));
    processIfStatus_->setText(ToDisplayText(ws_.rules.ProcessIfStatusText()));
}

// The title, decimals and set column as the settings hold them (after a configuration was read).
void TPerformanceForm::ShowSettings() {
    const AnalysisSettings& s = ws_.analysis.Settings;
    const QString title = ToDisplayText(s.Title);
    if (ui_->Edit_Title->text() != title) ui_->Edit_Title->setText(title);
    ui_->DecimalSpinEdit1->setValue(s.DecimalsBox);
    ui_->Edit_Sets->setText(ToDisplayText(s.SetName));
    ui_->SpeedButton_sets->setText(s.SetButtonShowsInclude() ? QStringLiteral(">")
                                                             : QStringLiteral("<"));
}

void TPerformanceForm::RefreshAll() {
    ShowSettings();
    ShowLists();
    UpdateListButtons();
    UpdateCommandButtons();
    UpdateCaption();
    UpdateMemo();
    UpdateRuleStatus();
}

}  // namespace vostrel::app
