#pragma once
// Registers the performance charts, box plots, histogram and frequency plots windows. The
// performance chart window is created at once and becomes the Action's chart sink; the
// others are created on first use.

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class WindowDirectory;

void RegisterGraphWindows(Workspace& ws, WindowDirectory& windows);

}  // namespace vostrel::app
