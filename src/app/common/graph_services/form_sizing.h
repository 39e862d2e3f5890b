#pragma once
// The size toggle of the main window and the chart setup window: the whole window and its
// fonts enlarged to the screen's work area, and back to scale 1.

class QAction;
class QWidget;

namespace vostrel::app {

// Toggles between scale 1 and the largest scale that fits the work area, then shows the
// state on the button: the "large" picture and "Minimize Form Size" above scale 1, the
// "normal" picture and "Maximize Form Size" otherwise.
void ToggleFormSize(QWidget& window, QAction* button, double& formScale);

// Scales the window, its controls and their fonts to the wanted scale (see ScaleFormStep)
// and centres it in the work area.
void ScaleForm(QWidget& window, double& formScale, double wanted);

// Shows the scale on the size button.
void ShowFormSizeButton(QAction* button, double formScale);

}  // namespace vostrel::app
