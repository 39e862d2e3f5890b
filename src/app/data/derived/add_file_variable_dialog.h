#pragma once
// "Generate Run Numbers" and "Auto Recode": a dialog that picks variables from the data
// columns and, on OK, adds the run number column or the recoded columns to the table.

#include <QDialog>

#include "engine/derived/derived_dialogs.h"

namespace Ui {
class TAddFileVariable;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TAddFileVariable : public QDialog {
    Q_OBJECT
  public:
    TAddFileVariable(Workspace& ws, PickPurpose purpose, QWidget* parent = nullptr);
    ~TAddFileVariable() override;

  private:
    void Show(int srcCurrent, int dstCurrent);
    void OKBtnClick();

    Workspace& ws_;
    PickPurpose purpose_;
    VariablePicker picker_;
    Ui::TAddFileVariable* ui_;
};

}  // namespace vostrel::app
