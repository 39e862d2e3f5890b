#pragma once
// The frequency table as the grid shows it: the header row and the midpoint column are
// fixed, numbers are right-aligned.

#include <QAbstractTableModel>

#include "engine/graphs/frequency_table.h"

namespace vostrel::app {

class FrequencyTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(FrequencyTable table);
    const FrequencyTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    FrequencyTable table_;
};

}  // namespace vostrel::app
