#pragma once
// The zones behind a chart: for every point a band as wide as the point spacing, within one
// standard error of the centerline, between one and two, and between two and the limit,
// each in its colour. In black and white only the middle band is drawn (silver). Bands of a
// dispersion chart stop at zero.

#include <QColor>

#include <vector>

#include "app/charts/plot/position_series.h"

namespace vostrel::app {

struct ZoneColours {
    QColor Inner{128, 255, 128};
    QColor Middle{255, 255, 0};
    QColor Outer{255, 128, 128};
    bool MiddleOnly = false;
};

class ZoneBands : public PositionSeries {
    Q_OBJECT
  public:
    // values are the centerlines; NaN standard errors have no band.
    ZoneBands(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> centerlines,
              std::vector<double> stdErrors, std::vector<double> lower, std::vector<double> upper,
              const ZoneColours& colours, bool cutAtZero);

  protected:
    void draw(QCPPainter* painter) override;

  private:
    bool SameBands(int a, int b) const;
    void DrawBands(QCPPainter* painter, int first, int last) const;
    void Fill(QCPPainter* painter, double left, double right, double from, double to,
              const QColor& colour) const;

    std::vector<double> se_;
    std::vector<double> lower_;
    std::vector<double> upper_;
    ZoneColours colours_;
    bool cutAtZero_;
};

}  // namespace vostrel::app
