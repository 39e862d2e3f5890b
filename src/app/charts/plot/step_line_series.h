#pragma once
// A line through per-position values: stepped (each value a level half a position to either
// side of its point, joined upright where the value changes; the limit lines), or straight
// from point to point. NaN interrupts the line.

#include "app/charts/plot/position_series.h"

namespace vostrel::app {

class StepLineSeries : public PositionSeries {
    Q_OBJECT
  public:
    StepLineSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values,
                   bool stepped = true);

  protected:
    void draw(QCPPainter* painter) override;

  private:
    void DrawSteps(QCPPainter* painter, const Visible& visible) const;
    void DrawStraight(QCPPainter* painter, const Visible& visible) const;
    void DrawColumns(QCPPainter* painter, const Visible& visible) const;

    bool stepped_;
};

}  // namespace vostrel::app
