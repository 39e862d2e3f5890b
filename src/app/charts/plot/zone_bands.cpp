#include "app/charts/plot/zone_bands.h"

#include <algorithm>
#include <cmath>

namespace vostrel::app {

namespace {

bool SameValue(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

double At(const std::vector<double>& values, int i) {
    return i >= 0 && i < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(i)]
                                                         : std::nan("");
}

}  // namespace

ZoneBands::ZoneBands(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> centerlines,
                     std::vector<double> stdErrors, std::vector<double> lower,
                     std::vector<double> upper, const ZoneColours& colours, bool cutAtZero)
    : PositionSeries(keyAxis, valueAxis, std::move(centerlines)),
      se_(std::move(stdErrors)),
      lower_(std::move(lower)),
      upper_(std::move(upper)),
      colours_(colours),
      cutAtZero_(cutAtZero) {}

bool ZoneBands::SameBands(int a, int b) const {
    return SameValue(ValueAt(a), ValueAt(b)) && SameValue(At(se_, a), At(se_, b)) &&
           SameValue(At(lower_, a), At(lower_, b)) && SameValue(At(upper_, a), At(upper_, b));
}

void ZoneBands::Fill(QCPPainter* painter, double left, double right, double from, double to,
                     const QColor& colour) const {
    if (cutAtZero_) {
        from = std::max(from, 0.0);
        to = std::max(to, 0.0);
    }
    if (!(to > from)) return;
    const QRectF band(QPointF(left, ValuePixel(to)), QPointF(right, ValuePixel(from)));
    painter->fillRect(band.normalized(), colour);
}

// The bands of positions first..last, which all have the same values.
void ZoneBands::DrawBands(QCPPainter* painter, int first, int last) const {
    const double cl = ValueAt(first);
    const double se = At(se_, first);
    if (std::isnan(cl) || std::isnan(se) || se <= 0.0) return;
    const double left = KeyPixel(first - 0.5);
    const double right = KeyPixel(last + 0.5);
    Fill(painter, left, right, cl + se, cl + 2 * se, colours_.Middle);
    Fill(painter, left, right, cl - 2 * se, cl - se, colours_.Middle);
    if (colours_.MiddleOnly) return;
    Fill(painter, left, right, cl - se, cl + se, colours_.Inner);
    const double upper = At(upper_, first);
    const double lower = At(lower_, first);
    if (!std::isnan(upper)) Fill(painter, left, right, cl + 2 * se, upper, colours_.Outer);
    if (!std::isnan(lower)) Fill(painter, left, right, lower, cl - 2 * se, colours_.Outer);
}

void ZoneBands::draw(QCPPainter* painter) {
    const Visible visible = VisiblePositions();
    if (visible.Last < visible.First) return;
    painter->setAntialiasing(false);
    if (visible.Dense()) {
        // One point's bands per pixel column, in runs of equal columns.
        int runStart = -1;
        int runEnd = -1;
        ForEachColumn(visible, [&](int first, int last) {
            if (runStart >= 0 && SameBands(runStart, first)) {
                runEnd = last;
                return;
            }
            if (runStart >= 0) DrawBands(painter, runStart, runEnd);
            runStart = first;
            runEnd = last;
        });
        if (runStart >= 0) DrawBands(painter, runStart, runEnd);
        return;
    }
    int first = visible.First;
    while (first <= visible.Last) {
        int last = first;
        while (last < visible.Last && SameBands(first, last + 1)) ++last;
        DrawBands(painter, first, last);
        first = last + 1;
    }
}

}  // namespace vostrel::app
