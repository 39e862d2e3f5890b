#include "app/charts/setup_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

#include <array>

#include "app/charts/chart_window.h"
#include "app/data/open_data_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/common/graph_services/form_sizing.h"
#include "app/common/graph_services/graph_help.h"
#include "app/common/graph_services/graph_navigation.h"
#include "app/common/display_text.h"
#include "app/common/key_filter_binding.h"
#include "app/common/window_directory.h"
#include "engine/control_charts/chart_action.h"
#include "engine/control_charts/chart_view_menu.h"
#include "engine/data/data_file.h"
#include "engine/data/table_commands.h"
#include "engine/workspace.h"
#include "ui_setup_window.h"

namespace vostrel::app {

namespace {

const QString SetupName = QStringLiteral("Variables Chart Setup Form");
const QString NotAvailable = QStringLiteral("Not available yet");

QString Display(const std::string& text) { return ToDisplayText(text); }

}  // namespace

TForm_VARsetup::TForm_VARsetup(Workspace& ws, const WindowDirectory* windows, QWidget* parent)
    : QMainWindow(parent), ws_(ws), windows_(windows), ui_(new Ui::TForm_VARsetup) {
    ui_->setupUi(this);
    navigation_ = std::make_unique<GraphNavigation>(*this, ui_->ToolButton_Return, ui_->Return1);
    setup_.OnChartInvalidated = [this] { CloseChartWindow(); };
    BindLists();
    BindChoices();
    BindFields();
    BindCommands();
    ShowFormSizeButton(ui_->FormResize1, formScale_);
    ResetChartSetup();
}

TForm_VARsetup::~TForm_VARsetup() {
    delete chart_.data();
    delete ui_;
}

TVARchart_Form* TForm_VARsetup::ChartWindow() const { return chart_.data(); }

void TForm_VARsetup::Open(QWidget* caller, const QString& name) {
    CheckDataState();
    ShowCaption();
    navigation_->Open(caller, name);
}

// --- Binding ---

void TForm_VARsetup::BindLists() {
    const std::array<std::pair<QListWidget*, SetupList>, 3> lists = {
        std::pair{ui_->DataVarList, SetupList::DataVariables},
        std::pair{ui_->ListBox_Measures, SetupList::Measures},
        std::pair{ui_->ListBox_ChartGroups, SetupList::ChartGroups}};
    for (const auto& [widget, list] : lists) {
        connect(widget, &QListWidget::itemSelectionChanged, this,
                [this, w = widget, l = list] { ListSelectionChanged(w, l); });
    }
    const auto move = [this](QPushButton* button, void (ChartSetupModel::*operation)(),
                             QListWidget* source) {
        connect(button, &QPushButton::clicked, this, [this, operation, source] {
            (setup_.*operation)();
            ShowModel();
            source->setFocus();
        });
    };
    move(ui_->IncludeBtnMeasure, &ChartSetupModel::IncludeMeasures, ui_->DataVarList);
    move(ui_->ExcludeBtnMeasure, &ChartSetupModel::ExcludeMeasures, ui_->ListBox_Measures);
    move(ui_->ExcludeAllBtnMeasure, &ChartSetupModel::ExcludeAllMeasures, ui_->ListBox_Measures);
    move(ui_->IncludeBtnChart, &ChartSetupModel::IncludeChartGroups, ui_->DataVarList);
    move(ui_->ExcludeBtnChart, &ChartSetupModel::ExcludeChartGroups, ui_->ListBox_ChartGroups);
    move(ui_->ExcludeAllBtnChart, &ChartSetupModel::ExcludeAllChartGroups,
         ui_->ListBox_ChartGroups);
    move(ui_->SpeedButton_Sample, &ChartSetupModel::ToggleSampleVariable, ui_->DataVarList);
    move(ui_->SpeedButton_sets, &ChartSetupModel::ToggleSetVariable, ui_->DataVarList);
}

void TForm_VARsetup::BindChoices() {
    const auto choose = [this](QComboBox* combo, void (ChartSetupModel::*select)(int)) {
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this, select](int index) {
            (setup_.*select)(index);
            ShowModel();
        });
    };
    choose(ui_->ComboBox_LocChartType, &ChartSetupModel::SelectLocChartType);
    choose(ui_->ComboBox_DispChartType, &ChartSetupModel::SelectDispChartType);
    choose(ui_->ComboBox_LocLimitCalc, &ChartSetupModel::SelectLocLimitCalc);
    choose(ui_->ComboBox_DispCalc, &ChartSetupModel::SelectDispCalc);
    choose(ui_->ComboBox_LocCL, &ChartSetupModel::SelectLocCenterline);
    choose(ui_->ComboBox_DispCL, &ChartSetupModel::SelectDispCenterline);
    choose(ui_->ComboBox_AL, &ChartSetupModel::SelectAxisLabel);
    connect(ui_->CheckBox_Sample, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        setup_.SetConstantSampleSize(on);
        ShowModel();
    });
    connect(ui_->RadioButton_Rows, &QRadioButton::toggled, this, [this](bool rows) {
        if (showing_) return;
        setup_.SetSubgroupsInRows(rows);
        ShowModel();
    });
}

TForm_VARsetup::UserLimitControls TForm_VARsetup::LimitControls() const {
    return {
        std::pair{ui_->CheckBox_UCL, ui_->Edit_UCL}, std::pair{ui_->CheckBox_CL, ui_->Edit_CL},
        std::pair{ui_->CheckBox_LCL, ui_->Edit_LCL}, std::pair{ui_->CheckBox_DUCL, ui_->Edit_DUCL},
        std::pair{ui_->CheckBox_DCL, ui_->Edit_DCL}, std::pair{ui_->CheckBox_DLCL, ui_->Edit_DLCL}};
}

void TForm_VARsetup::BindFields() {
    const auto text = [this](QLineEdit* edit, void (ChartSetupModel::*set)(std::string)) {
        connect(edit, &QLineEdit::textChanged, this, [this, set](const QString& value) {
            if (!showing_) (setup_.*set)(FromDisplayText(value));
        });
    };
    text(ui_->Edit_StdErr, &ChartSetupModel::SetStdErrText);
    text(ui_->Edit_Sigma, &ChartSetupModel::SetSigmaText);
    text(ui_->Edit_Mu, &ChartSetupModel::SetMuText);
    BindKeyFilter(ui_->Edit_StdErr, KeyFilterKind::UnsignedReal);
    BindKeyFilter(ui_->Edit_Sigma, KeyFilterKind::UnsignedReal);
    BindKeyFilter(ui_->Edit_Mu, KeyFilterKind::SignedReal);

    const UserLimitControls limits = LimitControls();
    for (int i = 0; i < UserLimitCount; ++i) {
        const auto limit = static_cast<UserLimit>(i);
        const auto [box, edit] = limits[static_cast<std::size_t>(i)];
        BindKeyFilter(edit,
                      i < UserDispUCL ? KeyFilterKind::SignedReal : KeyFilterKind::UnsignedReal);
        connect(box, &QCheckBox::toggled, this, [this, limit](bool on) {
            if (showing_) return;
            setup_.SetUserLimitChecked(limit, on);
            ShowVisibility();
        });
        connect(edit, &QLineEdit::textChanged, this, [this, limit](const QString& value) {
            if (!showing_) setup_.SetUserLimitText(limit, FromDisplayText(value));
        });
    }
    connect(ui_->CheckBox_PositiveLimits, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) setup_.SetPositiveLimitsOnly(on);
    });
    connect(ui_->SpinEdit_SampleSize, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int size) {
                if (!showing_) setup_.SetSampleSize(size);
            });
    connect(ui_->SpinEdit_MR, qOverload<int>(&QSpinBox::valueChanged), this, [this](int span) {
        if (!showing_) setup_.SetMRSpan(span);
    });
    // An empty MR count puts 2 back.
    connect(ui_->SpinEdit_MR, &QSpinBox::editingFinished, this, [this] {
        setup_.SetMRSpanText(ui_->SpinEdit_MR->cleanText().toStdString());
        ShowFields();
    });
}

void TForm_VARsetup::BindCommands() {
    connect(ui_->CalcButton, &QPushButton::clicked, this, &TForm_VARsetup::CalcButtonClick);
    connect(ui_->NewData1, &QAction::triggered, this, &TForm_VARsetup::NewDataClick);
    connect(ui_->OpenData1, &QAction::triggered, this, &TForm_VARsetup::OpenDataFileClick);
    connect(ui_->File1, &QMenu::aboutToShow, this, &TForm_VARsetup::FileMenuOpened);
    const bool editor = windows_ != nullptr && windows_->Has(ProgramWindow::DataEditor);
    ui_->DataEditor1->setEnabled(editor);
    if (!editor) ui_->DataEditor1->setToolTip(NotAvailable);
    connect(ui_->DataEditor1, &QAction::triggered, this, &TForm_VARsetup::ShowDataEditor);
    // A chart computed under other rules is not left on screen.
    connect(ui_->ProcessIf1, &QAction::triggered, this, [this] {
        if (ExecProcessIfDialog(ws_, this)) CloseChartWindow();
    });
    BindHelpCommands(*this, ui_->Help1, ui_->Contents1, kChartSetupTopic);
    connect(ui_->ToolButton_Return, &QAction::triggered, this, [this] { navigation_->Return(); });
    connect(ui_->Return1, &QAction::triggered, this, [this] { navigation_->Return(); });
    connect(ui_->MainForm1, &QAction::triggered, this, [this] { navigation_->ShowMainForm(); });
    connect(ui_->HideForm1, &QAction::triggered, this, [this] { navigation_->HideForm(); });
    connect(ui_->FormResize1, &QAction::triggered, this,
            [this] { ToggleFormSize(*this, ui_->FormResize1, formScale_); });

    const auto focused = [] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); };
    connect(ui_->Undo1, &QAction::triggered, this, [focused] {
        if (QLineEdit* edit = focused()) edit->undo();
    });
    connect(ui_->Cut1, &QAction::triggered, this, [focused] {
        if (QLineEdit* edit = focused()) edit->cut();
    });
    connect(ui_->Copy1, &QAction::triggered, this, [focused] {
        if (QLineEdit* edit = focused()) edit->copy();
    });
    connect(ui_->Paste1, &QAction::triggered, this, [focused] {
        if (QLineEdit* edit = focused()) edit->paste();
    });
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateEditCommands(); });
    UpdateEditCommands();
}

// Copy and Paste work while an edit field has the focus.
void TForm_VARsetup::UpdateEditCommands() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const bool active = edit != nullptr && edit->window() == this;
    for (QAction* action : {ui_->Undo1, ui_->Cut1, ui_->Copy1, ui_->Paste1}) {
        action->setEnabled(active);
    }
}

// --- Showing the model ---

void TForm_VARsetup::ShowList(QListWidget* widget, SetupList list) {
    widget->clear();
    const std::vector<int>& selection = setup_.Selection(list);
    QListWidgetItem* current = nullptr;
    for (int column : setup_.Items(list)) {
        auto* item = new QListWidgetItem(Display(setup_.ColumnName(column)), widget);
        item->setData(Qt::UserRole, column);
        if (std::find(selection.begin(), selection.end(), column) != selection.end()) {
            item->setSelected(true);
            if (current == nullptr) current = item;
        }
    }
    if (current != nullptr) widget->setCurrentItem(current, QItemSelectionModel::NoUpdate);
}

void TForm_VARsetup::ShowCombo(QComboBox* combo, const ComboList& list) {
    combo->clear();
    for (const std::string& item : list.Items) combo->addItem(Display(item));
    combo->setCurrentIndex(list.ItemIndex);
}

void TForm_VARsetup::ShowModel() {
    showing_ = true;
    ShowList(ui_->DataVarList, SetupList::DataVariables);
    ShowList(ui_->ListBox_Measures, SetupList::Measures);
    ShowList(ui_->ListBox_ChartGroups, SetupList::ChartGroups);
    ui_->Label_Measures->setText(Display(setup_.MeasuresCaption()));
    ui_->Label_SampleVar->setText(Display(setup_.SampleLabelCaption()));
    ui_->SpeedButton_Sample->setText(Display(setup_.SampleButtonCaption()));
    ui_->SpeedButton_sets->setText(Display(setup_.SetButtonCaption()));
    ui_->Edit_Sample->setText(Display(setup_.SampleText()));
    ui_->Edit_Sets->setText(Display(setup_.SetText()));
    ui_->CheckBox_Sample->setChecked(setup_.ConstantSampleSizeChecked());
    ui_->RadioButton_Rows->setChecked(setup_.SubgroupsInRows());
    ui_->RadioButton_Columns->setChecked(!setup_.SubgroupsInRows());
    ShowCombo(ui_->ComboBox_LocChartType, setup_.LocChartTypes());
    ShowCombo(ui_->ComboBox_DispChartType, setup_.DispChartTypes());
    ShowCombo(ui_->ComboBox_LocLimitCalc, setup_.LocLimitCalcs());
    ShowCombo(ui_->ComboBox_DispCalc, setup_.DispCalcs());
    ShowCombo(ui_->ComboBox_LocCL, setup_.LocCenterlines());
    ShowCombo(ui_->ComboBox_DispCL, setup_.DispCenterlines());
    ShowCombo(ui_->ComboBox_AL, setup_.AxisLabels());
    ShowFields();
    showing_ = false;
    ShowVisibility();
}

void TForm_VARsetup::ShowFields() {
    const bool wasShowing = std::exchange(showing_, true);
    const auto setText = [](QLineEdit* edit, const std::string& text) {
        const QString shown = ToDisplayText(text);
        if (edit->text() != shown) edit->setText(shown);
    };
    setText(ui_->Edit_StdErr, setup_.StdErrText());
    setText(ui_->Edit_Sigma, setup_.SigmaText());
    setText(ui_->Edit_Mu, setup_.MuText());
    const UserLimitControls limits = LimitControls();
    for (int i = 0; i < UserLimitCount; ++i) {
        const auto limit = static_cast<UserLimit>(i);
        limits[static_cast<std::size_t>(i)].first->setChecked(setup_.UserLimitChecked(limit));
        setText(limits[static_cast<std::size_t>(i)].second, setup_.UserLimitText(limit));
    }
    ui_->CheckBox_PositiveLimits->setChecked(setup_.PositiveLimitsOnly());
    ui_->SpinEdit_SampleSize->setValue(setup_.SampleSize());
    ui_->SpinEdit_MR->setValue(setup_.MRSpan());
    showing_ = wasShowing;
}

void TForm_VARsetup::ShowVisibility() {
    const SetupVisibility& v = setup_.Visibility();
    const auto show = [](std::initializer_list<QWidget*> widgets, bool visible) {
        for (QWidget* widget : widgets) widget->setVisible(visible);
    };
    show({ui_->ListBox_ChartGroups, ui_->IncludeBtnChart, ui_->ExcludeBtnChart,
          ui_->ExcludeAllBtnChart, ui_->Label_ChartGroups},
         v.ChartGroups);
    show({ui_->Edit_Sets, ui_->SpeedButton_sets, ui_->Label_cSets}, v.Sets);
    show({ui_->CheckBox_Sample}, v.SampleCheck);
    show({ui_->SpinEdit_SampleSize}, v.SampleSize);
    show({ui_->SpeedButton_Sample, ui_->Edit_Sample}, v.SampleVariable);
    show({ui_->Label_SampleVar}, v.SampleLabel);
    show({ui_->Edit_Mu, ui_->Label_Mu}, v.Mu);
    show({ui_->Edit_Sigma, ui_->Label_Sigma}, v.Sigma);
    show({ui_->Label_UD, ui_->CheckBox_UCL, ui_->CheckBox_CL, ui_->CheckBox_LCL}, v.LocUserLimits);
    show({ui_->Label_DispUserLimits, ui_->CheckBox_DUCL, ui_->CheckBox_DCL, ui_->CheckBox_DLCL},
         v.DispUserLimits);
    const std::array<QLineEdit*, UserLimitCount> edits = {
        ui_->Edit_UCL, ui_->Edit_CL, ui_->Edit_LCL, ui_->Edit_DUCL, ui_->Edit_DCL, ui_->Edit_DLCL};
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i]->setVisible(v.UserLimitEdits[i]);
    show({ui_->RadioGroup_Layout}, v.Layout);
    show({ui_->Label_LocCalc, ui_->ComboBox_LocLimitCalc}, v.LocCalc);
    show({ui_->Label_LocCL, ui_->ComboBox_LocCL}, v.LocCenterline);
    show({ui_->CheckBox_PositiveLimits}, v.PositiveLimits);
    show({ui_->Label_DispCalc, ui_->ComboBox_DispCalc}, v.DispCalc);
    show({ui_->Label_DispCL, ui_->ComboBox_DispCL}, v.DispCenterline);
    show({ui_->Edit_StdErr, ui_->Label_SE}, v.StdErr);
    show({ui_->SpinEdit_MR, ui_->Label_MR}, v.MRSpan);
    ui_->IncludeBtnMeasure->setEnabled(v.IncludeMeasures);
    ui_->ExcludeBtnMeasure->setEnabled(v.ExcludeMeasures);
    ui_->ExcludeAllBtnMeasure->setEnabled(v.ExcludeMeasures);
    ui_->IncludeBtnChart->setEnabled(v.IncludeChartGroups);
    ui_->ExcludeBtnChart->setEnabled(v.ExcludeChartGroups);
    ui_->ExcludeAllBtnChart->setEnabled(v.ExcludeChartGroups);
    ui_->CalcButton->setEnabled(v.ActionEnabled);
}

void TForm_VARsetup::ListSelectionChanged(QListWidget* widget, SetupList list) {
    if (showing_) return;
    std::vector<int> columns;
    for (int row = 0; row < widget->count(); ++row) {
        const QListWidgetItem* item = widget->item(row);
        if (item->isSelected()) columns.push_back(item->data(Qt::UserRole).toInt());
    }
    setup_.Select(list, columns);
}

// --- Action and the chart window ---

void TForm_VARsetup::CalcButtonClick() {
    ChartActionResult result;
    {
        BusyCursor busy(ws_.ui);
        ClearPointText(ws_.chart);
        result = ChartSetupAction(ws_, setup_);
    }
    if (!result.Accepted) return;
    if (chart_.isNull()) chart_ = new TVARchart_Form(ws_, this, windows_);
    chart_->RememberDataState();
    chart_->FillChartList();
    chart_->DisplayVARchart();
    chart_->ShowVARchartForm(this, SetupName);
}

void TForm_VARsetup::CloseChartWindow() {
    if (chart_.isNull()) return;
    chart_->hide();
    chart_->deleteLater();
    chart_ = nullptr;
}

void TForm_VARsetup::ResetChartSetup() {
    setup_.ResetChartSetup(DataColumnSource(ws_.data));
    stamp_ = TakeChartDataStamp(ws_);
    CloseChartWindow();
    ClearPointText(ws_.chart);
    ShowModel();
}

// --- Activation, files ---

bool TForm_VARsetup::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        CheckDataState();
        ShowCaption();
    }
    return QMainWindow::event(event);
}

void TForm_VARsetup::CheckDataState() {
    const ChartDataStamp now = TakeChartDataStamp(ws_);
    if (!ws_.table.HaveData() || !now.SameStructure(stamp_)) {
        ResetChartSetup();
    } else {
        stamp_ = now;
    }
}

void TForm_VARsetup::ShowCaption() {
    const std::string& file = ws_.table.DataFilename;
    setWindowTitle(file.empty() ? QStringLiteral("Variables Chart Setup")
                                : QStringLiteral("Variables Chart Setup - ") +
                                      QFileInfo(Display(file)).fileName());
}

void TForm_VARsetup::FileMenuOpened() {
    const std::vector<TMRUFiles::MenuEntry> entries = ws_.mru.FileClick();
    for (int i = 1; i <= TMRUFiles::kMaxFiles; ++i) {
        QAction* item = findChild<QAction*>(QStringLiteral("MRFile%1").arg(i));
        if (item == nullptr) continue;
        const bool used = static_cast<std::size_t>(i) <= entries.size();
        item->setVisible(used);
        disconnect(item, &QAction::triggered, this, nullptr);
        if (!used) continue;
        const TMRUFiles::MenuEntry& entry = entries[static_cast<std::size_t>(i - 1)];
        item->setText(Display(entry.caption));
        const std::string path = entry.path;
        connect(item, &QAction::triggered, this, [this, path] {
            CloseChartWindow();
            if (TMRUFiles::CheckExists(path, ws_.ui)) OpenDataFile(Display(path));
        });
    }
}

void TForm_VARsetup::OpenDataFile(const QString& path) {
    {
        BusyCursor busy(ws_.ui);
        FileToDataGrid(ws_, FromDisplayText(path));
    }
    ResetChartSetup();
    ShowCaption();
}

void TForm_VARsetup::OpenDataFileClick() {
    const QString path = ChooseDataFile(ws_, this);
    if (!path.isEmpty()) OpenDataFile(path);
}

void TForm_VARsetup::NewDataClick() {
    if (!NewTable(ws_)) return;
    ResetChartSetup();
    ShowCaption();
    ShowDataEditor();
}

void TForm_VARsetup::ShowDataEditor() {
    if (windows_ != nullptr) windows_->Open(ProgramWindow::DataEditor, this);
}

// --- Registration ---

void RegisterChartWindows(Workspace& ws, WindowDirectory& windows) {
    QPointer<TForm_VARsetup> setup;
    windows.Register(ProgramWindow::ControlCharts,
                     [&ws, &windows, setup](QWidget* caller) mutable -> QWidget* {
                         if (setup.isNull()) setup = windows.Keep(new TForm_VARsetup(ws, &windows));
                         setup->Open(caller, GraphNavigation::MainFormName);
                         return setup.data();
                     });
}

}  // namespace vostrel::app
