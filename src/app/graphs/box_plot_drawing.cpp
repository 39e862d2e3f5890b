#include "app/graphs/box_plot_drawing.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "app/graphs/plot_frame.h"

namespace vostrel::app {

namespace {

using namespace graph_colours;

QCPGraph* PointSeries(QCustomPlot& plot, const QString& name, const QCPScatterStyle& style) {
    auto* graph = new QCPGraph(plot.xAxis, plot.yAxis);
    graph->setName(name);
    graph->setObjectName(name);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setScatterStyle(style);
    return graph;
}

// A horizontal stroke of the given half length in pixels, as a point marker.
QCPScatterStyle Stroke(int halfLength, const QPen& pen) {
    QPainterPath path;
    path.moveTo(-halfLength, 0);
    path.lineTo(halfLength, 0);
    QCPScatterStyle style(path, pen, Qt::NoBrush, 6);
    return style;
}

// Group labels on the bottom axis; with many groups only as many as fit are written.
void LabelGroups(QCustomPlot& plot, const BoxPlot& box, int plotWidth) {
    QSharedPointer<QCPAxisTickerText> labels(new QCPAxisTickerText);
    const int k = static_cast<int>(box.Groups.size());
    const int fit = std::max(1, plotWidth / 28);
    const int step = std::max(1, (k + fit - 1) / fit);
    for (int i = 0; i < k; i += step)
        labels->addTick(i, ToQString(box.Groups[static_cast<std::size_t>(i)].Label));
    plot.xAxis->setTicker(labels);
    plot.xAxis->setRange(-0.5, k - 0.5);
}

void SampleSizes(QCustomPlot& plot, const BoxPlot& box, int plotWidth) {
    QSharedPointer<QCPAxisTickerText> sizes(new QCPAxisTickerText);
    const int k = static_cast<int>(box.Groups.size());
    const int step =
        std::max(1, (k + std::max(1, plotWidth / 28) - 1) / std::max(1, plotWidth / 28));
    for (int i = 0; i < k; i += step)
        sizes->addTick(i, QString::number(box.Groups[static_cast<std::size_t>(i)].n));
    plot.xAxis2->setVisible(true);
    plot.xAxis2->setTicker(sizes);
    plot.xAxis2->setRange(-0.5, k - 0.5);
    plot.xAxis2->setTickLabels(true);
    auto* caption = new QCPItemText(&plot);
    caption->setObjectName(QStringLiteral("SampleSizeCaption"));
    caption->setClipToAxisRect(false);
    caption->position->setType(QCPItemPosition::ptAxisRectRatio);
    caption->position->setCoords(0, 0);
    caption->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
    caption->setPadding(QMargins(0, 0, 4, 3));
    caption->setFont(plot.xAxis2->tickLabelFont());
    caption->setText(QStringLiteral("n:"));
}

// Each present limit as a stroke across its group's slot: one line series with breaks.
void SpecificationStrokes(QCustomPlot& plot, const BoxPlot& box, const BoxPlotView& view) {
    const struct {
        const char* name;
        std::optional<double> BoxGroup::*limit;
        QColor colour;
    } specs[] = {{"Series_USL", &BoxGroup::USL, Red},
                 {"Series_Target", &BoxGroup::Target, Green},
                 {"Series_LSL", &BoxGroup::LSL, Red}};
    for (const auto& spec : specs) {
        QVector<double> keys, values;
        for (std::size_t i = 0; i < box.Groups.size(); ++i) {
            const std::optional<double>& limit = box.Groups[i].*spec.limit;
            if (!limit) continue;
            const double x = static_cast<double>(i);
            keys << x - 0.5 << x + 0.5 << x + 0.5;
            values << *limit << *limit << std::nan("");
        }
        if (keys.isEmpty()) continue;
        auto* graph = new QCPGraph(plot.xAxis, plot.yAxis);
        graph->setObjectName(QString::fromLatin1(spec.name));
        graph->setPen(QPen(view.BlackWhite ? QColor(Qt::black) : spec.colour, view.LineThickness));
        graph->setData(keys, values, true);
    }
}

}  // namespace

void DrawBoxPlot(QCustomPlot& plot, const BoxPlot& box, const BoxPlotView& view) {
    ResetPlot(plot);
    const QColor textColour = view.BlackWhite ? QColor(Qt::black) : Blue;
    SetPlotTitle(plot, box.Titles, textColour);
    SetPlotFooter(plot, box.Footer, textColour);
    plot.yAxis->setLabel(ToQString(box.LeftAxisTitle));
    plot.xAxis->setLabel(ToQString(box.BottomAxisTitle));
    plot.yAxis->grid()->setVisible(view.GridLines);
    if (view.AxisDecimals >= 0) {
        plot.yAxis->setNumberFormat(QStringLiteral("f"));
        plot.yAxis->setNumberPrecision(view.AxisDecimals);
    }
    // The pixel sizes follow the plot area the axes leave.
    plot.replot(QCustomPlot::rpImmediateRefresh);
    const QRect area = plot.axisRect()->rect();
    const int k = static_cast<int>(box.Groups.size());
    if (k == 0) {
        plot.replot();
        return;
    }
    const BoxLayout layout = ComputeBoxLayout(k, area.left(), area.right(), view.PlotWidth);
    LabelGroups(plot, box, area.width());
    if (view.ShowSampleSize) SampleSizes(plot, box, area.width());

    const int outline = std::min(view.LineThickness, 3);
    auto* candles = new QCPFinancial(plot.xAxis, plot.yAxis);
    candles->setObjectName(QStringLiteral("Series_Box"));
    candles->setChartStyle(QCPFinancial::csCandlestick);
    candles->setWidthType(QCPFinancial::wtAbsolute);
    candles->setWidth(layout.CandleWidth);
    candles->setTwoColored(true);
    const QColor fill = view.BlackWhite ? Silver : LightRed;
    candles->setBrushPositive(fill);
    candles->setBrushNegative(fill);
    candles->setPenPositive(QPen(Qt::black, outline));
    candles->setPenNegative(QPen(Qt::black, outline));

    QCPGraph* centre = PointSeries(
        plot, QStringLiteral("Series_Center"),
        QCPScatterStyle(QCPScatterStyle::ssDisc, Qt::black, Qt::black, layout.CenterSize));
    const QColor farColour = view.BlackWhite ? QColor(Qt::black) : Red;
    QCPGraph* far = PointSeries(
        plot, QStringLiteral("Series_WO"),
        QCPScatterStyle(QCPScatterStyle::ssDisc, farColour, farColour, layout.OutlierSize * 2));
    QCPGraph* mild = PointSeries(plot, QStringLiteral("Series_MO"),
                                 QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Grey, 1),
                                                 Qt::white, layout.OutlierSize * 2));
    QCPGraph* fence = PointSeries(plot, QStringLiteral("Series_Fence"),
                                  Stroke(layout.FenceHalfLength, QPen(Qt::black, outline)));

    for (int i = 0; i < k; ++i) {
        const BoxGroup& g = box.Groups[static_cast<std::size_t>(i)];
        candles->addData(i, g.Q1, g.HighWhisker, g.LowWhisker, g.Q3);
        centre->addData(i, g.Median);
        for (double v : g.FarOutliers) far->addData(i, v);
        for (double v : g.MildOutliers) mild->addData(i, v);
        fence->addData(i, g.LowWhisker);
        fence->addData(i, g.HighWhisker);
    }
    SpecificationStrokes(plot, box, view);
    plot.yAxis->rescale();
    plot.yAxis->scaleRange(1.1, plot.yAxis->range().center());
    if (plot.yAxis->range().size() <= 0)
        plot.yAxis->setRange(plot.yAxis->range().lower - 1, plot.yAxis->range().upper + 1);
    plot.replot();
}

}  // namespace vostrel::app
