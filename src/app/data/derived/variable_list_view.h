#pragma once
// A variable list of the engine shown in a list widget: the widget shows each item's name
// (without its code letters) in the list's order.

#include "app/common/variable_list_box.h"

namespace vostrel {
class VariableList;
}

namespace vostrel::app {

// Shows the list's items and selects item `current` (none when it is -1).
void ShowVariableList(QListWidget* widget, const VariableList& list, int current = -1);

}  // namespace vostrel::app
