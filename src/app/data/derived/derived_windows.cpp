#include "app/data/derived/derived_windows.h"

#include <QWidget>

#include "app/shell/window_directory.h"
#include "engine/workspace.h"

namespace vostrel::app {

void OpenComputeVariables(Workspace& /*ws*/, WindowDirectory& /*windows*/, QWidget* /*caller*/) {}

bool ExecRunNumbersDialog(Workspace& /*ws*/, QWidget* /*parent*/) { return false; }
bool ExecAutoRecodeDialog(Workspace& /*ws*/, QWidget* /*parent*/) { return false; }
bool ExecWeightCasesDialog(Workspace& /*ws*/, QWidget* /*parent*/) { return false; }

}  // namespace vostrel::app
