#include "app/charts/plot/set_separators.h"

namespace vostrel::app {

SetSeparators::SetSeparators(QCustomPlot* plot, QCPAxisRect* top, QCPAxisRect* bottom,
                             std::vector<SetMark> marks, int lineWidth, const QFont& font)
    : QCPAbstractItem(plot),
      top_(top),
      bottom_(bottom),
      marks_(std::move(marks)),
      lineWidth_(lineWidth),
      font_(font) {
    setClipToAxisRect(false);
    setSelectable(false);
}

double SetSeparators::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/,
                                 QVariant* /*details*/) const {
    return -1;
}

void SetSeparators::draw(QCPPainter* painter) {
    if (top_.isNull() || bottom_.isNull() || marks_.empty()) return;
    QCPAxis* key = top_->axis(QCPAxis::atBottom);
    const double left = top_->left();
    const double right = top_->right();
    const double top = top_->top();
    const double bottom = bottom_->bottom();
    painter->save();
    painter->setClipRect(QRectF(left, top, right - left, bottom - top));
    painter->setAntialiasing(false);
    painter->setPen(QPen(Qt::black, lineWidth_));
    for (const SetMark& mark : marks_) {
        if (!mark.Line) continue;
        const double x = key->coordToPixel(mark.X);
        painter->drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    painter->setFont(font_);
    const QFontMetrics metrics(font_);
    for (const SetMark& mark : marks_) {
        const double x = mark.Line ? key->coordToPixel(mark.X) : left;
        const QRectF box(x, top, metrics.horizontalAdvance(mark.Label), metrics.height());
        painter->fillRect(box, Qt::black);
        painter->setPen(Qt::white);
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, mark.Label);
    }
    painter->restore();
}

}  // namespace vostrel::app
