#pragma once
// Draws the cells of the data editor's grids and gives them their editors: navy selected
// cells, yellow text columns, aqua rows that Process If leaves out, blue values that count
// as missing; text right-aligned 5 pixels from the right. A column too narrow for a text
// drawn in it asks to be widened. On the descriptions page the USL, Target and LSL rows
// take only the keys a number is typed with.

#include <QStyledItemDelegate>

#include <functional>

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GridModel;

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    CellDelegate(Workspace& ws, GridModel& model, QObject* parent = nullptr);

    // Called while drawing when a column needs `width` pixels for a text.
    void SetWidthWanted(std::function<void(int column, int width)> wanted) {
        widthWanted_ = std::move(wanted);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    Workspace& ws_;
    GridModel& model_;
    std::function<void(int, int)> widthWanted_;
};

}  // namespace vostrel::app
