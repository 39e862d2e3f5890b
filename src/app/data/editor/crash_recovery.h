#pragma once
// Crash recovery in the desktop program: a copy of the table with unsaved changes is kept
// in the user's data folder, written every two minutes; after a crash the next start
// offers it back.

#include <QObject>
#include <QString>
#include <QTimer>

#include "engine/data/recovery/recovery_file.h"

class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

// Where the copies are kept: the program's folder under the user's data location.
QString RecoveryFolder();

// Called once at start: for each copy a crashed run left behind, newest first, asks
// "Recover unsaved data from <time>?". Yes loads it as a modified table without a file
// name; No removes it. True when a copy was loaded.
bool OfferRecovery(Workspace& ws);

class RecoveryTimer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;

    RecoveryTimer(Workspace& ws, const QString& folder, QObject* parent = nullptr);
    // The program ends normally: the copy goes.
    ~RecoveryTimer() override;

    // Writes the copy now when the table has changes it lacks (or removes it once saved).
    void Tick();
    // The table was saved: the copy goes.
    void Discard() { keeper_.Discard(); }
    const std::string& Path() const { return keeper_.Path(); }

  private:
    RecoveryKeeper keeper_;
    QTimer timer_;
};

}  // namespace vostrel::app
