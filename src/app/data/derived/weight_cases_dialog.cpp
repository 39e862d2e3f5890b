#include "app/data/derived/weight_cases_dialog.h"

#include <QPushButton>

#include "app/data/derived/variable_list_view.h"
#include "app/common/display_text.h"
#include "engine/derived/weight_cases.h"
#include "engine/workspace.h"
#include "ui_weight_cases_dialog.h"

namespace vostrel::app {

TForm_WeightCases::TForm_WeightCases(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(new Ui::TForm_WeightCases) {
    ui_->setupUi(this);
    connect(ui_->Button_Select, &QToolButton::clicked, this,
            &TForm_WeightCases::Button_SelectClick);
    connect(ui_->DataVarList, &QListWidget::itemDoubleClicked, ui_->Button_Select,
            &QToolButton::click);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TForm_WeightCases::OKBtnClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    picker_.Fill(ws_.table);
    Show();
    ui_->DataVarList->setCurrentRow(0);
}

TForm_WeightCases::~TForm_WeightCases() { delete ui_; }

void TForm_WeightCases::Show() {
    ShowVariableList(ui_->DataVarList, picker_.DataVarList);
    ui_->Edit_Weight->setText(ToDisplayText(picker_.WeightName()));
    ui_->Button_Select->setText(ToDisplayText(picker_.ButtonText()));
    ui_->OKBtn->setEnabled(picker_.OkEnabled());
}

void TForm_WeightCases::Button_SelectClick() {
    if (!picker_.ToggleSelect(SelectedRows(ui_->DataVarList))) {
        ws_.ui.Beep();
        return;
    }
    Show();
}

void TForm_WeightCases::OKBtnClick() {
    // No to the row count keeps the dialog open and the table as it was.
    if (WeightCases(ws_, picker_.WeightColumn()) == DeriveResult::Added) accept();
}

}  // namespace vostrel::app
