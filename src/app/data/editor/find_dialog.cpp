#include "app/data/editor/find_dialog.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "app/data/editor/grid_view.h"
#include "app/common/display_text.h"
#include "engine/data/case_rules.h"
#include "engine/workspace.h"
#include "ui_find_dialog.h"

namespace vostrel::app {

namespace {

// The relation radio buttons "<group>_0" ("none") .. "<group>_5" ("<="), by relation code.
QButtonGroup* GroupOf(QWidget* box, QObject* owner) {
    auto* group = new QButtonGroup(owner);
    for (int id = 0; id <= 5; ++id)
        group->addButton(box->findChild<QRadioButton*>(box->objectName() + QLatin1Char('_') +
                                                       QString::number(id)),
                         id);
    return group;
}

}  // namespace

TForm_Find::TForm_Find(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(std::make_unique<Ui::TForm_Find>()) {
    ui_->setupUi(this);
    setModal(false);
    relation1_ = GroupOf(ui_->RadioGroup_Relation1, this);
    relation2_ = GroupOf(ui_->RadioGroup_Relation2, this);
    for (QButtonGroup* group : {relation1_, relation2_})
        connect(group, &QButtonGroup::idClicked, this, &TForm_Find::UpdateControls);
    connect(ui_->CheckBox_Replace, &QCheckBox::toggled, this, &TForm_Find::UpdateControls);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &TForm_Find::OKBtnClick);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::hide);
    connect(ui_->HelpBtn, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });
    UpdateControls();
}

TForm_Find::~TForm_Find() = default;

void TForm_Find::UpdateControls() {
    const int r1 = relation1_->checkedId();
    const int r2 = relation2_->checkedId();
    ui_->Label_Relation1->setText(r1 > 0 ? QString::fromStdString(RelationText(r1)) : QString());
    ui_->Label_Relation2->setText(r2 > 0 ? QString::fromStdString(RelationText(r2)) : QString());
    ui_->Edit_F1->setVisible(r1 > 0);
    ui_->Edit_F2->setVisible(r2 > 0);
    ui_->Label_X1->setVisible(r1 > 0);
    ui_->Label_X2->setVisible(r2 > 0);
    const bool replace = ui_->CheckBox_Replace->isChecked();
    ui_->Edit_Replace->setVisible(replace);
    ui_->CheckBox_RA->setVisible(replace);
    ui_->OKBtn->setText(replace ? tr("&Replace") : tr("&Find"));
    setWindowTitle(replace ? tr("Find and Replace") : tr("Find"));
    ui_->OKBtn->setEnabled(FindOkEnabled(r1, r2));
}

void TForm_Find::showEvent(QShowEvent* event) {
    if (grid_) ui_->CheckBox_Selection->setChecked(grid_->SelectionRect().MoreThanOneCell());
    QDialog::showEvent(event);
}

FindRequest TForm_Find::Request() const {
    FindRequest request;
    const int r1 = relation1_->checkedId();
    const int r2 = relation2_->checkedId();
    request.First = {r1, r1 > 0 ? FromDisplayText(ui_->Edit_F1->text()) : std::string()};
    request.Second = {r2, r2 > 0 ? FromDisplayText(ui_->Edit_F2->text()) : std::string()};
    request.SelectionOnly = ui_->CheckBox_Selection->isChecked();
    if (grid_) {
        request.Selection = grid_->SelectionRect();
        request.Current = CellPos{grid_->CurrentCol(), grid_->CurrentRow()};
    }
    return request;
}

void TForm_Find::OKBtnClick() {
    if (!grid_) return;
    const FindRequest request = Request();
    const std::string replacement = FromDisplayText(ui_->Edit_Replace->text());
    FindOutcome outcome;
    if (!ui_->CheckBox_Replace->isChecked())
        outcome = FindNext(ws_, request);
    else if (ui_->CheckBox_RA->isChecked())
        outcome = ReplaceAll(ws_, request, replacement);
    else
        outcome = ReplaceNext(ws_, request, replacement);
    if (!outcome.Found) {
        if (!request.First.Value.empty() || !request.Second.Value.empty())
            ws_.ui.Warning(FromDisplayText(windowTitle()) + " Not Found");
        return;
    }
    grid_->SetCurrentCell(outcome.Cell.Col, outcome.Cell.Row);
}

}  // namespace vostrel::app
