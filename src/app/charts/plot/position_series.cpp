#include "app/charts/plot/position_series.h"

#include <algorithm>
#include <cmath>

namespace vostrel::app {

PositionSeries::PositionSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values)
    : QCPAbstractPlottable(keyAxis, valueAxis), values_(std::move(values)) {
    setSelectable(QCP::stNone);
}

double PositionSeries::ValueAt(int position) const {
    if (position < 0 || position >= static_cast<int>(values_.size())) return std::nan("");
    return values_[static_cast<std::size_t>(position)];
}

double PositionSeries::selectTest(const QPointF& /*pos*/, bool /*onlySelectable*/,
                                  QVariant* /*details*/) const {
    return -1;  // the window finds points under the mouse itself
}

QCPRange PositionSeries::getKeyRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/) const {
    foundRange = !values_.empty();
    return QCPRange(-0.5, static_cast<double>(values_.size()) - 0.5);
}

QCPRange PositionSeries::getValueRange(bool& foundRange, QCP::SignDomain /*inSignDomain*/,
                                       const QCPRange& /*inKeyRange*/) const {
    QCPRange range;
    foundRange = false;
    for (double value : values_) {
        if (std::isnan(value)) continue;
        if (!foundRange) {
            range = QCPRange(value, value);
            foundRange = true;
        } else {
            range.expand(value);
        }
    }
    return range;
}

void PositionSeries::drawLegendIcon(QCPPainter* /*painter*/, const QRectF& /*rect*/) const {}

PositionSeries::Visible PositionSeries::VisiblePositions() const {
    Visible visible;
    if (values_.empty() || mKeyAxis.isNull() || mValueAxis.isNull()) return visible;
    const QCPRange range = mKeyAxis->range();
    const int count = static_cast<int>(values_.size());
    visible.First = std::clamp(static_cast<int>(std::floor(range.lower)) - 1, 0, count - 1);
    visible.Last = std::clamp(static_cast<int>(std::ceil(range.upper)) + 1, 0, count - 1);
    visible.PixelsPerPosition = std::fabs(KeyPixel(1.0) - KeyPixel(0.0));
    return visible;
}

void PositionSeries::ForEachColumn(const Visible& visible,
                                   const std::function<void(int, int)>& f) const {
    int first = visible.First;
    while (first <= visible.Last) {
        const double column = std::floor(KeyPixel(first));
        int last = first;
        while (last < visible.Last && std::floor(KeyPixel(last + 1)) == column) ++last;
        f(first, last);
        first = last + 1;
    }
}

}  // namespace vostrel::app
