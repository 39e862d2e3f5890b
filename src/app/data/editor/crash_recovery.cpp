#include "app/data/editor/crash_recovery.h"

#include <QDateTime>
#include <QLocale>
#include <QStandardPaths>

#include "app/common/display_text.h"
#include "engine/workspace.h"

namespace vostrel::app {

QString RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

bool OfferRecovery(Workspace& ws) {
    for (const RecoveryCopy& copy : FindRecoveryFiles(FromDisplayText(RecoveryFolder()))) {
        const QString time =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.SavedAt), QLocale::ShortFormat);
        const std::string question = "Recover unsaved data from " + FromDisplayText(time) + "?";
        if (ws.ui.Confirm(question, false) == Answer::Yes) {
            if (!LoadRecoveryFile(ws, copy.Path)) {
                ws.ui.ErrorBox("The unsaved data could not be read from " + copy.Path + ".");
                continue;
            }
            RemoveRecoveryFile(copy.Path);
            return true;
        }
        RemoveRecoveryFile(copy.Path);
    }
    return false;
}

RecoveryTimer::RecoveryTimer(Workspace& ws, const QString& folder, QObject* parent)
    : QObject(parent), keeper_(ws, FromDisplayText(folder)) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryTimer::Tick);
    timer_.start();
}

RecoveryTimer::~RecoveryTimer() { keeper_.Discard(); }

void RecoveryTimer::Tick() { keeper_.Tick(QDateTime::currentSecsSinceEpoch()); }

}  // namespace vostrel::app
