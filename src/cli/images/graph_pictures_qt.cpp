// The graphs' pictures through the desktop program's drawing code.

#include <qcustomplot.h>
#include <QSize>
#include <QString>

#include <functional>

#include "app/graphs/box_plot_drawing.h"
#include "app/graphs/histogram_drawing.h"
#include "app/graphs/ppa_drawing.h"
#include "app/common/graph_services/offscreen_graphics.h"
#include "cli/graph_pictures.h"

namespace vostrel::cli {

namespace {

std::string Render(const GraphPicture& picture, const std::function<void(QCustomPlot&)>& draw) {
    return app::RenderGraphImage(QString::fromStdString(picture.Path),
                                 QSize(picture.Width, picture.Height), draw)
        .toStdString();
}

}  // namespace

struct GraphPictures::Drawing {
    app::OffscreenGraphics graphics;
};

bool GraphPictures::Available() { return true; }

const char* GraphPictures::UnavailableMessage() { return ""; }

GraphPictures::GraphPictures() : drawing_(std::make_unique<Drawing>()) {}

GraphPictures::~GraphPictures() = default;

std::string GraphPictures::WritePPA(const PPACharts& charts, PPAPage page,
                                    const GraphPicture& picture) {
    return Render(picture, [&](QCustomPlot& plot) {
        app::DrawPPAPage(plot, charts, page, picture.BlackWhite);
    });
}

std::string GraphPictures::WriteBoxPlot(const BoxPlot& box, const GraphPicture& picture) {
    app::BoxPlotView view;
    view.BlackWhite = picture.BlackWhite;
    return Render(picture, [&](QCustomPlot& plot) { app::DrawBoxPlot(plot, box, view); });
}

std::string GraphPictures::WriteHistogram(const HistogramResult& histogram,
                                          const GraphPicture& picture) {
    return Render(picture, [&](QCustomPlot& plot) {
        app::DrawHistogram(plot, histogram, picture.BlackWhite);
    });
}

}  // namespace vostrel::cli
