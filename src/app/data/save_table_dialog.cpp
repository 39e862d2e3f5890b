#include "app/data/save_table_dialog.h"

#include <QFileDialog>

#include "app/common/display_text.h"
#include "app/common/help_button.h"
#include "engine/helpers/file_checks.h"
#include "engine/workspace.h"
#include "ui_configure_save_dialog.h"

namespace vostrel::app {

namespace {
const QString kSaveFilter = QStringLiteral(
    "Data Files (*.zqx *.zqxs *.dat);;ZQXstats Data Files (*.zqx);;ZQXspc Data Files (*.zqxs);;"
    "Data Files (*.dat);;Text Files (*.txt);;All Files (*)");
}

TConfigSave_Form::TConfigSave_Form(const SaveOptions& options, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TConfigSave_Form>()) {
    ui_->setupUi(this);
    const struct {
        QCheckBox* box;
        bool applies;
    } boxes[] = {{ui_->CheckBox_Selection, options.SelectionEnabled},
                 {ui_->CheckBox_VarNames, options.VarNamesEnabled},
                 {ui_->CheckBox_Desc, options.DescriptionsEnabled}};
    for (const auto& b : boxes) {
        b.box->setEnabled(b.applies);
        b.box->setChecked(b.applies);
    }
    BindHelpButton(ui_->HelpBtn, kConfigureSaveTopic);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TConfigSave_Form::~TConfigSave_Form() = default;

SaveChoices TConfigSave_Form::Choices() const {
    SaveChoices choices;
    choices.WantSelection = ui_->CheckBox_Selection->isChecked();
    choices.WantVarNames = ui_->CheckBox_VarNames->isChecked();
    choices.WantDescriptions = ui_->CheckBox_Desc->isChecked();
    return choices;
}

bool SaveTableAs(Workspace& ws, QWidget* parent) {
    const SaveOptions options = PrepareSaveOptions(ws.table);
    SaveChoices choices;
    if (options.ShowDialog()) {
        TConfigSave_Form configure(options, parent);
        if (configure.exec() != QDialog::Accepted) return false;
        choices = configure.Choices();
    }
    const std::string start =
        ws.table.DataFilename.empty() ? ws.mru.LastPath() : ws.table.DataFilename;
    QFileDialog dialog(parent, QStringLiteral("Save Data As"), ToDisplayText(start), kSaveFilter);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("zqx"));
    while (true) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        const std::string path =
            WithDefaultExtension(FromDisplayText(dialog.selectedFiles().front()), "zqx");
        const std::string problem = DataFileNameProblem(path);
        if (problem.empty())
            return SaveFile(ws, path, choices.WantVarNames, choices.WantDescriptions,
                            choices.WantSelection);
        ws.ui.ErrorBox(problem);
    }
}

}  // namespace vostrel::app
