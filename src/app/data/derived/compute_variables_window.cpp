#include "app/data/derived/compute_variables_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>

#include "app/data/derived/derived_windows.h"
#include "app/data/derived/variable_list_view.h"
#include "app/report/report_edit_command.h"
#include "app/report/report_view.h"
#include "app/common/display_text.h"
#include "app/common/help.h"
#include "app/common/window_directory.h"
#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "ui_compute_variables_window.h"

// The tool bar uses the report windows' icons.
static void InitReportIcons() { Q_INIT_RESOURCE(report_icons); }

namespace vostrel::app {

namespace {

const QString kNotAvailable = QStringLiteral("Not available yet");

void Unavailable(QAction* action) {
    action->setEnabled(false);
    action->setToolTip(kNotAvailable);
}

}  // namespace

TBkbox_Form::TBkbox_Form(Workspace& ws, WindowDirectory& windows, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      windows_(windows),
      questions_(ws.ui, this),
      ui_(new Ui::TBkbox_Form) {
    InitReportIcons();
    ui_->setupUi(this);
    model_.Questions = &questions_;
    ui_->ToolButton_DataEditor->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui_->ToolButton_Copy->setIcon(QIcon(QStringLiteral(":/report/icons/copy.svg")));
    ui_->ToolButton_Paste->setIcon(QIcon(QStringLiteral(":/report/icons/paste.svg")));
    ui_->ToolButton_Return->setIcon(QIcon(QStringLiteral(":/report/icons/return.svg")));
    ui_->ToolButton_Help->setIcon(QIcon(QStringLiteral(":/report/icons/help.svg")));
    ui_->ToolButton_Close->setIcon(QIcon(QStringLiteral(":/report/icons/close.svg")));
    QFont base(QStringLiteral("Courier New"), 9);
    base.setStyleHint(QFont::TypeWriter);
    ui_->RichEdit->document()->setDefaultFont(base);
    AttachReportPopupMenu(ui_->RichEdit);
    view_ = new ReportView(*ui_->RichEdit, log_, this);
    ui_->Edit_NewName->setMaxLength(255);
    if (!windows_.Has(ProgramWindow::DataEditor)) {
        Unavailable(ui_->DataEditor1);
        Unavailable(ui_->ToolButton_DataEditor);
    }
    Connect();
    FormActivate();
    FocusChanged();
}

TBkbox_Form::~TBkbox_Form() { delete ui_; }

void TBkbox_Form::Connect() {
    Ui::TBkbox_Form* u = ui_;
    connect(u->SpeedButton_IndVar, &QToolButton::clicked, this,
            &TBkbox_Form::SpeedButton_IndVarClick);
    connect(u->SpeedButton_Include, &QToolButton::clicked, this,
            [this] { ShowLists(model_.IncludeIndependent(SelectedRows(ui_->DataVarList))); });
    connect(u->SpeedButton_IncludeAll, &QToolButton::clicked, this,
            [this] { ShowLists(model_.IncludeAllIndependent()); });
    connect(u->SpeedButton_Exclude, &QToolButton::clicked, this, [this] {
        model_.ExcludeIndependent(SelectedRows(ui_->IndVarList));
        ShowLists();
    });
    connect(u->SpeedButton_ExcludeAll, &QToolButton::clicked, this, [this] {
        model_.ExcludeAllIndependent();
        ShowLists();
    });
    connect(u->SpeedButton_Include2, &QToolButton::clicked, this,
            [this] { ShowLists(model_.IncludeSelected(SelectedRows(ui_->DataVarList2))); });
    connect(u->SpeedButton_IncludeAll2, &QToolButton::clicked, this,
            [this] { ShowLists(model_.IncludeAllSelected()); });
    connect(u->SpeedButton_Exclude2, &QToolButton::clicked, this, [this] {
        model_.ExcludeSelected(SelectedRows(ui_->SelectedVar));
        ShowLists();
    });
    connect(u->SpeedButton_ExcludeAll2, &QToolButton::clicked, this, [this] {
        model_.ExcludeAllSelected();
        ShowLists();
    });
    connect(u->DataVarList2, &QListWidget::itemDoubleClicked, u->SpeedButton_Include2,
            &QToolButton::click);
    connect(u->SelectedVar, &QListWidget::itemDoubleClicked, u->SpeedButton_Exclude2,
            &QToolButton::click);
    connect(u->IndVarList, &QListWidget::itemDoubleClicked, u->SpeedButton_Exclude,
            &QToolButton::click);
    connect(u->PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        model_.SetPage(page == 1 ? ComputePage::AcrossRows : ComputePage::ByIndependentVariables);
        ShowControls();
    });
    connect(u->Edit_NewName, &QLineEdit::textEdited, this, &TBkbox_Form::Edit_NewNameChange);
    connect(u->CalcButton, &QPushButton::clicked, this, &TBkbox_Form::CalcButtonClick);
    ConnectStatistics();

    connect(u->OpenDataFile1, &QAction::triggered, this, &TBkbox_Form::OpenDataFile1Click);
    connect(u->DataEditor1, &QAction::triggered, this, &TBkbox_Form::DataEditor1Click);
    connect(u->ToolButton_DataEditor, &QAction::triggered, this, &TBkbox_Form::DataEditor1Click);
    connect(u->CloseForm1, &QAction::triggered, this, &QWidget::close);
    connect(u->ToolButton_Close, &QAction::triggered, this, &QWidget::close);
    connect(u->ToolButton_Return, &QAction::triggered, this, &TBkbox_Form::ToolButton_ReturnClick);
    connect(u->HelponComputeVariables1, &QAction::triggered, this,
            [this] { OpenHelpTopic(kDerivedVariablesHelpTopic, this); });
    connect(u->ToolButton_Help, &QAction::triggered, this,
            [this] { OpenHelpTopic(kDerivedVariablesHelpTopic, this); });
    for (QAction* action : {u->Undo1, u->Cut1, u->Copy1, u->Paste1, u->Select1}) {
        const QString name = action->objectName();
        connect(action, &QAction::triggered, this, [this, name] { EditCommand(name); });
    }
    connect(u->ToolButton_Copy, &QAction::triggered, this,
            [this] { EditCommand(QStringLiteral("Copy1")); });
    connect(u->ToolButton_Paste, &QAction::triggered, this,
            [this] { EditCommand(QStringLiteral("Paste1")); });
    connect(qApp, &QApplication::focusChanged, this, &TBkbox_Form::FocusChanged);
}

// The statistics stand in several group boxes; one button group keeps a single one ticked.
void TBkbox_Form::ConnectStatistics() {
    auto* statistics = new QButtonGroup(this);
    for (int code = 0; code < SampleStatisticCount; ++code)
        statistics->addButton(findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(code)),
                              code);
    connect(statistics, &QButtonGroup::idToggled, this, [this](int code, bool on) {
        if (!on) return;
        model_.SetStatistic(code);
        ShowControls();
    });
    auto* across = new QButtonGroup(this);
    for (int item = 0; item < AcrossRowsStatisticCount; ++item)
        across->addButton(findChild<QRadioButton*>(QStringLiteral("RadioButton_Stat%1").arg(item)),
                          item);
    connect(across, &QButtonGroup::idToggled, this, [this](int item, bool on) {
        if (!on) return;
        model_.SetAcrossStatistic(item);
        ShowControls();
    });
}

void TBkbox_Form::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QMainWindow::changeEvent(event);
}

void TBkbox_Form::FormActivate() {
    if (model_.Activate(ws_)) {
        log_.Clear();
        view_->Update();
    }
    ShowLists();
}

void TBkbox_Form::ShowLists(int dataCurrent) {
    ShowVariableList(ui_->DataVarList, model_.DataVarList, dataCurrent);
    ShowVariableList(ui_->IndVarList, model_.IndVarList);
    ShowVariableList(ui_->DataVarList2, model_.DataVarList2, dataCurrent);
    ShowVariableList(ui_->SelectedVar, model_.SelectedVar);
    ShowControls();
}

void TBkbox_Form::ShowControls() {
    ui_->Edit_Measure->setText(ToDisplayText(model_.DependentName()));
    ui_->SpeedButton_IndVar->setText(ToDisplayText(model_.DependentButtonText()));
    if (ui_->Edit_NewName->text() != ToDisplayText(model_.NewName))
        ui_->Edit_NewName->setText(ToDisplayText(model_.NewName));
    ui_->CalcButton->setEnabled(model_.ActionEnabled());
}

void TBkbox_Form::SpeedButton_IndVarClick() {
    if (!model_.ToggleDependent(SelectedRows(ui_->DataVarList))) {
        ws_.ui.Beep();
        return;
    }
    ShowLists();
}

void TBkbox_Form::Edit_NewNameChange(const QString& text) {
    const int cursor = ui_->Edit_NewName->cursorPosition();
    model_.SetNewName(FromDisplayText(text));
    ui_->Edit_NewName->setText(ToDisplayText(model_.NewName));
    ui_->Edit_NewName->setCursorPosition(cursor);
}

void TBkbox_Form::CalcButtonClick() {
    if (!ws_.table.HaveData()) return;
    const DeriveResult result = model_.Action(ws_, &log_);
    if (result != DeriveResult::Added) return;
    view_->Update();
    QScrollBar* scroll = ui_->RichEdit->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    ShowLists();
}

void TBkbox_Form::OpenDataFile1Click() {
    if (QWidget* editor = windows_.Open(ProgramWindow::DataEditor, this)) {
        if (auto* open = editor->findChild<QAction*>(QStringLiteral("Open1"))) open->trigger();
    } else {
        const std::string path = ws_.ui.RequestOpenFileName();
        if (!path.empty()) FileToDataGrid(ws_, path);
    }
    show();
    raise();
    activateWindow();
    FormActivate();
}

void TBkbox_Form::DataEditor1Click() { windows_.Open(ProgramWindow::DataEditor, this); }

void TBkbox_Form::ToolButton_ReturnClick() {
    if (caller_.isNull()) return;
    caller_->show();
    caller_->raise();
    caller_->activateWindow();
}

// The Edit menu and the copy and paste tool buttons act on the focused text control.
void TBkbox_Form::EditCommand(const QString& itemName) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == ui_->Edit_NewName || focused == ui_->RichEdit)
        ReportEditCommand(itemName, focused);
}

void TBkbox_Form::FocusChanged() {
    QWidget* focused = QApplication::focusWidget();
    const bool textFocused = focused == ui_->Edit_NewName || focused == ui_->RichEdit;
    ui_->ToolButton_Copy->setEnabled(textFocused);
    ui_->ToolButton_Paste->setEnabled(textFocused);
}

}  // namespace vostrel::app
