#include "app/main_window/var_input_form.h"

#include "app/common/display_text.h"
#include "app/common/help_button.h"
#include "app/common/key_filter_binding.h"
#include "engine/analysis/analysis_settings.h"
#include "engine/workspace.h"
#include "ui_var_input_form.h"

namespace vostrel::app {

TVarInputForm::TVarInputForm(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(std::make_unique<Ui::TVarInputForm>()) {
    ui_->setupUi(this);
    // A standard deviation is never negative: the minus sign is refused in every box.
    for (QLineEdit* edit : {ui_->Edit_Meas, ui_->Edit_Stream, ui_->Edit_Potential})
        BindKeyFilter(edit, KeyFilterKind::UnsignedReal);
    for (QCheckBox* box :
         {ui_->CheckBox1_WantMeas, ui_->CheckBox2_WantStream, ui_->CheckBox3_WantPotential})
        connect(box, &QCheckBox::toggled, this, &TVarInputForm::UpdateVisibility);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TVarInputForm::OKClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    BindHelpButton(ui_->HelpBtn, kUserSetTopic);
    ShowSettings();
}

TVarInputForm::~TVarInputForm() = default;

TVarInputForm::Shown TVarInputForm::SettingsNow() const {
    const AnalysisSettings& s = ws_.analysis.Settings;
    Shown now;
    const UserSetSD* boxes[] = {&s.Measurement, &s.Stream, &s.Potential};
    for (int i = 0; i < 3; ++i) {
        now.text[i] = boxes[i]->Text;
        now.checked[i] = boxes[i]->Checked;
    }
    return now;
}

void TVarInputForm::ShowSettings() {
    shown_ = SettingsNow();
    QCheckBox* checks[] = {ui_->CheckBox1_WantMeas, ui_->CheckBox2_WantStream,
                           ui_->CheckBox3_WantPotential};
    QLineEdit* edits[] = {ui_->Edit_Meas, ui_->Edit_Stream, ui_->Edit_Potential};
    for (int i = 0; i < 3; ++i) {
        checks[i]->setChecked(shown_.checked[i]);
        edits[i]->setText(ToDisplayText(shown_.text[i]));
    }
    UpdateVisibility();
}

// Cancel keeps what was typed, unless the settings were replaced since.
void TVarInputForm::showEvent(QShowEvent* event) {
    if (SettingsNow() != shown_) ShowSettings();
    QDialog::showEvent(event);
}

void TVarInputForm::UpdateVisibility() {
    const struct {
        QCheckBox* check;
        QLineEdit* edit;
        QLabel* none;
    } rows[] = {{ui_->CheckBox1_WantMeas, ui_->Edit_Meas, ui_->Label_MeasNone},
                {ui_->CheckBox2_WantStream, ui_->Edit_Stream, ui_->Label_StreamNone},
                {ui_->CheckBox3_WantPotential, ui_->Edit_Potential, ui_->Label_PotentialNone}};
    for (const auto& row : rows) {
        row.edit->setVisible(row.check->isChecked());
        row.none->setVisible(!row.check->isChecked());
    }
}

void TVarInputForm::OKClick() {
    UserSetDialogInput input;
    input.WantMeasurement = ui_->CheckBox1_WantMeas->isChecked();
    input.WantStream = ui_->CheckBox2_WantStream->isChecked();
    input.WantPotential = ui_->CheckBox3_WantPotential->isChecked();
    input.MeasurementText = FromDisplayText(ui_->Edit_Meas->text());
    input.StreamText = FromDisplayText(ui_->Edit_Stream->text());
    input.PotentialText = FromDisplayText(ui_->Edit_Potential->text());
    if (!ws_.analysis.Settings.AcceptUserSetDialog(input, ws_.ui)) return;  // the dialog stays
    shown_ = SettingsNow();
    accept();
}

}  // namespace vostrel::app
