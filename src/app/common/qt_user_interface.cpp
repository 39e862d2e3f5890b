#include "app/common/qt_user_interface.h"

#include <QApplication>
#include <QMessageBox>

#include "app/common/display_text.h"

namespace vostrel::app {

namespace {
const QString kTitle = QStringLiteral("Vostrel");
}

void QtUserInterface::ErrorBox(const std::string& text) {
    Beep();
    QMessageBox::critical(parent_, kTitle, ToDisplayText(text));
}

void QtUserInterface::Warning(const std::string& text) {
    QMessageBox::warning(parent_, kTitle, ToDisplayText(text));
}

Answer QtUserInterface::Confirm(const std::string& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent_, kTitle, ToDisplayText(text), buttons)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

void QtUserInterface::Beep() { QApplication::beep(); }

bool QtUserInterface::RequestSaveAs() { return saveAs_ ? saveAs_() : false; }

std::string QtUserInterface::RequestOpenFileName() {
    return openFile_ ? openFile_() : std::string();
}

void QtUserInterface::ProgressStart(const std::string& caption) {
    delete progress_;
    progress_ =
        new QProgressDialog(ToDisplayText(caption), QStringLiteral("Cancel"), 0, 100, parent_);
    progress_->setObjectName(QStringLiteral("ProgressDialog"));
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setWindowTitle(kTitle);
    progress_->setWindowFlag(Qt::WindowStaysOnTopHint);
    progress_->setWindowModality(Qt::ApplicationModal);  // no other command while it works
    progress_->setMinimumDuration(300);
    progress_->setValue(0);
}

void QtUserInterface::Progress(int percent) {
    if (progress_) progress_->setValue(percent);
}

// The dialog handles its Cancel button while it is modal: setValue lets it process input.
bool QtUserInterface::ProgressCancelled() { return progress_ && progress_->wasCanceled(); }

void QtUserInterface::ProgressEnd() {
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
        progress_ = nullptr;
    }
}

void QtUserInterface::BusyStart() {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::BusyEnd() {
    if (busyDepth_ > 0 && --busyDepth_ == 0) QApplication::restoreOverrideCursor();
}

void QtUserInterface::ProcessPendingMessages() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace vostrel::app
