#include "engine/graphics/form_scale.h"

#include <algorithm>
#include <cmath>

namespace vostrel {

double ToggleTargetScale(double currentScale, FormSize window, FormSize workArea) {
    if (currentScale != 1.0) return 1.0;
    if (window.Width <= 0 || window.Height <= 0) return 1.0;
    return std::max(static_cast<double>(workArea.Height) / window.Height,
                    static_cast<double>(workArea.Width) / window.Width);
}

int ScaleLength(int length, double ratio) {
    return static_cast<int>(std::nearbyint(static_cast<double>(length) * ratio));
}

FormScaleStep ScaleFormStep(double currentScale, double wanted, FormSize window,
                            FormSize workArea) {
    FormScaleStep step;
    step.NewScale = currentScale;
    step.NewSize = window;
    const double c = currentScale > 0 ? currentScale : 1.0;
    double b = wanted > 1.0 ? wanted : 1.0;
    if (b == c || window.Width <= 0 || window.Height <= 0) return step;
    // Going large, the target shrinks until the window fits the work area, so a window
    // that is larger than the work area is made to fit it; going back to 1 restores the
    // window's own size.
    if (wanted > 1.0) {
        if (workArea.Width < b * window.Width / c) b = workArea.Width * c / window.Width;
        if (workArea.Height < window.Height * b / c) b = c * workArea.Height / window.Height;
        if (b == c) return step;
    }
    step.Changes = true;
    step.Ratio = b / c;
    step.NewScale = b;
    step.NewSize = {ScaleLength(window.Width, step.Ratio), ScaleLength(window.Height, step.Ratio)};
    return step;
}

}  // namespace vostrel
