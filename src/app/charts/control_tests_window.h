#pragma once
// "Tests for Statistical Control": which tests run on the standard and the moving range
// charts and their run lengths, with the stored defaults. The rules are the engine's
// ControlTestsDialogModel; the dialog shows and forwards.

#include <QDialog>

#include "engine/control_charts/control_tests_dialog.h"

class QCheckBox;
class QSpinBox;

namespace Ui {
class TForm_ControlTests;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TForm_ControlTests : public QDialog {
    Q_OBJECT
  public:
    TForm_ControlTests(Workspace& ws, QWidget* parent = nullptr);
    ~TForm_ControlTests() override;

    void accept() override;

  private:
    QCheckBox* StdBox(int test) const;
    QCheckBox* MRBox(int test) const;  // tests 1..8
    QSpinBox* Spin(int spinEdit) const;
    void ShowModel();
    void SaveAsDefault();
    void RestoreDefault();

    Workspace& ws_;
    Ui::TForm_ControlTests* ui_;
    ControlTestsDialogModel model_;
    bool showing_ = false;
};

// Shows the dialog modally over the current settings.
void ShowControlTestsDialog(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
