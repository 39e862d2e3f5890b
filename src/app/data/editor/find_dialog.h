#pragma once
// "Find" (and "Find and Replace"): the non-modal dialog that searches the data page for
// cells meeting one or two relations and replaces them. The search itself is the engine's.

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

#include "engine/data/grid/find_replace.h"

class QButtonGroup;

namespace Ui {
class TForm_Find;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GridView;

class TForm_Find : public QDialog {
    Q_OBJECT
  public:
    TForm_Find(Workspace& ws, QWidget* parent = nullptr);
    ~TForm_Find() override;

    // The grid searched (the data page).
    void SetGrid(GridView* grid) { grid_ = grid; }
    // What the Help button opens.
    void SetHelp(std::function<void()> help) { help_ = std::move(help); }

    // The request the controls describe, for the grid's selection and current cell.
    FindRequest Request() const;
    // The OK button: find, replace or replace all.
    void OKBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void UpdateControls();

    Workspace& ws_;
    std::unique_ptr<Ui::TForm_Find> ui_;
    QButtonGroup* relation1_ = nullptr;
    QButtonGroup* relation2_ = nullptr;
    QPointer<GridView> grid_;
    std::function<void()> help_;
};

}  // namespace vostrel::app
