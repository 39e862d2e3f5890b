#pragma once
// The analysis sets of a chart: a black upright between the last point of a set and the
// first point of the next, through both charts, and at the top of the chart each set's
// label in white on black (the first at the left edge).

#include <QFont>
#include <QString>

#include <qcustomplot.h>

#include <vector>

namespace vostrel::app {

struct SetMark {
    double X = 0.0;    // position on the key axis
    bool Line = true;  // false for the first set's label at the left edge
    QString Label;
};

class SetSeparators : public QCPAbstractItem {
    Q_OBJECT
  public:
    // top is the chart the labels stand on; bottom the lowest chart the lines reach (the
    // same rect when only one chart is drawn).
    SetSeparators(QCustomPlot* plot, QCPAxisRect* top, QCPAxisRect* bottom,
                  std::vector<SetMark> marks, int lineWidth, const QFont& font);

    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;
    const std::vector<SetMark>& Marks() const { return marks_; }

  protected:
    void draw(QCPPainter* painter) override;

  private:
    QPointer<QCPAxisRect> top_;
    QPointer<QCPAxisRect> bottom_;
    std::vector<SetMark> marks_;
    int lineWidth_;
    QFont font_;
};

}  // namespace vostrel::app
