#pragma once
// "Process If...": up to two conditions on the data's variables ("Line = 2",
// "Machine in [1,3]") joined by And or Or; only the cases that meet them are analysed.

#include <QDialog>

#include <memory>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace Ui {
class TProcessIFForm;
}

namespace vostrel {
class Workspace;
struct ProcessIfCondition;
}  // namespace vostrel

namespace vostrel::app {

class TProcessIFForm : public QDialog {
    Q_OBJECT
  public:
    // The controls show the current conditions.
    explicit TProcessIFForm(Workspace& ws, QWidget* parent = nullptr);
    ~TProcessIFForm() override;

  private:
    // The controls of one condition and the column it tests (0 for none).
    struct ConditionControls {
        QToolButton* button;
        QLineEdit* variable;
        QComboBox* relation;
        QLineEdit* value;
        int column = 0;
    };

    void ShowCondition(ConditionControls& c, const ProcessIfCondition& condition);
    void SetVariable(ConditionControls& c, int column);
    void VariableButtonClick(ConditionControls& c);
    void RelationChange(ConditionControls& c);
    void ResetClick();
    void OKClick();

    Workspace& ws_;
    std::unique_ptr<Ui::TProcessIFForm> ui_;
    ConditionControls condition1_{}, condition2_{};
};

// Opens the dialog modally; true when the conditions were changed with OK.
bool ExecProcessIfDialog(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
