#include "app/common/graph_services/graph_zoom.h"

#include <QTimer>

namespace vostrel::app {

GraphZoom::GraphZoom(QCustomPlot& plot) : plot_(plot) {
    plot.setInteractions(QCP::iRangeZoom);
    plot.setSelectionRectMode(QCP::srmZoom);
    if (QCPSelectionRect* rect = plot.selectionRect()) {
        rect->setPen(QPen(Qt::black));
        rect->setBrush(QBrush(QColor(255, 255, 255, 96)));
    }
    // The plot zooms while it handles the event; the ranges are compared afterwards.
    auto later = [this] { QTimer::singleShot(0, this, [this] { CheckRanges(); }); };
    connect(&plot, &QCustomPlot::mouseRelease, this, later);
    connect(&plot, &QCustomPlot::mouseWheel, this, later);
}

void GraphZoom::RememberHome() {
    home_.clear();
    for (QCPAxisRect* rect : plot_.axisRects()) {
        for (QCPAxis* axis : rect->axes()) home_.append({axis, axis->range()});
    }
    SetZoomed(false);
}

void GraphZoom::CheckRanges() {
    for (const AxisRange& entry : home_) {
        if (entry.Axis.isNull()) continue;
        if (entry.Axis->range() != entry.Range) {
            SetZoomed(true);
            return;
        }
    }
}

void GraphZoom::ZoomOut() {
    for (const AxisRange& entry : home_) {
        if (!entry.Axis.isNull()) entry.Axis->setRange(entry.Range);
    }
    plot_.replot();
    SetZoomed(false);
}

void GraphZoom::SetZoomed(bool zoomed) {
    if (zoomed_ == zoomed) return;
    zoomed_ = zoomed;
    emit ZoomedChanged(zoomed);
}

}  // namespace vostrel::app
