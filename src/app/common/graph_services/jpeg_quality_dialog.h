#pragma once
// The quality of a JPEG picture, asked before it is written.

#include <QDialog>

#include <optional>

namespace Ui {
class JpegQualityDialog;
}

namespace vostrel::app {

class JpegQualityDialog : public QDialog {
    Q_OBJECT
  public:
    explicit JpegQualityDialog(QWidget* parent = nullptr);
    ~JpegQualityDialog() override;

    int Quality() const;
    void SetQuality(int quality);

  private:
    Ui::JpegQualityDialog* ui_;
};

// Shows the dialog modally (quality 90 to start); the chosen quality, or nothing when
// cancelled.
std::optional<int> AskJpegQuality(QWidget* parent);

}  // namespace vostrel::app
