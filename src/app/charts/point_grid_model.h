#pragma once
// The point information grid of the current chart for a table view: the engine's PointGrid
// with its display texts, alignment and shading.

#include <QAbstractTableModel>

#include <memory>

#include "engine/control_charts/point_grid.h"

namespace vostrel::app {

class PointGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit PointGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the grid of the chart as it is now (or nothing).
    void SetGrid(std::unique_ptr<PointGrid> grid, int decimals);
    void SetDecimals(int decimals);
    const PointGrid* Grid() const { return grid_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::unique_ptr<PointGrid> grid_;
    int decimals_ = 4;
};

}  // namespace vostrel::app
