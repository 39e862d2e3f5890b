#pragma once
// The desktop program's answer to what the engine asks of the user: message boxes, a
// "Loading File..." progress window, the hourglass cursor.

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include <functional>

#include "engine/core/user_interface.h"

namespace vostrel::app {

class QtUserInterface : public UserInterface {
  public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    // What "Save As" of the data table does; set by the data window.
    void SetSaveAsHandler(std::function<bool()> handler) { saveAs_ = std::move(handler); }
    // The data editor's open dialog (searching for a configuration's data file).
    void SetOpenFileHandler(std::function<std::string()> handler) {
        openFile_ = std::move(handler);
    }

    void ErrorBox(const std::string& text) override;
    void Warning(const std::string& text) override;
    Answer Confirm(const std::string& text, bool withCancel) override;
    void Beep() override;
    bool RequestSaveAs() override;
    std::string RequestOpenFileName() override;
    void ProgressStart(const std::string& caption) override;
    void Progress(int percent) override;
    void ProgressEnd() override;
    bool ProgressCancelled() override;
    void BusyStart() override;
    void BusyEnd() override;
    void ProcessPendingMessages() override;

  private:
    QPointer<QWidget> parent_;
    QPointer<QProgressDialog> progress_;
    std::function<bool()> saveAs_;
    std::function<std::string()> openFile_;
    int busyDepth_ = 0;
};

}  // namespace vostrel::app
