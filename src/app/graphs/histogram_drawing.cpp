#include "app/graphs/histogram_drawing.h"

#include <qcustomplot.h>

#include "app/graphs/plot_frame.h"

namespace vostrel::app {

namespace {

using namespace graph_colours;

QVector<double> Xs(const std::vector<GraphPoint>& points) {
    QVector<double> xs;
    for (const GraphPoint& p : points) xs << p.X;
    return xs;
}
QVector<double> Ys(const std::vector<GraphPoint>& points) {
    QVector<double> ys;
    for (const GraphPoint& p : points) ys << p.Y;
    return ys;
}

QCPGraph* LineSeries(QCustomPlot& plot, const QString& name, const std::vector<GraphPoint>& points,
                     const QPen& pen) {
    auto* graph = new QCPGraph(plot.xAxis, plot.yAxis);
    graph->setObjectName(name);
    graph->setPen(pen);
    graph->setData(Xs(points), Ys(points), true);
    return graph;
}

// A vertical line from the axis up to its height, its label in a mark at the top.
void AddLine(QCustomPlot& plot, const HistogramLine& line, const QColor& colour,
             const QColor& markColour) {
    auto* stroke = new QCPItemLine(&plot);
    stroke->setObjectName(QStringLiteral("Series2"));
    stroke->setPen(QPen(colour, 2));
    stroke->start->setCoords(line.X, 0);
    stroke->end->setCoords(line.X, line.Height);
    auto* mark = new QCPItemText(&plot);
    mark->setObjectName(QStringLiteral("Series2Mark"));
    mark->position->setCoords(line.X, line.Height);
    mark->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    mark->setText(ToQString(line.Label));
    mark->setBrush(markColour);
    mark->setPen(QPen(Qt::black));
    mark->setPadding(QMargins(2, 1, 2, 1));
}

}  // namespace

void DrawHistogram(QCustomPlot& plot, const HistogramResult& h, bool blackWhite) {
    ResetPlot(plot);
    const QColor textColour = blackWhite ? QColor(Qt::black) : Blue;
    SetPlotTitle(plot, h.Titles, textColour);
    SetPlotFooter(plot, h.Footer, textColour);
    plot.xAxis->setLabel(ToQString(h.BottomAxisTitle));
    plot.yAxis->setLabel(ToQString(h.LeftAxisTitle));
    if (!h.Drawn) {
        plot.replot();
        return;
    }
    const QColor drawing = blackWhite ? QColor(Qt::black) : Red;
    const QColor marks = blackWhite ? QColor(Qt::white) : LightYellow;

    if (h.Type == HistogramType::Histograms) {
        auto* bars = new QCPBars(plot.xAxis, plot.yAxis);
        bars->setObjectName(QStringLiteral("Series1"));
        bars->setWidth(h.IntervalSize);
        bars->setPen(QPen(Qt::black, 1));
        bars->setBrush(blackWhite ? Silver : Green);
        bars->setData(Xs(h.Bars), Ys(h.Bars), true);
    } else {
        LineSeries(plot, QStringLiteral("Series5"), h.Polygon,
                   QPen(blackWhite ? QColor(Qt::black) : Green, 3));
    }
    for (const HistogramLine& line : h.Lines)
        AddLine(plot, line, line.Process ? QColor(Qt::black) : drawing, marks);
    if (!h.Curve.empty()) LineSeries(plot, QStringLiteral("Series4"), h.Curve, QPen(drawing, 2));
    auto* stretch = new QCPGraph(plot.xAxis, plot.yAxis);
    stretch->setObjectName(QStringLiteral("Series3"));
    stretch->setLineStyle(QCPGraph::lsNone);
    stretch->setScatterStyle(QCPScatterStyle::ssNone);
    stretch->setData({h.StretchLow.X, h.StretchHigh.X}, {h.StretchLow.Y, h.StretchHigh.Y});

    QSharedPointer<QCPAxisTickerFixed> ticks(new QCPAxisTickerFixed);
    ticks->setTickStep(h.AxisIncrement);
    ticks->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    plot.xAxis->setTicker(ticks);
    plot.xAxis->setRange(std::min(h.AxisMin, h.StretchLow.X), std::max(h.AxisMax, h.StretchHigh.X));
    plot.yAxis->setRange(0, std::max(h.StretchHigh.Y, 1e-9));
    plot.yAxis->setNumberFormat(QStringLiteral("f"));
    plot.yAxis->setNumberPrecision(h.LeftAxisTitle == "Relative Frequency" ? 3 : 0);

    plot.xAxis2->setVisible(true);
    plot.xAxis2->setTicks(false);
    plot.xAxis2->setTickLabels(false);
    plot.xAxis2->setLabel(ToQString(h.CountLabel));
    plot.replot();
}

}  // namespace vostrel::app
