#pragma once
// "Specifications Found": the limits an old configuration file carried, which are no longer
// applied, shown so that the user can copy them into the data table's descriptions.

#include <QDialog>

#include <memory>

class QStringListModel;

namespace Ui {
class TSpecsFound;
}

namespace vostrel {
class UserInterface;
struct LegacySpecifications;
}  // namespace vostrel

namespace vostrel::app {

class TSpecsFound : public QDialog {
    Q_OBJECT
  public:
    // Not modal; it frees itself when closed.
    TSpecsFound(const LegacySpecifications& specs, UserInterface& ui, QWidget* parent = nullptr);
    ~TSpecsFound() override;

    // The texts of the selected rows, one line each; what Copy puts on the clipboard.
    QString SelectedText() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Copy1Click();

    UserInterface& ui_;
    std::unique_ptr<Ui::TSpecsFound> form_;
    QStringListModel* values_ = nullptr;
};

}  // namespace vostrel::app
