#pragma once
// Every part of the desktop program registers the windows it provides here, once, at start.

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class WindowDirectory;

// Registers the opener of every window that exists. Called by main() before the main
// window is shown. Openers of the box plots, histogram and frequency plots may assume that
// the main window has prepared the graphs' run description (PrepareGraphRun).
void RegisterProgramWindows(Workspace& ws, WindowDirectory& windows);

}  // namespace vostrel::app
