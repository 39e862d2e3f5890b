#include "app/graphs/point_text.h"

#include <qcustomplot.h>

#include <cmath>

#include "app/graphs/plot_frame.h"
#include "engine/graphs/graph_text.h"

namespace vostrel::app {

namespace {

constexpr double kNearPixels = 6;

}  // namespace

std::optional<double> PointValueAt(QCustomPlot& plot, const QPointF& pos) {
    for (int i = plot.plottableCount() - 1; i >= 0; --i) {
        QCPAbstractPlottable* plottable = plot.plottable(i);
        if (auto* graph = qobject_cast<QCPGraph*>(plottable)) {
            if (graph->scatterStyle().isNone()) continue;
            for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) {
                const QPointF p = graph->coordsToPixels(it->key, it->value);
                if (std::hypot(p.x() - pos.x(), p.y() - pos.y()) <= kNearPixels) return it->value;
            }
        } else if (auto* candles = qobject_cast<QCPFinancial*>(plottable)) {
            QVariant details;
            if (candles->selectTest(pos, false, &details) < 0 ||
                candles->selectTest(pos, false, &details) > kNearPixels)
                continue;
            const QCPDataSelection selection = details.value<QCPDataSelection>();
            if (selection.isEmpty()) continue;
            const auto it = candles->data()->at(selection.dataRange().begin());
            const double y = candles->valueAxis()->pixelToCoord(pos.y());
            double best = it->open;
            for (double v : {it->high, it->low, it->close})
                if (std::fabs(v - y) < std::fabs(best - y)) best = v;
            return best;
        }
    }
    return std::nullopt;
}

QString PointText(const NumberLocale& locale, double y) {
    return QStringLiteral("Y=") + ToQString(FormatGeneralDigits(locale, 12, y));
}

bool OverTitle(const QCustomPlot& plot, const QPointF& pos) {
    auto* title = qobject_cast<QCPTextElement*>(plot.layoutElementAt(pos));
    return title != nullptr && title->objectName() == QStringLiteral("Title");
}

}  // namespace vostrel::app
