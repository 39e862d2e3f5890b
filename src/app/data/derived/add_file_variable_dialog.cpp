#include "app/data/derived/add_file_variable_dialog.h"

#include <QPushButton>

#include "app/data/derived/derived_windows.h"
#include "app/data/derived/variable_list_view.h"
#include "app/common/display_text.h"
#include "app/common/help.h"
#include "engine/derived/run_numbers.h"
#include "engine/workspace.h"
#include "ui_add_file_variable_dialog.h"

namespace vostrel::app {

TAddFileVariable::TAddFileVariable(Workspace& ws, PickPurpose purpose, QWidget* parent)
    : QDialog(parent), ws_(ws), purpose_(purpose), ui_(new Ui::TAddFileVariable) {
    ui_->setupUi(this);
    const PickerTexts texts = PickerTextsFor(purpose);
    setWindowTitle(ToDisplayText(texts.Caption));
    QString title = ToDisplayText(texts.Title);
    title.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ui_->Label_Title->setText(title);
    ui_->Label_DstList->setText(QStringLiteral("&") + ToDisplayText(texts.RightListLabel));
    connect(ui_->HelpBtn, &QPushButton::clicked, this,
            [this] { OpenHelpTopic(kDerivedVariablesHelpTopic, this); });

    connect(ui_->SpeedButton_Include, &QToolButton::clicked, this,
            [this] { Show(picker_.Include(SelectedRows(ui_->SrcList)), -1); });
    connect(ui_->SpeedButton_IncludeAll, &QToolButton::clicked, this,
            [this] { Show(picker_.IncludeAll(), -1); });
    connect(ui_->SpeedButton_Exclude, &QToolButton::clicked, this,
            [this] { Show(-1, picker_.Exclude(SelectedRows(ui_->DstList))); });
    connect(ui_->SpeedButton_ExcludeAll, &QToolButton::clicked, this,
            [this] { Show(-1, picker_.ExcludeAll()); });
    connect(ui_->SrcList, &QListWidget::itemDoubleClicked, ui_->SpeedButton_Include,
            &QToolButton::click);
    connect(ui_->DstList, &QListWidget::itemDoubleClicked, ui_->SpeedButton_Exclude,
            &QToolButton::click);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TAddFileVariable::OKBtnClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    picker_.Fill(ws_.table);
    Show(0, -1);
}

TAddFileVariable::~TAddFileVariable() { delete ui_; }

void TAddFileVariable::Show(int srcCurrent, int dstCurrent) {
    ShowVariableList(ui_->SrcList, picker_.SrcList, srcCurrent);
    ShowVariableList(ui_->DstList, picker_.DstList, dstCurrent);
    ui_->OKBtn->setEnabled(picker_.OkEnabled());
}

void TAddFileVariable::OKBtnClick() {
    const std::vector<int> columns = picker_.DstList.Columns();
    const DeriveResult result = purpose_ == PickPurpose::AutoRecode
                                    ? AutoRecode(ws_, columns)
                                    : GenerateRunNumbers(ws_, columns);
    if (result == DeriveResult::Added) accept();
}

}  // namespace vostrel::app
