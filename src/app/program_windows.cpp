#include "app/program_windows.h"

#include "app/charts/setup_window.h"
#include "app/data/data_window.h"
#include "app/graphs/graph_windows.h"
#include "app/shell/window_directory.h"

namespace vostrel::app {

void RegisterProgramWindows(Workspace& ws, WindowDirectory& windows) {
    // Each part of the program adds the call that registers its windows.
    RegisterDataWindow(ws, windows);
    RegisterChartWindows(ws, windows);
    RegisterGraphWindows(ws, windows);
}

}  // namespace vostrel::app
