#pragma once
// The size toggle of a window ("Maxisize Form" / "Minimize Form Size"): from its designed
// size to the largest size that fits the screen's work area, and back.

namespace vostrel {

struct FormScaleChange {
    bool changed = false;
    double scale = 1;  // the window's new scale (1 = designed size)
    double ratio = 1;  // what its current size and fonts are multiplied by
};

// The window is width x height at `current` scale; the work area is workWidth x workHeight.
// At scale 1 the toggle enlarges the window as far as it fits, otherwise it goes back to 1.
// Nothing changes when an enlargement is asked of a window that fills the work area already.
FormScaleChange ToggleFormScale(double current, int width, int height, int workWidth,
                                int workHeight);

}  // namespace vostrel
