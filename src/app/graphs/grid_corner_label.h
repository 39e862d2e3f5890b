#pragma once
// A text in the top-left corner of a table view, drawn like the header sections beside it
// (the corner button itself still selects the whole table when clicked).

#include <QObject>
#include <QString>

class QTableView;

namespace vostrel::app {

class GridCornerLabel : public QObject {
    Q_OBJECT
  public:
    GridCornerLabel(QTableView& table, const QString& text);

    QString Text() const { return text_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableView& table_;
    QString text_;
};

}  // namespace vostrel::app
