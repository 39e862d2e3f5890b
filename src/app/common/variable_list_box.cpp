#include "app/common/variable_list_box.h"

#include <QListWidget>

#include <algorithm>

#include "app/common/display_text.h"
#include "engine/helpers/column_code.h"

namespace vostrel::app {

void ShowVariableItems(QListWidget* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& item : items) {
        auto* row = new QListWidgetItem(ToDisplayText(ColumnItemName(item)), box);
        row->setData(Qt::UserRole, QByteArray::fromStdString(item));
    }
}

std::string VariableItemAt(const QListWidget* box, int row) {
    const QListWidgetItem* item = box->item(row);
    return item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

std::vector<int> SelectedRows(const QListWidget* box) {
    std::vector<int> rows;
    for (int row = 0; row < box->count(); ++row)
        if (box->item(row)->isSelected()) rows.push_back(row);
    return rows;
}

int FirstSelectedRow(const QListWidget* box) {
    const std::vector<int> rows = SelectedRows(box);
    return rows.empty() ? -1 : rows.front();
}

void SelectOnlyRow(QListWidget* box, int row) {
    box->clearSelection();
    if (row < 0 || row >= box->count()) return;
    box->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

}  // namespace vostrel::app
