#include "app/charts/plot/step_line_series.h"

#include <algorithm>
#include <cmath>

namespace vostrel::app {

namespace {

void Flush(QCPPainter* painter, QPolygonF& line) {
    if (line.size() >= 2) painter->drawPolyline(line);
    line.clear();
}

}  // namespace

StepLineSeries::StepLineSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values,
                               bool stepped)
    : PositionSeries(keyAxis, valueAxis, std::move(values)), stepped_(stepped) {}

void StepLineSeries::draw(QCPPainter* painter) {
    const Visible visible = VisiblePositions();
    if (visible.Last < visible.First || mPen.style() == Qt::NoPen) return;
    applyDefaultAntialiasingHint(painter);
    painter->setPen(mPen);
    painter->setBrush(Qt::NoBrush);
    if (visible.Dense()) {
        DrawColumns(painter, visible);
    } else if (stepped_) {
        DrawSteps(painter, visible);
    } else {
        DrawStraight(painter, visible);
    }
}

// Runs of equal values become one level; a change of value an upright at the boundary.
void StepLineSeries::DrawSteps(QCPPainter* painter, const Visible& visible) const {
    QPolygonF line;
    double level = std::nan("");
    for (int i = visible.First; i <= visible.Last; ++i) {
        const double value = values_[static_cast<std::size_t>(i)];
        if (std::isnan(value)) {
            if (!line.isEmpty()) line.append({KeyPixel(i - 0.5), ValuePixel(level)});
            Flush(painter, line);
            level = value;
            continue;
        }
        const double left = KeyPixel(i - 0.5);
        if (line.isEmpty()) {
            line.append({left, ValuePixel(value)});
        } else if (value != level) {
            line.append({left, ValuePixel(level)});
            line.append({left, ValuePixel(value)});
        }
        level = value;
    }
    if (!line.isEmpty()) line.append({KeyPixel(visible.Last + 0.5), ValuePixel(level)});
    Flush(painter, line);
}

void StepLineSeries::DrawStraight(QCPPainter* painter, const Visible& visible) const {
    QPolygonF line;
    for (int i = visible.First; i <= visible.Last; ++i) {
        const double value = values_[static_cast<std::size_t>(i)];
        if (std::isnan(value)) {
            Flush(painter, line);
            continue;
        }
        line.append({KeyPixel(i), ValuePixel(value)});
    }
    Flush(painter, line);
}

// More positions than pixels: per pixel column an upright from the smallest to the largest
// value, joined to the next column; a column without values interrupts the line.
void StepLineSeries::DrawColumns(QCPPainter* painter, const Visible& visible) const {
    QPolygonF line;
    ForEachColumn(visible, [&](int first, int last) {
        double low = std::nan("");
        double high = low;
        for (int i = first; i <= last; ++i) {
            const double value = values_[static_cast<std::size_t>(i)];
            if (std::isnan(value)) continue;
            low = std::isnan(low) ? value : std::min(low, value);
            high = std::isnan(high) ? value : std::max(high, value);
        }
        if (std::isnan(low)) {
            Flush(painter, line);
            return;
        }
        const double x = std::floor(KeyPixel(first));
        line.append({x, ValuePixel(low)});
        if (high != low) line.append({x, ValuePixel(high)});
    });
    Flush(painter, line);
}

}  // namespace vostrel::app
