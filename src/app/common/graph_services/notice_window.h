#pragma once
// A short notice that closes itself ("Graph Copied to Clipboard!"): a small window on top
// of the others, centred on the screen. At most one exists; a new notice while one is shown
// reuses it with the new text.

#include <QDialog>
#include <QString>

class QTimer;

namespace Ui {
class TWaitMessageDialog;
}

namespace vostrel::app {

class TWaitMessageDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TWaitMessageDialog(QWidget* parent = nullptr);
    ~TWaitMessageDialog() override;

    // Shows the text for the given number of seconds, then closes and deletes the window.
    void ShowText(const QString& text, int seconds);
    QString Text() const;

  private:
    Ui::TWaitMessageDialog* ui_;
    QTimer* timer_;
};

// Shows the notice (creating it when none exists) and returns it.
TWaitMessageDialog* ShowNotice(const QString& text, int seconds);
// The notice on screen, or nullptr.
TWaitMessageDialog* CurrentNotice();

}  // namespace vostrel::app
