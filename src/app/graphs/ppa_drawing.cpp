#include "app/graphs/ppa_drawing.h"

#include <qcustomplot.h>

#include <algorithm>

#include "app/graphs/pie_item.h"
#include "app/graphs/plot_frame.h"

namespace vostrel::app {

namespace {

using namespace graph_colours;

// A hatch over a solid background, so that the segment is not see-through.
QBrush Hatched(const QColor& background, const QColor& lines, Qt::BrushStyle style) {
    QPixmap tile(16, 16);
    tile.fill(background);
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), QBrush(lines, style));
    return QBrush(tile);
}

// The fill of series `index` (0..4) of a stacked page. The opportunity page's fifth series
// is "Opportunity"; the variance page's is "Measurement".
QBrush SeriesBrush(PPAPage page, int index, bool blackWhite) {
    if (!blackWhite) {
        switch (index) {
            case 0:
                return Red;
            case 1:
                return Green;
            case 2:
                return Yellow;
            case 3:
                return Blue;
            default:
                return page == PPAPage::VarianceBars ? QBrush(Teal) : QBrush(Aqua);
        }
    }
    switch (index) {
        case 0:
            return QBrush(Qt::black);
        case 1:
            return QBrush(Qt::white);
        case 2:
            return QBrush(Grey);
        case 3:
            // The cross-hatch marks the top index segment of both index pages.
            return page == PPAPage::VarianceBars ? QBrush(Silver)
                                                 : Hatched(Silver, Qt::black, Qt::DiagCrossPattern);
        default:
            return page == PPAPage::VarianceBars ? Hatched(Silver, Qt::black, Qt::DiagCrossPattern)
                                                 : Hatched(Qt::white, Qt::black, Qt::BDiagPattern);
    }
}

void DrawStacked(QCustomPlot& plot, const PPAStackedChart& chart, PPAPage page, bool blackWhite) {
    const bool percent = page == PPAPage::VarianceBars;
    QSharedPointer<QCPAxisTickerText> labels(new QCPAxisTickerText);
    const int count = static_cast<int>(chart.Bars.size());
    for (int i = 0; i < count; ++i)
        labels->addTick(i + 1, ToQString(chart.Bars[static_cast<std::size_t>(i)].Label));
    plot.xAxis->setTicker(labels);
    plot.xAxis->setRange(0.4, count + 0.6);
    plot.xAxis->setTickLabelFont(QFont(QStringLiteral("Monospace"), 8));
    if (count > 6) plot.xAxis->setTickLabelRotation(-40);

    QCPBars* below = nullptr;
    for (std::size_t s = 0; s < chart.Series.size(); ++s) {
        auto* bars = new QCPBars(plot.xAxis, plot.yAxis);
        bars->setName(ToQString(chart.Series[s].Title));
        bars->setWidth(0.6);
        bars->setPen(QPen(Qt::black, 1));
        bars->setBrush(SeriesBrush(page, static_cast<int>(s), blackWhite));
        QVector<double> keys, values;
        for (int i = 0; i < count; ++i) {
            const PPABar& bar = chart.Bars[static_cast<std::size_t>(i)];
            // A series without a point for this bar stands as an empty segment, so every
            // bar keeps its segments together.
            double value = bar.Values[s].value_or(0.0);
            if (percent) value = PPAStackedChart::PercentShares(bar)[s];
            keys << i + 1;
            values << value;
        }
        bars->setData(keys, values, true);
        if (below != nullptr) bars->moveAbove(below);
        below = bars;
        if (!chart.Series[s].InLegend) plot.legend->removeItem(plot.legend->itemCount() - 1);
    }
    if (percent) {
        plot.yAxis->setRange(0, 100);
        plot.yAxis->setLabel(QStringLiteral("%"));
    } else {
        const double top = chart.HighestStack();
        double bottom = 0;  // a negative index (a mean beyond a limit) hangs below the axis
        for (const PPABar& bar : chart.Bars) bottom = std::min(bottom, bar.Values[0].value_or(0.0));
        plot.yAxis->setRange(bottom * 1.1, top > 0 ? top * 1.1 : 1);
    }
    plot.legend->setVisible(true);
    plot.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
}

void DrawPie(QCustomPlot& plot, const PPAPie& pie, bool blackWhite) {
    plot.xAxis->setVisible(false);
    plot.yAxis->setVisible(false);
    static const QColor colours[] = {Red, Green, Yellow, Blue, Teal};
    static const Qt::BrushStyle patterns[] = {Qt::SolidPattern, Qt::Dense6Pattern,
                                              Qt::DiagCrossPattern, Qt::BDiagPattern,
                                              Qt::HorPattern};
    // Patterns over white in black and white.
    std::vector<PieSlice> slices;
    for (std::size_t i = 0; i < pie.Slices.size(); ++i) {
        const std::size_t k = i % 5;
        slices.push_back(
            {ToQString(pie.Slices[i].Label), pie.Slices[i].Value,
             blackWhite ? Hatched(Qt::white, Qt::black, patterns[k]) : QBrush(colours[k])});
    }
    auto* item = new PieItem(&plot);
    item->SetSlices(std::move(slices));
    item->SetMarkColour(blackWhite ? QColor(Qt::white) : LightYellow);
}

}  // namespace

void DrawPPAPage(QCustomPlot& plot, const PPACharts& charts, PPAPage page, bool blackWhite) {
    ResetPlot(plot);
    const QColor titleColour = blackWhite ? QColor(Qt::black) : Blue;
    if (page == PPAPage::VariancePie) {
        SetPlotTitle(plot, charts.VariancePie.Titles, titleColour);
        DrawPie(plot, charts.VariancePie, blackWhite);
    } else {
        const PPAStackedChart& chart = charts.Stacked(page);
        SetPlotTitle(plot, chart.Titles, titleColour);
        DrawStacked(plot, chart, page, blackWhite);
    }
    plot.replot();
}

}  // namespace vostrel::app
