// --image through the desktop program's drawing code.

#include <qcustomplot.h>
#include <QSize>
#include <QString>

#include "app/charts/plot/control_chart_plot.h"
#include "app/common/graph_services/offscreen_graphics.h"
#include "cli/graph_images.h"
#include "engine/control_charts/chart_picture.h"
#include "engine/workspace.h"

namespace vostrel::cli {

struct GraphImages::Drawing {
    app::OffscreenGraphics graphics;
};

bool GraphImages::Available() { return true; }

const char* GraphImages::UnavailableMessage() { return ""; }

GraphImages::GraphImages() : drawing_(std::make_unique<Drawing>()) {}

GraphImages::~GraphImages() = default;

std::string GraphImages::WritePlot(const ImageTarget& target, const PlotDrawing& draw) {
    return app::RenderGraphImage(QString::fromStdString(target.path),
                                 QSize(target.width, target.height), draw)
        .toStdString();
}

std::string GraphImages::WriteControlChart(const Workspace& ws, const ImageTarget& target) {
    const ChartPicture picture = BuildChartPicture(ws);
    app::ControlChartStyle style;
    style.Locale = ws.report.numberLocale;
    return WritePlot(target, [&picture, &style](QCustomPlot& plot) {
        app::DrawControlChart(plot, picture, style);
    });
}

}  // namespace vostrel::cli
