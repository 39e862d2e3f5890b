#pragma once
// The mouse-over text of the plot windows: over a data point, "Y=" and the point's value.

#include <QPointF>
#include <QString>

#include <optional>

class QCustomPlot;

namespace vostrel {
struct NumberLocale;
}

namespace vostrel::app {

// The value of the data point under the mouse (within a few pixels), if any: for a candle
// the one of its four values nearest the mouse.
std::optional<double> PointValueAt(QCustomPlot& plot, const QPointF& pos);

// "Y=" and the value with 12 significant digits.
QString PointText(const NumberLocale& locale, double y);

// True when the position is over the plot's title.
bool OverTitle(const QCustomPlot& plot, const QPointF& pos);

}  // namespace vostrel::app
