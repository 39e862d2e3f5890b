#include "app/data/rules/process_if_dialog.h"

#include <QApplication>

#include "app/common/display_text.h"
#include "app/common/help_button.h"
#include "app/common/key_filter_binding.h"
#include "app/common/variable_list_box.h"
#include "engine/data/case_rules.h"
#include "engine/helpers/column_code.h"
#include "engine/workspace.h"
#include "ui_process_if_dialog.h"

namespace vostrel::app {

namespace {
constexpr int kAll = 0;
bool IsListRelation(int sign) { return sign == 7 || sign == 8; }
}  // namespace

TProcessIFForm::TProcessIFForm(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(std::make_unique<Ui::TProcessIFForm>()) {
    ui_->setupUi(this);
    BindHelpButton(ui_->HelpBtn, kProcessIfTopic);
    condition1_ = {ui_->Button1, ui_->Edit_Pi1, ui_->ComboBox1, ui_->Edit_PIvalue1, 0};
    condition2_ = {ui_->Button2, ui_->Edit_Pi2, ui_->ComboBox2, ui_->Edit_PIvalue2, 0};

    std::vector<std::string> items;
    if (ws_.table.HaveData())
        for (int c = 1; c <= ws_.table.MaxCol(); ++c)
            items.push_back(ColumnItem(c, ws_.table.ColumnName(c)));
    ShowVariableItems(ui_->DataVarList, items);
    SelectOnlyRow(ui_->DataVarList, 0);

    const ProcessIfRec& p = ws_.rules.ProcessIf;
    ShowCondition(condition1_, p.Condition1);
    ShowCondition(condition2_, p.Condition2);
    (p.AndOr == 1 ? ui_->RadioButton_Or : ui_->RadioButton_And)->setChecked(true);

    for (ConditionControls* c : {&condition1_, &condition2_}) {
        connect(c->button, &QToolButton::clicked, this, [this, c] { VariableButtonClick(*c); });
        connect(c->relation, &QComboBox::currentIndexChanged, this,
                [this, c] { RelationChange(*c); });
    }
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TProcessIFForm::ResetClick);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TProcessIFForm::OKClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TProcessIFForm::~TProcessIFForm() = default;

void TProcessIFForm::ShowCondition(ConditionControls& c, const ProcessIfCondition& condition) {
    // A condition on a column the table no longer has shows no variable.
    const bool known = condition.PiIndex >= 1 && condition.PiIndex <= ws_.table.MaxCol();
    SetVariable(c, known ? condition.PiIndex : 0);
    if (known) c.variable->setText(ToDisplayText(condition.Xstr));
    const bool validSign = condition.Sign >= 0 && condition.Sign < c.relation->count();
    c.relation->setCurrentIndex(validSign ? condition.Sign : kAll);
    c.value->setText(ToDisplayText(ProcessIfDialogValueText(condition)));
    RelationChange(c);
}

void TProcessIFForm::SetVariable(ConditionControls& c, int column) {
    c.column = column;
    c.variable->setText(column > 0 ? ToDisplayText(ws_.table.ColumnName(column)) : QString());
    c.button->setText(column > 0 ? QStringLiteral("<") : QStringLiteral(">"));
}

// ">" takes the first selected variable; "<" empties the box again.
void TProcessIFForm::VariableButtonClick(ConditionControls& c) {
    if (c.column > 0) {
        SetVariable(c, 0);
        return;
    }
    const int row = FirstSelectedRow(ui_->DataVarList);
    if (row < 0) {
        ws_.ui.Beep();
        return;
    }
    SetVariable(c, DecodeColumnCode(VariableItemAt(ui_->DataVarList, row)));
}

// The value box shows unless the relation is "All"; a list takes only list characters.
void TProcessIFForm::RelationChange(ConditionControls& c) {
    const int sign = c.relation->currentIndex();
    c.value->setVisible(sign != kAll);
    BindKeyFilter(c.value,
                  IsListRelation(sign) ? KeyFilterKind::NumberList : KeyFilterKind::SignedReal);
}

void TProcessIFForm::ResetClick() {
    for (ConditionControls* c : {&condition1_, &condition2_}) {
        SetVariable(*c, 0);
        c->relation->setCurrentIndex(kAll);
        c->value->setText(QStringLiteral("0"));
        RelationChange(*c);
    }
    ui_->RadioButton_And->setChecked(true);
}

void TProcessIFForm::OKClick() {
    ProcessIfDialogInput input;
    auto take = [](const ConditionControls& c, ProcessIfDialogCondition& in) {
        in.Column = c.column;
        in.Name = FromDisplayText(c.variable->text());
        in.Sign = c.relation->currentIndex();
        in.ValueText = FromDisplayText(c.value->text());
    };
    take(condition1_, input.Condition1);
    take(condition2_, input.Condition2);
    input.AndOr = ui_->RadioButton_Or->isChecked() ? 1 : 0;
    const std::string problem = ProcessIfDialogProblem(input);
    if (!problem.empty()) {
        ws_.ui.ErrorBox(problem);
        return;
    }
    ApplyProcessIfDialog(ws_.rules, input, ws_.ui, ws_.blankCommas);
    ++ws_.table.LayoutGeneration;  // windows that show rows rebuild them
    accept();
}

bool ExecProcessIfDialog(Workspace& ws, QWidget* parent) {
    TProcessIFForm dialog(ws, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vostrel::app
