#include "app/data/derived/variable_list_view.h"

#include <QListWidget>

#include "engine/analysis/analysis_settings.h"

namespace vostrel::app {

void ShowVariableList(QListWidget* widget, const VariableList& list, int current) {
    ShowVariableItems(widget, list.Items());
    if (current >= 0) SelectOnlyRow(widget, current);
}

}  // namespace vostrel::app
