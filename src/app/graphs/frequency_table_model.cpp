#include "app/graphs/frequency_table_model.h"

#include "app/graphs/plot_frame.h"

namespace vostrel::app {

void FrequencyTableModel::SetTable(FrequencyTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

// The header row and the midpoint column are the view's headers.
int FrequencyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RowCount() - 1;
}

int FrequencyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.ColumnCount() - 1;
}

QVariant FrequencyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return ToQString(table_.Cell(index.column() + 1, index.row() + 1));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FrequencyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole) {
        if (orientation == Qt::Horizontal) return ToQString(table_.Cell(section + 1, 0));
        return ToQString(table_.Cell(0, section + 1));
    }
    if (role == Qt::TextAlignmentRole)
        return int((orientation == Qt::Horizontal ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    return {};
}

}  // namespace vostrel::app
