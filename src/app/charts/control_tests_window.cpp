#include "app/charts/control_tests_window.h"

#include <QMessageBox>

#include "app/common/graph_services/graph_help.h"
#include "engine/workspace.h"
#include "ui_control_tests_window.h"

namespace vostrel::app {

namespace {

// The spin edits in the order the dialog numbers them.
constexpr int SpinEdits[] = {2, 3, 4, 5, 6, 7, 8, 17, 18};

}  // namespace

TForm_ControlTests::TForm_ControlTests(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(new Ui::TForm_ControlTests), model_(ws.chart.TestSettings) {
    ui_->setupUi(this);
    for (int test = 1; test <= ControlTestCount; ++test) {
        connect(StdBox(test), &QCheckBox::toggled, this, [this, test](bool on) {
            if (!showing_) model_.SetStdChecked(test, on);
        });
        if (test > ControlTestsDialogModel::MRTestsOffered) continue;
        connect(MRBox(test), &QCheckBox::toggled, this, [this, test](bool on) {
            if (!showing_) model_.SetMRChecked(test, on);
        });
    }
    for (int spinEdit : SpinEdits) {
        QSpinBox* spin = Spin(spinEdit);
        const SpinRange range = TestSpinRange(spinEdit);
        spin->setRange(range.Min, range.Max);
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, spinEdit](int value) {
            if (showing_) return;
            model_.SetSpinValue(spinEdit, value);
            ShowModel();  // M and N of a zone rule stay ordered
        });
    }
    connect(ui_->BitBtn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BitBtn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->BitBtn_Save, &QPushButton::clicked, this, &TForm_ControlTests::SaveAsDefault);
    connect(ui_->BitBtn_Restore, &QPushButton::clicked, this, &TForm_ControlTests::RestoreDefault);
    BindHelpCommand(*this, ui_->BitBtn_Help, kControlTestsTopic);
    ShowModel();
}

TForm_ControlTests::~TForm_ControlTests() { delete ui_; }

QCheckBox* TForm_ControlTests::StdBox(int test) const {
    return findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(test));
}

QCheckBox* TForm_ControlTests::MRBox(int test) const {
    return findChild<QCheckBox*>(QStringLiteral("CheckBox1%1").arg(test));
}

QSpinBox* TForm_ControlTests::Spin(int spinEdit) const {
    return findChild<QSpinBox*>(QStringLiteral("SpinEdit%1").arg(spinEdit));
}

void TForm_ControlTests::ShowModel() {
    showing_ = true;
    for (int test = 1; test <= ControlTestCount; ++test) {
        StdBox(test)->setChecked(model_.StdChecked(test));
        if (test <= ControlTestsDialogModel::MRTestsOffered) {
            MRBox(test)->setChecked(model_.MRChecked(test));
        }
    }
    for (int spinEdit : SpinEdits) Spin(spinEdit)->setValue(model_.SpinValue(spinEdit));
    showing_ = false;
}

void TForm_ControlTests::accept() {
    model_.Accept(ws_.chart.TestSettings);
    QDialog::accept();
}

void TForm_ControlTests::SaveAsDefault() {
    if (!model_.SaveAsDefault(ws_.chart.TestSettings, ws_.settings)) {
        ws_.ui.ErrorBox("The settings could not be saved.");
        return;
    }
    ws_.ui.Beep();
    QMessageBox::information(
        this, windowTitle(),
        QString::fromLatin1(SettingsSavedMessage.data(), SettingsSavedMessage.size()));
}

void TForm_ControlTests::RestoreDefault() {
    model_.RestoreDefault(ws_.chart.TestSettings, ws_.settings);
    ShowModel();
}

void ShowControlTestsDialog(Workspace& ws, QWidget* parent) {
    TForm_ControlTests dialog(ws, parent);
    dialog.exec();
}

}  // namespace vostrel::app
