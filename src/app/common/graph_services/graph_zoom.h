#pragma once
// Zoom and Zoom Out of a graph window: the axis ranges of the last drawing are the home;
// zooming or scrolling with the mouse leaves them and enables Zoom Out, which goes back.

#include <QObject>
#include <QPointer>
#include <QVector>

#include <qcustomplot.h>

namespace vostrel::app {

class GraphZoom : public QObject {
    Q_OBJECT
  public:
    // Lets the user zoom into a rectangle dragged with the mouse (white with a black pen)
    // and with the wheel.
    explicit GraphZoom(QCustomPlot& plot);

    // The ranges as they are now become the home (call after drawing).
    void RememberHome();
    void ZoomOut();
    bool Zoomed() const { return zoomed_; }

  signals:
    void ZoomedChanged(bool zoomed);

  private:
    void CheckRanges();
    void SetZoomed(bool zoomed);

    struct AxisRange {
        QPointer<QCPAxis> Axis;
        QCPRange Range;
    };
    QCustomPlot& plot_;
    QVector<AxisRange> home_;
    bool zoomed_ = false;
};

}  // namespace vostrel::app
