#include "app/data/rules/missing_values_dialog.h"

#include <QButtonGroup>

#include "app/common/display_text.h"
#include "app/common/help_button.h"
#include "app/common/key_filter_binding.h"
#include "app/common/radio_group.h"
#include "engine/data/case_rules.h"
#include "engine/workspace.h"
#include "ui_missing_values_dialog.h"

namespace vostrel::app {

TMissingForm::TMissingForm(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(std::make_unique<Ui::TMissingForm>()) {
    ui_->setupUi(this);
    relation1_ = GroupRadioButtons(ui_->RadioGroup_Relation1);
    relation2_ = GroupRadioButtons(ui_->RadioGroup_Relation2);
    BindKeyFilter(ui_->Edit_Missing1, KeyFilterKind::SignedReal);
    BindKeyFilter(ui_->Edit_Missing2, KeyFilterKind::SignedReal);
    BindHelpButton(ui_->HelpBtn, kMissingValuesTopic);

    const MissingRec& m = ws_.rules.Missing;
    for (auto [group, sign] : {std::pair{relation1_, m.Sign1}, std::pair{relation2_, m.Sign2}})
        if (QAbstractButton* button = group->button(sign)) button->setChecked(true);
    ui_->Edit_Missing1->setText(ToDisplayText(m.Xstr1));
    ui_->Edit_Missing2->setText(ToDisplayText(m.Xstr2));
    RelationClick();

    connect(relation1_, &QButtonGroup::idClicked, this, &TMissingForm::RelationClick);
    connect(relation2_, &QButtonGroup::idClicked, this, &TMissingForm::RelationClick);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TMissingForm::OKClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TMissingForm::~TMissingForm() = default;

// The relation shows beside "X"; the value box only while a relation is chosen.
void TMissingForm::RelationClick() {
    const int sign1 = relation1_->checkedId();
    const int sign2 = relation2_->checkedId();
    ui_->Label_Relation1->setText(ToDisplayText(RelationText(sign1)));
    ui_->Label_Relation2->setText(ToDisplayText(RelationText(sign2)));
    ui_->Edit_Missing1->setVisible(sign1 != 0);
    ui_->Edit_Missing2->setVisible(sign2 != 0);
}

void TMissingForm::OKClick() {
    MissingDialogInput input;
    input.Sign1 = relation1_->checkedId();
    input.Sign2 = relation2_->checkedId();
    input.Text1 = FromDisplayText(ui_->Edit_Missing1->text());
    input.Text2 = FromDisplayText(ui_->Edit_Missing2->text());
    const std::string problem = MissingDialogProblem(input);
    if (!problem.empty()) {
        ws_.ui.ErrorBox(problem);
        return;
    }
    ApplyMissingDialog(ws_.rules, input);
    accept();
}

bool ExecMissingValuesDialog(Workspace& ws, QWidget* parent) {
    TMissingForm dialog(ws, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vostrel::app
