#include "app/data/editor/grid_model.h"

#include "app/common/display_text.h"
#include "engine/data/grid/editor_state.h"
#include "engine/data/grid/grid_commands.h"
#include "engine/data/grid/table_history.h"
#include "engine/workspace.h"

namespace vostrel::app {

GridModel::GridModel(Workspace& ws, GridId page, QObject* parent)
    : QAbstractTableModel(parent), ws_(ws), page_(page) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return page_ == GridId::Data ? ws_.table.CaseRows() : DescLSLRow;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ws_.table.MaxCol();
}

QString GridModel::CellText(int col, int row) const {
    const QString text = ToDisplayText(GridOf(ws_.table, page_).Cell(col, row));
    if (page_ != GridId::Data || !showLevels_) return text;
    const CellLook look = LookOfCell(ws_, col, row, true);
    if (look.Level == 0) return text;
    return text + QLatin1Char('[') + QString::number(look.Level) + QLatin1Char(']');
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int col = GridCol(index);
    const int row = GridRow(index);
    switch (role) {
        case Qt::DisplayRole:
            return CellText(col, row);
        case Qt::EditRole:
            return ToDisplayText(GridOf(ws_.table, page_).Cell(col, row));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return ToDisplayText(ws_.table.DataGrid.Cell(section + 1, 0));
    return ToDisplayText(GridOf(ws_.table, page_).Cell(0, section + 1));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int col = GridCol(index);
    const int row = GridRow(index);
    const QString text = value.toString();
    // A cell shown from bytes that are not UTF-8 keeps them when its text is not changed.
    if (text == ToDisplayText(GridOf(ws_.table, page_).Cell(col, row))) return false;
    return SetCellText(ws_, page_, col, row, FromDisplayText(text));
}

bool GridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                              int role) {
    if (orientation != Qt::Horizontal || role != Qt::EditRole) return false;
    const int col = section + 1;
    const QString text = value.toString();
    if (text == ToDisplayText(ws_.table.DataGrid.Cell(col, 0))) return false;
    return RenameColumn(ws_, col, FromDisplayText(text));
}

const TextGrid& GridModel::Grid() const { return GridOf(ws_.table, page_); }

void GridModel::SetShowLevels(bool show) {
    showLevels_ = show;
    LooksChanged();
}

void GridModel::TableChanged(const TableChange& change) {
    if (change.What != TableChange::Kind::Cells) {
        beginResetModel();
        endResetModel();
        return;
    }
    // A view repaints only what it shows, so telling it about every cell costs nothing;
    // names may have changed with the cells.
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    LooksChanged();
}

void GridModel::LooksChanged() {
    if (rowCount() == 0 || columnCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace vostrel::app
