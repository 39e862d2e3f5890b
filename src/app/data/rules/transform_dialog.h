#pragma once
// "Transform": the equation Y = f(X) applied to every value an analysis reads, and the
// command that writes transformed copies of columns into the table.

#include <QDialog>

#include <memory>

#include "engine/data/transform.h"

class QButtonGroup;

namespace Ui {
class TTransformForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TTransformForm : public QDialog {
    Q_OBJECT
  public:
    // The controls show the current transform; Cancel restores it.
    explicit TTransformForm(Workspace& ws, QWidget* parent = nullptr);
    ~TTransformForm() override;

    void reject() override;

  private:
    void ShowRecord(const TransformRec& t);
    void ShowColumns();
    // Every change of kind, constant or option: the record follows the controls.
    void Changed();
    void AddModClick();
    void AddButtonClick();
    void OKClick();

    Workspace& ws_;
    std::unique_ptr<Ui::TTransformForm> ui_;
    QButtonGroup* kinds_ = nullptr;
    TransformRec backup_;
    bool showing_ = false;
};

// Opens the dialog modally; true when it was closed with OK.
bool ExecTransformDialog(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
