#include "app/data/derived/variable_list_view.h"

#include <QListWidget>

#include <algorithm>

#include "app/shell/display_text.h"
#include "engine/analysis/analysis_settings.h"
#include "engine/helpers/column_code.h"

namespace vostrel::app {

void ShowVariableList(QListWidget* widget, const VariableList& list, int current) {
    widget->clear();
    for (const std::string& item : list.Items())
        widget->addItem(ToDisplayText(ColumnItemName(item)));
    if (current >= 0 && current < widget->count()) {
        widget->setCurrentRow(current);
        widget->item(current)->setSelected(true);
    }
}

std::vector<int> SelectedRows(const QListWidget* widget) {
    std::vector<int> rows;
    for (const QListWidgetItem* item : widget->selectedItems()) rows.push_back(widget->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace vostrel::app
