#pragma once
// The data editor in the program's window directory: ProgramWindow::DataEditor shows it
// with a "Return to" link to the window that opened it.

#include <QString>

class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class WindowDirectory;
class TDataForm;

// Creates the editor (hidden; it lives as long as the program and keeps the table's
// recovery copy) and registers its opener.
void RegisterDataEditor(Workspace& ws, WindowDirectory& windows);

// The editor as the directory opens it; nullptr when it is not registered.
TDataForm* DataEditor(const WindowDirectory& windows, QWidget* caller);

// The name a window goes by in "Return to" links: its "returnName" property, or
// "Main Form" for the main window and for no window at all; else its window's caption.
QString ReturnName(const QWidget* caller);

}  // namespace vostrel::app
