#include "engine/helpers/window_order.h"

namespace vostrel {

int NextFormIndex(const std::vector<WindowState>& mostRecentFirst, bool visibleOnly) {
    const int count = static_cast<int>(mostRecentFirst.size());
    if (count < 3) return -1;
    for (int i = count - 1; i >= 0; --i) {
        const WindowState& w = mostRecentFirst[static_cast<std::size_t>(i)];
        if (w.dialog) continue;
        if (visibleOnly && !w.visible) continue;
        return i;
    }
    return -1;
}

}  // namespace vostrel
