#pragma once
// "Next Visible Form" and "Next Open Form": which of the program's windows to bring up,
// given the windows in order of recent activation (the most recently active first).

#include <vector>

namespace vostrel {

struct WindowState {
    bool visible = false;
    bool dialog = false;  // dialog-style windows are never chosen
};

// Walks from the least recently active window towards the most recent and returns the
// index of the first that is not a dialog (and, with visibleOnly, is visible); -1 when
// there is none or the program has fewer than three windows.
int NextFormIndex(const std::vector<WindowState>& mostRecentFirst, bool visibleOnly);

}  // namespace vostrel
