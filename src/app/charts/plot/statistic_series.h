#pragma once
// The location or dispersion statistic: circles in the normal or the signal colour (in black
// and white a signalled point is a white circle with a black outline), segments joining the
// points that belong together, each in the colour of its second point, and the user's texts
// above their points. Where the positions outnumber the pixels each pixel column shows its
// lowest and highest point, and every signalled point is still drawn.

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/charts/plot/position_series.h"

namespace vostrel::app {

struct StatisticStyle {
    QColor Normal = Qt::blue;
    QColor Signalled = Qt::red;
    bool HollowSignals = false;  // black and white: signalled points are white circles
    int PointSize = 3;           // radius in pixels
    int LineWidth = 1;
};

class StatisticSeries : public PositionSeries {
    Q_OBJECT
  public:
    StatisticSeries(QCPAxis* keyAxis, QCPAxis* valueAxis, std::vector<double> values,
                    std::vector<std::uint8_t> signalled, std::vector<std::uint8_t> joined,
                    const StatisticStyle& style);

    void SetPointTexts(std::vector<std::pair<int, QString>> texts) { texts_ = std::move(texts); }
    const StatisticStyle& Style() const { return style_; }
    bool IsSignalled(int position) const;

  protected:
    void draw(QCPPainter* painter) override;

  private:
    QColor ColourAt(int position) const;
    void DrawPoint(QCPPainter* painter, int position) const;
    // The point as a small picture, for drawing many of them on a raster canvas.
    QImage PointSprite(bool signalled) const;
    void DrawSegments(QCPPainter* painter, const Visible& visible) const;
    void DrawPoints(QCPPainter* painter, const Visible& visible) const;
    void DrawTexts(QCPPainter* painter, const Visible& visible) const;

    std::vector<std::uint8_t> signalled_;
    std::vector<std::uint8_t> joined_;
    std::vector<std::pair<int, QString>> texts_;
    StatisticStyle style_;
};

}  // namespace vostrel::app
