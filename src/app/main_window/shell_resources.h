#pragma once
// The main window's pictures (tool buttons, splash, About) are compiled into the program.

namespace vostrel::app {

// Registers them; safe to call more than once.
void LoadShellResources();

}  // namespace vostrel::app
