#include "app/data/derived/bkb_dialogs.h"

#include <QPushButton>

#include "app/common/display_text.h"
#include "engine/derived/bartlett_kendall.h"
#include "ui_get_subgroups_dialog.h"
#include "ui_min_var_dialog.h"

namespace vostrel::app {

TGetSubgroups_Form::TGetSubgroups_Form(const SubgroupsQuestion& question, QWidget* parent)
    : QDialog(parent), ui_(new Ui::TGetSubgroups_Form) {
    ui_->setupUi(this);
    ui_->Label_Average->setText(ToDisplayText(question.AverageText));
    ui_->Label_Minimum->setText(ToDisplayText(question.MinimumText));
    ui_->Label_Maximum->setText(ToDisplayText(question.MaximumText));
    ui_->SpinEdit1->setRange(1, question.Largest);
    ui_->SpinEdit1->setValue(question.Proposed);
    connect(ui_->SpinEdit1, &QSpinBox::valueChanged, this, &TGetSubgroups_Form::UpdateOk);
    connect(ui_->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateOk();
}

TGetSubgroups_Form::~TGetSubgroups_Form() { delete ui_; }

int TGetSubgroups_Form::Subgroups() const { return ui_->SpinEdit1->value(); }

void TGetSubgroups_Form::UpdateOk() { ui_->Button_OK->setEnabled(ui_->SpinEdit1->value() != 0); }

TMinVar_Form::TMinVar_Form(const QString& label, QWidget* parent)
    : QDialog(parent), ui_(new Ui::TMinVar_Form) {
    ui_->setupUi(this);
    ui_->Label_Run->setText(label);
    connect(ui_->Edit_MinRange, &QLineEdit::textChanged, this, &TMinVar_Form::UpdateOk);
    connect(ui_->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateOk();
}

TMinVar_Form::~TMinVar_Form() { delete ui_; }

double TMinVar_Form::MinimumRange() const {
    return ReadMinimumRange(FromDisplayText(ui_->Edit_MinRange->text())).value_or(0);
}

void TMinVar_Form::UpdateOk() {
    ui_->Button_OK->setEnabled(
        ReadMinimumRange(FromDisplayText(ui_->Edit_MinRange->text())).has_value());
}

std::optional<int> BkbQuestions::AskSubgroupsPerRun(const SubgroupsQuestion& question) {
    TGetSubgroups_Form dialog(question, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Subgroups();
}

std::optional<double> BkbQuestions::AskMinimumRange(const std::string& label) {
    TMinVar_Form dialog(ToDisplayText(label), parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.MinimumRange();
}

}  // namespace vostrel::app
