#pragma once
// "Missing Values": up to two relations ("X = 99", "X < 0" ...) that make a value count as
// missing in every analysis.

#include <QDialog>

#include <memory>

class QButtonGroup;

namespace Ui {
class TMissingForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TMissingForm : public QDialog {
    Q_OBJECT
  public:
    // The controls show the current rules.
    explicit TMissingForm(Workspace& ws, QWidget* parent = nullptr);
    ~TMissingForm() override;

  private:
    void RelationClick();
    void OKClick();

    Workspace& ws_;
    std::unique_ptr<Ui::TMissingForm> ui_;
    QButtonGroup* relation1_ = nullptr;
    QButtonGroup* relation2_ = nullptr;
};

// Opens the dialog modally; true when the rules were changed with OK.
bool ExecMissingValuesDialog(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
