#pragma once
// Drives a modal dialog from a test: the action runs once the dialog is up, so that the
// test never hangs on exec(). Fails the test (and closes the dialog) when a different
// window comes up.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace vostrel::testing {

template <class Dialog>
void WhenModalShows(std::function<void(Dialog*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0) WhenModalShows<Dialog>(act, triesLeft - 1);
            return;
        }
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            qWarning("an unexpected modal window came up: %s", qPrintable(modal->objectName()));
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
            return;
        }
        act(dialog);
    });
}

}  // namespace vostrel::testing
