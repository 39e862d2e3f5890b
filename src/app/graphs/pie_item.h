#pragma once
// A pie drawn inside a plot's axis rect, so that it prints, copies and saves like every
// other graph: circular slices from the top clockwise, each with a mark holding its label
// and share, and a legend of the slice colours.

#include <QBrush>
#include <QColor>
#include <QString>

#include <qcustomplot.h>

#include <vector>

namespace vostrel::app {

struct PieSlice {
    QString Label;
    double Value = 0;
    QBrush Brush;
};

class PieItem : public QCPAbstractItem {
  public:
    explicit PieItem(QCustomPlot* plot);

    void SetSlices(std::vector<PieSlice> slices) { slices_ = std::move(slices); }
    const std::vector<PieSlice>& Slices() const { return slices_; }
    void SetMarkColour(const QColor& colour) { markColour_ = colour; }

    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;

  protected:
    void draw(QCPPainter* painter) override;

  private:
    std::vector<PieSlice> slices_;
    QColor markColour_;
};

}  // namespace vostrel::app
