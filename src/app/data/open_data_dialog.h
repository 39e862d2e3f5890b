#pragma once
// The data editor's open dialog: data files of every extension the program reads, starting
// in the folder of the most recently used file.

#include <QString>

class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

// The chosen file; empty when the user cancelled.
QString ChooseDataFile(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
