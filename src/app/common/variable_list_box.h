#pragma once
// A list box of variables: each item is a column's code and name (ColumnItem); the box
// shows the name and keeps the whole item, so the column can be decoded.

#include <string>
#include <vector>

class QListWidget;

namespace vostrel::app {

// Replaces the box's items.
void ShowVariableItems(QListWidget* box, const std::vector<std::string>& items);
// The whole item (code and name) of a row.
std::string VariableItemAt(const QListWidget* box, int row);
// The rows selected, in increasing order.
std::vector<int> SelectedRows(const QListWidget* box);
// The first selected row, -1 when none is.
int FirstSelectedRow(const QListWidget* box);
// Selects only this row and makes it current (nothing when it is out of range).
void SelectOnlyRow(QListWidget* box, int row);

}  // namespace vostrel::app
