#pragma once
// The data editor's Data menu commands that add computed columns or rows: the
// compute-variables window and the run numbers, auto recode and weight cases dialogs.

class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class WindowDirectory;

// "&Compute Variables from Sample Data...": shows the window, creating it when absent.
// Its "Return to" command shows the caller again; its data editor command opens the data
// editor through the directory.
void OpenComputeVariables(Workspace& ws, WindowDirectory& windows, QWidget* caller);

// "Generate &Run Numbers...", "&Auto Recode Variables..." and "&Weight Cases...": modal
// dialogs. Each returns true when it changed the table (the caller then refreshes its grid).
bool ExecRunNumbersDialog(Workspace& ws, QWidget* parent);
bool ExecAutoRecodeDialog(Workspace& ws, QWidget* parent);
bool ExecWeightCasesDialog(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
