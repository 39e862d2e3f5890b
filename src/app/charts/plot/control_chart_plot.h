#pragma once
// Draws the picture of a control chart on a plot: the location chart above the dispersion
// chart in one area, sized by the slider, with every series, the codes on the top axis,
// the point labels, the set separators, the title and the foot. The chart window and
// vostrel-cli --image both draw through DrawControlChart.

#include <QPointF>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

#include "app/common/graph_services/graph_title_target.h"
#include "engine/control_charts/chart_picture.h"
#include "engine/report/report_locale.h"

class QCPAxis;
class QCPAxisRect;
class QCPTextElement;
class QCustomPlot;

namespace vostrel::app {

class PositionSeries;

// Font sizes of the chart (the titles dialog changes them) and the number locale of the
// axes.
struct ControlChartStyle {
    GraphTitleSizes Sizes{11, 9, 9, 8, 8};
    NumberLocale Locale;
};

// What the window needs of a drawn chart: its parts and every series with its title.
struct ControlChartView {
    struct Series {
        QPointer<PositionSeries> Plottable;
        QString Title;
        bool Statistic = false;
        bool Upper = true;  // on the upper chart (else the lower)
    };

    QPointer<QCPAxisRect> Upper;
    QPointer<QCPAxisRect> Lower;  // only while both charts are shown
    QPointer<QCPTextElement> Title;
    QPointer<QCPTextElement> Foot;
    QPointer<QCPAxis> LeftAxis;
    QPointer<QCPAxis> DispersionAxis;
    QPointer<QCPAxis> BottomAxis;
    QPointer<QCPAxis> CodeAxis;
    int UpperRow = 0;
    std::vector<Series> AllSeries;  // in the order the mouse finds them
};

ControlChartView DrawControlChart(QCustomPlot& plot, const ChartPicture& picture,
                                  const ControlChartStyle& style);

// Shares the height between the two charts (percent for the upper one); replots.
void PlaceChartSlider(QCustomPlot& plot, const ControlChartView& view, int position);

// The series point under the mouse.
struct ChartHit {
    QString Title;  // the series title
    int Position = 0;
    double Value = 0.0;
    bool Statistic = false;
    bool Upper = true;
};
std::optional<ChartHit> FindChartPoint(const ControlChartView& view, const ChartPicture& picture,
                                       const QPointF& pixel);

}  // namespace vostrel::app
