#include "app/graphs/pie_item.h"

#include <QtMath>

#include <algorithm>

namespace vostrel::app {

PieItem::PieItem(QCustomPlot* plot) : QCPAbstractItem(plot), markColour_(Qt::white) {
    setClipToAxisRect(true);
}

double PieItem::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/,
                           QVariant* /*details*/) const {
    return -1;  // the pie is not selectable
}

void PieItem::draw(QCPPainter* painter) {
    double total = 0;
    for (const PieSlice& slice : slices_) total += std::max(0.0, slice.Value);
    if (total <= 0) return;  // nothing to share out

    const QRectF area = clipRect();
    const QFontMetricsF metrics(painter->font());
    const double legendWidth = 24 + metrics.horizontalAdvance(QStringLiteral("Process Stream"));
    const double side = std::max(10.0, std::min(area.width() - legendWidth - 140,
                                                area.height() - 2 * metrics.height() - 40));
    const QPointF centre(area.left() + (area.width() - legendWidth) / 2, area.center().y());
    const QRectF circle(centre.x() - side / 2, centre.y() - side / 2, side, side);

    painter->setPen(QPen(Qt::black, 1));
    double start = 90 * 16;  // from the top, clockwise
    std::vector<std::pair<double, const PieSlice*>> middles;
    for (const PieSlice& slice : slices_) {
        if (slice.Value <= 0) continue;
        const double span = -360.0 * 16 * slice.Value / total;
        painter->setBrush(slice.Brush);
        painter->drawPie(circle, qRound(start), qRound(span));
        middles.emplace_back((start + span / 2) / 16, &slice);
        start += span;
    }

    // Marks outside the circle, on the line through each slice's middle.
    for (const auto& [degrees, slice] : middles) {
        const double angle = qDegreesToRadians(degrees);
        const double radius = side / 2 + 18;
        const QPointF anchor(centre.x() + radius * std::cos(angle),
                             centre.y() - radius * std::sin(angle));
        const QString text =
            QStringLiteral("%1 %2%").arg(slice->Label).arg(100 * slice->Value / total, 0, 'f', 1);
        QRectF box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
        box.moveCenter(anchor);
        if (anchor.x() < centre.x() - 1) box.moveRight(anchor.x());
        if (anchor.x() > centre.x() + 1) box.moveLeft(anchor.x());
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(markColour_);
        painter->drawRect(box);
        painter->drawText(box, Qt::AlignCenter, text);
    }

    // The legend on the right.
    double y = area.top() + 10;
    const double x = area.right() - legendWidth;
    for (const PieSlice& slice : slices_) {
        painter->setBrush(slice.Brush);
        painter->drawRect(QRectF(x, y + 2, 14, metrics.height() - 4));
        painter->drawText(QPointF(x + 20, y + metrics.ascent()), slice.Label);
        y += metrics.height() + 2;
    }
}

}  // namespace vostrel::app
