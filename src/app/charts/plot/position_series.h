#pragma once
// The base of the control chart's own series: values at the positions 0, 1, 2 ... of the
// key axis, NaN where nothing is drawn. Where the positions outnumber the pixels the series
// draw one pixel column at a time (its smallest and largest value), so a chart of any length
// costs what its width costs.

#include <qcustomplot.h>

#include <functional>
#include <vector>

namespace vostrel::app {

class PositionSeries : public QCPAbstractPlottable {
    Q_OBJECT
  public:
    PositionSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values);

    const std::vector<double>& Values() const { return values_; }
    // The value at a position; NaN outside the series.
    double ValueAt(int position) const;

    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange,
                         QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

  protected:
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

    // The positions inside the key axis range (and one beyond on each side); empty when
    // none: last < first.
    struct Visible {
        int First = 0;
        int Last = -1;
        double PixelsPerPosition = 1.0;
        bool Dense() const { return PixelsPerPosition < 1.0; }
    };
    Visible VisiblePositions() const;
    // Calls f(first, last) for every run of visible positions that share a pixel column.
    void ForEachColumn(const Visible& visible, const std::function<void(int, int)>& f) const;

    double KeyPixel(double key) const { return mKeyAxis->coordToPixel(key); }
    double ValuePixel(double value) const { return mValueAxis->coordToPixel(value); }

    std::vector<double> values_;
};

}  // namespace vostrel::app
