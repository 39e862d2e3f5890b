#pragma once
// "Standard Deviation Input": the user-set measurement, between-stream and potential
// standard deviations that the analysis uses in place of its own estimates.

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class TVarInputForm;
}

namespace vostrel {
class Workspace;
struct UserSetSD;
}  // namespace vostrel

namespace vostrel::app {

class TVarInputForm : public QDialog {
    Q_OBJECT
  public:
    explicit TVarInputForm(Workspace& ws, QWidget* parent = nullptr);
    ~TVarInputForm() override;

    static constexpr int kHelpTopic = 3100;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // What the boxes were last set from or accepted as; when the settings moved on since
    // (a configuration was read, New), the boxes show the settings again.
    struct Shown {
        std::string text[3];
        bool checked[3] = {false, false, false};
        bool operator==(const Shown&) const = default;
    };
    Shown SettingsNow() const;
    void ShowSettings();
    void UpdateVisibility();
    void OKClick();

    Workspace& ws_;
    std::unique_ptr<Ui::TVarInputForm> ui_;
    Shown shown_;
};

}  // namespace vostrel::app
