#include "app/charts/plot/statistic_series.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vostrel::app {

StatisticSeries::StatisticSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values,
                                 std::vector<std::uint8_t> signalled,
                                 std::vector<std::uint8_t> joined, const StatisticStyle& style)
    : PositionSeries(keyAxis, valueAxis, std::move(values)),
      signalled_(std::move(signalled)),
      joined_(std::move(joined)),
      style_(style) {}

bool StatisticSeries::IsSignalled(int position) const {
    return position >= 0 && position < static_cast<int>(signalled_.size()) &&
           signalled_[static_cast<std::size_t>(position)] != 0;
}

QColor StatisticSeries::ColourAt(int position) const {
    return IsSignalled(position) ? style_.Signalled : style_.Normal;
}

void StatisticSeries::draw(QCPPainter* painter) {
    const Visible visible = VisiblePositions();
    if (visible.Last < visible.First) return;
    painter->setAntialiasing(true);
    DrawSegments(painter, visible);
    DrawPoints(painter, visible);
    DrawTexts(painter, visible);
}

void StatisticSeries::DrawSegments(QCPPainter* painter, const Visible& visible) const {
    if (joined_.empty()) return;
    const auto joined = [this](int i) {
        return i >= 0 && i < static_cast<int>(joined_.size()) &&
               joined_[static_cast<std::size_t>(i)] != 0;
    };
    painter->setBrush(Qt::NoBrush);
    if (!visible.Dense()) {
        for (int i = std::max(visible.First, 1); i <= visible.Last; ++i) {
            if (!joined(i)) continue;
            painter->setPen(QPen(ColourAt(i), style_.LineWidth));
            painter->drawLine(
                QPointF(KeyPixel(i - 1), ValuePixel(values_[static_cast<std::size_t>(i - 1)])),
                QPointF(KeyPixel(i), ValuePixel(values_[static_cast<std::size_t>(i)])));
        }
        return;
    }
    // Dense: each pixel column an upright over its joined points, joined to the next column.
    painter->setPen(QPen(style_.Normal, style_.LineWidth));
    QPolygonF line;
    ForEachColumn(visible, [&](int first, int last) {
        double low = std::nan("");
        double high = low;
        bool any = false;
        for (int i = first; i <= last; ++i) {
            const double value = values_[static_cast<std::size_t>(i)];
            if (std::isnan(value)) continue;
            low = std::isnan(low) ? value : std::min(low, value);
            high = std::isnan(high) ? value : std::max(high, value);
            any = any || joined(i) || joined(i + 1);
        }
        if (!any) {
            if (line.size() >= 2) painter->drawPolyline(line);
            line.clear();
            return;
        }
        const double x = std::floor(KeyPixel(first));
        line.append({x, ValuePixel(low)});
        if (high != low) line.append({x, ValuePixel(high)});
    });
    if (line.size() >= 2) painter->drawPolyline(line);
}

void StatisticSeries::DrawPoint(QCPPainter* painter, int position) const {
    const double value = values_[static_cast<std::size_t>(position)];
    if (std::isnan(value)) return;
    const QPointF centre(KeyPixel(position), ValuePixel(value));
    const double radius = style_.PointSize;
    if (IsSignalled(position) && style_.HollowSignals) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::white);
    } else {
        const QColor colour = ColourAt(position);
        painter->setPen(QPen(colour, 1));
        painter->setBrush(colour);
    }
    painter->drawEllipse(centre, radius, radius);
}

void StatisticSeries::DrawPoints(QCPPainter* painter, const Visible& visible) const {
    if (!visible.Dense()) {
        for (int i = visible.First; i <= visible.Last; ++i) DrawPoint(painter, i);
        return;
    }
    // Dense: the lowest and highest point of each column, then every signalled point on top.
    // On a raster canvas the circles are stamped from a picture drawn once (many thousands
    // of signalled points cost little); vector output draws each circle.
    const bool raster = painter->paintEngine() != nullptr &&
                        painter->paintEngine()->type() == QPaintEngine::Raster &&
                        painter->transform().type() <= QTransform::TxTranslate;
    const QImage normalSprite = raster ? PointSprite(false) : QImage();
    const QImage signalSprite = raster ? PointSprite(true) : QImage();
    const auto draw = [&](int position) {
        if (!raster) {
            DrawPoint(painter, position);
            return;
        }
        const double value = values_[static_cast<std::size_t>(position)];
        if (std::isnan(value)) return;
        const QImage& sprite = IsSignalled(position) ? signalSprite : normalSprite;
        const double half = sprite.width() / 2.0;
        painter->drawImage(
            QPointF(std::round(KeyPixel(position) - half), std::round(ValuePixel(value) - half)),
            sprite);
    };
    ForEachColumn(visible, [&](int first, int last) {
        int low = -1;
        int high = -1;
        for (int i = first; i <= last; ++i) {
            const double value = values_[static_cast<std::size_t>(i)];
            if (std::isnan(value) || IsSignalled(i)) continue;
            if (low < 0 || value < values_[static_cast<std::size_t>(low)]) low = i;
            if (high < 0 || value > values_[static_cast<std::size_t>(high)]) high = i;
        }
        if (low >= 0) draw(low);
        if (high >= 0 && high != low) draw(high);
    });
    for (int i = visible.First; i <= visible.Last; ++i) {
        if (IsSignalled(i)) draw(i);
    }
}

QImage StatisticSeries::PointSprite(bool signalled) const {
    const int radius = style_.PointSize;
    const int side = 2 * radius + 3;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    if (signalled && style_.HollowSignals) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
    } else {
        const QColor colour = signalled ? style_.Signalled : style_.Normal;
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
    }
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
    return sprite;
}

// A text stands in a framed box above its point, joined to it by a short line.
void StatisticSeries::DrawTexts(QCPPainter* painter, const Visible& visible) const {
    if (texts_.empty()) return;
    const QFontMetrics metrics(painter->font());
    const double arrow = style_.PointSize + 8;
    for (const auto& [position, text] : texts_) {
        if (position < visible.First || position > visible.Last) continue;
        const double value = ValueAt(position);
        const double y =
            std::isnan(value) ? ValuePixel(mValueAxis->range().center()) : ValuePixel(value);
        const QPointF point(KeyPixel(position), y);
        const QPointF tip(point.x(), point.y() - arrow);
        painter->setPen(QPen(Qt::black, 1));
        painter->drawLine(point, tip);
        QRectF box = metrics.boundingRect(text);
        box.adjust(-3, -1, 3, 1);
        box.moveCenter(QPointF(tip.x(), tip.y() - box.height() / 2.0));
        painter->setBrush(QColor(255, 255, 225));
        painter->drawRect(box);
        painter->drawText(box, Qt::AlignCenter, text);
    }
}

}  // namespace vostrel::app
