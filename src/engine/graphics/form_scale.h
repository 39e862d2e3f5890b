#pragma once
// The size toggle of the main window and the chart setup window: how far a window is
// enlarged to fill the screen's work area, and back.

namespace vostrel {

struct FormSize {
    int Width = 0;
    int Height = 0;
};

// What ScaleForm does for a wanted scale: the new scale factor and the window's new size.
struct FormScaleStep {
    bool Changes = false;  // false: the window stays as it is
    double NewScale = 1.0;
    double Ratio = 1.0;  // new scale / current scale; every control is scaled by it
    FormSize NewSize;
};

// The scale the toggle asks for: at scale 1 the larger of workHeight / height and
// workWidth / width (enlarging to the work area), otherwise 1.
double ToggleTargetScale(double currentScale, FormSize window, FormSize workArea);

// ScaleForm: a target of at most 1 means 1; nothing changes when it equals the current
// scale. A target above 1 is reduced so that the window fits the work area (so a window as
// wide or as high as the work area is not enlarged, and one larger than it shrinks to fit);
// a target of 1 restores the window's own size. Sizes round halves to even.
FormScaleStep ScaleFormStep(double currentScale, double wanted, FormSize window, FormSize workArea);

// A length times the ratio, rounded to the nearest integer with halves to even.
int ScaleLength(int length, double ratio);

}  // namespace vostrel
