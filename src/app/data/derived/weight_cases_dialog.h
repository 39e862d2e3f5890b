#pragma once
// "Weight Cases": chooses the weight variable and, on OK and a confirmed row count,
// repeats every row as often as its weight says.

#include <QDialog>

#include "engine/derived/derived_dialogs.h"

namespace Ui {
class TForm_WeightCases;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TForm_WeightCases : public QDialog {
    Q_OBJECT
  public:
    explicit TForm_WeightCases(Workspace& ws, QWidget* parent = nullptr);
    ~TForm_WeightCases() override;

  private:
    void Show();
    void Button_SelectClick();
    void OKBtnClick();

    Workspace& ws_;
    WeightPicker picker_;
    Ui::TForm_WeightCases* ui_;
};

}  // namespace vostrel::app
