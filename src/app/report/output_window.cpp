#include "app/report/output_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/common/print_report.h"
#include "app/report/report_edit_command.h"
#include "app/report/report_view.h"
#include "app/common/display_text.h"
#include "app/common/help.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "ui_output_window.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitReportIcons() { Q_INIT_RESOURCE(report_icons); }

namespace vostrel::app {
namespace {
constexpr int kOutputHelpTopic = 6000;
}

TOutputForm::TOutputForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ws_(ws), ui_(std::make_unique<Ui::TOutputForm>()) {
    InitReportIcons();
    ui_->setupUi(this);

    QTextEdit* edit = ui_->RichEdit;
    QFont base(QStringLiteral("Courier New"), 9);
    base.setStyleHint(QFont::TypeWriter);
    edit->document()->setDefaultFont(base);
    // Tab stops every half inch, as in a report control.
    edit->setTabStopDistance(edit->logicalDpiX() / 2.0);
    AttachReportPopupMenu(edit);
    view_ = new ReportView(*edit, ws_.report.output, this);

    ui_->OutputClearCheckBox->setChecked(ws_.analysis.OutputClear);
    connect(ui_->OutputClearCheckBox, &QCheckBox::toggled, this,
            [this](bool checked) { ws_.analysis.OutputClear = checked; });
    BindCommands();
    EditClick();
}

TOutputForm::~TOutputForm() = default;

void TOutputForm::BindCommands() {
    Ui::TOutputForm& ui = *ui_;
    const auto bind = [this](QAction* action, QToolButton* button, auto handler) {
        connect(action, &QAction::triggered, this, handler);
        if (button != nullptr) connect(button, &QToolButton::clicked, this, handler);
    };
    bind(ui.ReturntoMainForm1, ui.ToolButton_Return, [this] { ReturnToCaller(); });
    bind(ui.SaveAs1, ui.ToolButton_Save, [this] { SaveButtonClick(); });
    bind(ui.Print1, ui.ToolButton_Print, [this] { PrintButtonClick(); });
    bind(ui.PrintPreview1, nullptr, [this] { PrintPreviewClick(); });
    bind(ui.Copy1, ui.ToolButton_Copy, [this] { EditCommand(QStringLiteral("Copy1")); });
    bind(ui.Paste1, ui.ToolButton_Paste, [this] { EditCommand(QStringLiteral("Paste1")); });
    bind(ui.Cut1, nullptr, [this] { EditCommand(QStringLiteral("Cut1")); });
    bind(ui.Undo1, nullptr, [this] { EditCommand(QStringLiteral("Undo1")); });
    bind(ui.Select1, nullptr, [this] { EditCommand(QStringLiteral("Select1")); });
    bind(ui.IncreaseFont1, ui.ToolButton_FontUp, [this] { FontSizeClick(+1); });
    bind(ui.DecreaseFont1, ui.ToolButton_FontDown, [this] { FontSizeClick(-1); });
    bind(ui.HideForm1, ui.ToolButton_Close, [this] { close(); });
    bind(ui.HelponOutputForm1, ui.ToolButton_Help,
         [this] { OpenHelpTopic(kOutputHelpTopic, this); });
    bind(ui.Contents1, nullptr, [this] { OpenHelpContents(this); });
    connect(ui.Edit1, &QMenu::aboutToShow, this, &TOutputForm::EditClick);
    connect(ui.RichEdit, &QTextEdit::copyAvailable, this, &TOutputForm::EditClick);
    connect(ui.RichEdit, &QTextEdit::undoAvailable, this, &TOutputForm::EditClick);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TOutputForm::EditClick);
}

void TOutputForm::ShowOutput(QWidget* caller) {
    caller_ = caller;
    view_->Update();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

bool TOutputForm::SaveToFile(const QString& path) {
    const WriteResult result = SaveReport(view_->Content(), FromDisplayText(path));
    if (!result.ok) {
        ws_.ui.ErrorBox(
            result.message +
            "\n\nThe report was not saved; a file of that name keeps its old contents.");
        return false;
    }
    saveFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void TOutputForm::SaveButtonClick() {
    const QString rtf = tr("Rich Text Format (*.rtf)");
    const QString txt = tr("Plain Text File (*.txt)");
    QString folder = saveFolder_;
    if (folder.isEmpty() && !ws_.table.DataFilename.empty())
        folder = QFileInfo(ToDisplayText(ws_.table.DataFilename)).absolutePath();
    QFileDialog dialog(this, tr("Save As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({rtf, txt});
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    // A name typed without an extension takes the one of the chosen file type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, txt](const QString& filter) {
        dialog.setDefaultSuffix(filter == txt ? QStringLiteral("txt") : QStringLiteral("rtf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveToFile(dialog.selectedFiles().constFirst());
}

std::string TOutputForm::PrintTitle() const { return "Vostrel - " + ws_.table.DataFilename; }

void TOutputForm::PrintButtonClick() {
    PrintReport(this, ws_.report, view_->Content(), ws_.ui, PrintTitle());
}

void TOutputForm::PrintPreviewClick() {
    PreviewReport(this, ws_.report, view_->Content(), ws_.ui, PrintTitle());
}

// Both report sizes and every size in the report move by one point, with the user's edits.
void TOutputForm::FontSizeClick(int step) {
    BusyCursor busy(ws_.ui);
    view_->TakeUserEdits();
    if (ws_.report.StepReportFontSize(ws_.report.output, step)) view_->Rebuild();
}

void TOutputForm::ReturnToCaller() {
    if (caller_.isNull()) return;
    if (caller_->isMinimized()) caller_->showNormal();
    caller_->show();
    caller_->raise();
    caller_->activateWindow();
}

void TOutputForm::EditCommand(const QString& itemName) {
    ReportEditCommand(itemName, ui_->RichEdit);
}

// Undo when the report can undo, Paste when the clipboard holds text, Copy and Cut when
// something is selected.
void TOutputForm::EditClick() {
    for (QAction* action : {ui_->Undo1, ui_->Cut1, ui_->Copy1, ui_->Paste1}) {
        action->setEnabled(ReportEditCommandEnabled(action->objectName(), ui_->RichEdit));
    }
    ui_->ToolButton_Copy->setEnabled(ui_->Copy1->isEnabled());
    ui_->ToolButton_Paste->setEnabled(ui_->Paste1->isEnabled());
}

}  // namespace vostrel::app
