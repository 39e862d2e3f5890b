#include "app/program_windows.h"

#include "app/charts/setup_window.h"
#include "app/data/editor/data_editor_windows.h"
#include "app/graphs/graph_windows.h"
#include "app/common/window_directory.h"

namespace vostrel::app {

void RegisterProgramWindows(Workspace& ws, WindowDirectory& windows) {
    // Each part of the program adds the call that registers its windows.
    RegisterDataEditor(ws, windows);
    RegisterChartWindows(ws, windows);
    RegisterGraphWindows(ws, windows);
}

}  // namespace vostrel::app
