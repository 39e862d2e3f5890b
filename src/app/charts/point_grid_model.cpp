#include "app/charts/point_grid_model.h"

#include <QColor>

#include "app/common/display_text.h"

namespace vostrel::app {

void PointGridModel::SetGrid(std::unique_ptr<PointGrid> grid, int decimals) {
    beginResetModel();
    grid_ = std::move(grid);
    decimals_ = decimals;
    endResetModel();
}

void PointGridModel::SetDecimals(int decimals) {
    decimals_ = decimals;
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int PointGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : grid_->RowCount();
}

int PointGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : grid_->ColumnCount();
}

QVariant PointGridModel::data(const QModelIndex& index, int role) const {
    if (!grid_ || !index.isValid()) return {};
    const int point = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return ToDisplayText(grid_->DisplayText(point, index.column(), decimals_));
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                       : int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            switch (grid_->Shade(point, index.column())) {
                case PointCellShade::Signalled:
                    return QColor(Qt::yellow);
                case PointCellShade::Clear:
                    return QColor(Qt::green);
                case PointCellShade::Plain:
                    return {};
            }
            return {};
        default:
            return {};
    }
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !grid_) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= grid_->ColumnCount()) return {};
        return ToDisplayText(grid_->Columns()[static_cast<std::size_t>(section)].Header);
    }
    return section + 1;
}

}  // namespace vostrel::app
