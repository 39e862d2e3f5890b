#pragma once
// One page of the data editor for a QTableView: the data grid (names as column headers,
// row numbers as row headers) or the description grid (names, then the rows "Title:",
// "USL:", "Target:" and "LSL:"). It reads the engine's text store directly, so a table of
// a million rows shows without copying, and hands every edit to the engine's commands.

#include <QAbstractTableModel>

#include "engine/data/grid/grid_change.h"

namespace vostrel {
class Workspace;
struct TableChange;
}  // namespace vostrel

namespace vostrel::app {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    GridModel(Workspace& ws, GridId page, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // A column name (horizontal headers of the data page).
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    const TextGrid& Grid() const;

    GridId Page() const { return page_; }
    // The grid's row and column of a view index, and back.
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }
    static int GridCol(const QModelIndex& index) { return index.column() + 1; }

    // Text cells followed by their level number, "red[1]".
    void SetShowLevels(bool show);
    bool ShowLevels() const { return showLevels_; }

    // The table changed: cells are repainted, a new shape resets the view.
    void TableChanged(const TableChange& change);
    // Something that changes how cells look, but not their text (rules, derived numbers).
    void LooksChanged();

  private:
    QString CellText(int col, int row) const;

    Workspace& ws_;
    GridId page_;
    bool showLevels_ = true;
};

}  // namespace vostrel::app
