#include "app/main_window/shell_resources.h"

#include <QtGlobal>

// Resources of a static library are registered by name, outside any namespace.
static void InitShellResources() { Q_INIT_RESOURCE(shell); }

namespace vostrel::app {

void LoadShellResources() {
    static const bool loaded = (InitShellResources(), true);
    (void)loaded;
}

}  // namespace vostrel::app
