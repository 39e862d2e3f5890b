#include "app/data/rules/transform_dialog.h"

#include <QButtonGroup>

#include <vector>

#include "app/common/display_text.h"
#include "app/common/help_button.h"
#include "app/common/key_filter_binding.h"
#include "app/common/radio_group.h"
#include "engine/workspace.h"
#include "ui_transform_dialog.h"

namespace vostrel::app {

TTransformForm::TTransformForm(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(std::make_unique<Ui::TTransformForm>()), backup_(ws.transform) {
    ui_->setupUi(this);
    kinds_ = GroupRadioButtons(ui_->RadioGroup1);
    for (QLineEdit* edit : {ui_->Edit1, ui_->Edit2, ui_->Edit3})
        BindKeyFilter(edit, KeyFilterKind::SignedReal);
    BindHelpButton(ui_->HelpBtn, kTransformTopic);
    ShowRecord(ws_.transform);
    ShowColumns();

    connect(kinds_, &QButtonGroup::idClicked, this, &TTransformForm::Changed);
    for (QLineEdit* edit : {ui_->Edit1, ui_->Edit2, ui_->Edit3})
        connect(edit, &QLineEdit::textChanged, this, &TTransformForm::Changed);
    connect(ui_->CheckBox_NormFirst, &QCheckBox::toggled, this, &TTransformForm::Changed);
    connect(ui_->RadioButton_Add, &QRadioButton::toggled, this, &TTransformForm::AddModClick);
    connect(ui_->AddButton, &QPushButton::clicked, this, &TTransformForm::AddButtonClick);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TTransformForm::OKClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &TTransformForm::reject);
}

TTransformForm::~TTransformForm() = default;

void TTransformForm::ShowRecord(const TransformRec& t) {
    showing_ = true;
    if (QAbstractButton* kind = kinds_->button(t.no)) kind->setChecked(true);
    ui_->Edit1->setText(ToDisplayText(t.astr));
    ui_->Edit2->setText(ToDisplayText(t.Bstr));
    ui_->Edit3->setText(ToDisplayText(t.Cstr));
    ui_->CheckBox_NormFirst->setChecked(t.NORMFirst);
    showing_ = false;
    Changed();
}

// The data columns, to tick the ones to transform.
void TTransformForm::ShowColumns() {
    ui_->CheckListBox->clear();
    if (!ws_.table.HaveData()) return;
    for (int c = 1; c <= ws_.table.MaxCol(); ++c) {
        auto* item = new QListWidgetItem(ToDisplayText(ws_.table.ColumnName(c)), ui_->CheckListBox);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, c);
    }
}

void TTransformForm::Changed() {
    if (showing_) return;
    const int no = std::max(kinds_->checkedId(), 0);
    const std::string a = FromDisplayText(ui_->Edit1->text());
    const std::string b = FromDisplayText(ui_->Edit2->text());
    const std::string c = FromDisplayText(ui_->Edit3->text());
    ui_->GroupBox1->setVisible(TransformConstantsVisible(no));
    ui_->Edit3->setVisible(TransformCVisible(no));
    ui_->Label_C->setVisible(TransformCVisible(no));
    ui_->CheckBox_NormFirst->setEnabled(TransformNormFirstEnabled(no));
    AcceptTransformDialog(ws_.transform, no, a, b, c, ui_->CheckBox_NormFirst->isChecked());
    const bool ok = TransformOkEnabled(no, a, b, c);
    ui_->OKBtn->setEnabled(ok);
    ui_->AddButton->setEnabled(ok && no != 0);
    QString label = QStringLiteral("Transform: ") + ToDisplayText(TransformText(ws_.transform));
    if (!ok) label += QStringLiteral("\nEvery constant must be a number.");
    ui_->Label_Transform->setText(label);
}

void TTransformForm::AddModClick() {
    ui_->AddButton->setText(ui_->RadioButton_Add->isChecked() ? QStringLiteral("&Add")
                                                              : QStringLiteral("&Modify"));
}

void TTransformForm::AddButtonClick() {
    if (!ws_.transform.On()) return;
    std::vector<int> columns;
    for (int row = 0; row < ui_->CheckListBox->count(); ++row) {
        const QListWidgetItem* item = ui_->CheckListBox->item(row);
        if (item->checkState() == Qt::Checked) columns.push_back(item->data(Qt::UserRole).toInt());
    }
    TransformColumns(ws_, columns, ui_->RadioButton_Add->isChecked(),
                     ui_->CheckBox_TurnOff->isChecked());
    ShowRecord(ws_.transform);
    ShowColumns();
}

void TTransformForm::OKClick() {
    Changed();
    accept();
}

void TTransformForm::reject() {
    ws_.transform = backup_;
    QDialog::reject();
}

bool ExecTransformDialog(Workspace& ws, QWidget* parent) {
    TTransformForm dialog(ws, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vostrel::app
