#pragma once
// A group box of radio buttons used as one choice, the way a radio group control is: the
// buttons are numbered 0, 1, ... in the order of the form.

class QButtonGroup;
class QGroupBox;

namespace vostrel::app {

// The buttons of the box in one exclusive group, with ids 0, 1, ...
QButtonGroup* GroupRadioButtons(QGroupBox* box);

}  // namespace vostrel::app
