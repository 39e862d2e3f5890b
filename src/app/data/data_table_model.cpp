#include "app/data/data_table_model.h"

#include <QBrush>
#include <QColor>

#include "app/shell/display_text.h"
#include "engine/data/data_list.h"
#include "engine/data/data_table.h"

namespace vostrel::app {

DataTableModel::DataTableModel(const DataTable& table, const TDataList& data, QObject* parent)
    : QAbstractTableModel(parent), table_(table), data_(data) {}

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.CaseRows();
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.MaxCol();
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return ToDisplayText(table_.DataGrid.Cell(col, row));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            // Text variables stand out in yellow.
            if (col <= MaxColumns && data_.StringVar[static_cast<std::size_t>(col)])
                return QBrush(QColor(Qt::yellow));
            return {};
        default:
            return {};
    }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return ToDisplayText(table_.DataGrid.Cell(section + 1, 0));
    return QString::number(section + 1);
}

void DataTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace vostrel::app
