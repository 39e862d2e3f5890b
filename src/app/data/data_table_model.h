#pragma once
// The data grid for a QTableView: reads the engine's text store directly, so a table of a
// million rows shows without copying. Names are the column headers, row numbers the row
// headers. Read-only for now.

#include <QAbstractTableModel>

namespace vostrel {
class DataTable;
class TDataList;
}  // namespace vostrel

namespace vostrel::app {

class DataTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    DataTableModel(const DataTable& table, const TDataList& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The table was replaced or reshaped.
    void Reload();

  private:
    const DataTable& table_;
    const TDataList& data_;
};

}  // namespace vostrel::app
