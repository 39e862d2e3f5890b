#include "app/graphs/grid_corner_label.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

namespace vostrel::app {

GridCornerLabel::GridCornerLabel(QTableView& table, const QString& text)
    : QObject(&table), table_(table), text_(text) {
    if (auto* corner = table.findChild<QAbstractButton*>()) corner->installEventFilter(this);
    // The row header is as wide as the corner's text at least.
    QHeaderView& rows = *table.verticalHeader();
    rows.setMinimumWidth(rows.fontMetrics().horizontalAdvance(text) +
                         2 * rows.fontMetrics().horizontalAdvance(QLatin1Char('0')) + 4);
}

bool GridCornerLabel::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner == nullptr || event->type() != QEvent::Paint) return false;
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Raised;
    if (corner->isDown()) option.state |= QStyle::State_Sunken;
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text_;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
}

}  // namespace vostrel::app
