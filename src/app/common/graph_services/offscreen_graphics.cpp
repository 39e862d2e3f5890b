#include "app/common/graph_services/offscreen_graphics.h"

#include <qcustomplot.h>
#include <QApplication>

#include <cstdlib>

#include "app/common/graph_services/graph_image.h"

namespace vostrel::app {

namespace {

bool HasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// QApplication keeps references to its arguments for its whole life.
int applicationArgc = 1;
char applicationName[] = "vostrel-cli";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

OffscreenGraphics::OffscreenGraphics() {
    if (QApplication::instance() != nullptr) return;
    if (!HasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    app_ = std::make_unique<QApplication>(applicationArgc, applicationArgv);
}

OffscreenGraphics::~OffscreenGraphics() = default;

QString RenderGraphImage(const QString& path, QSize size,
                         const std::function<void(QCustomPlot&)>& draw) {
    const GraphFileFormat format = GraphFileFormatFor(path.toStdString());
    if (format == GraphFileFormat::Invalid) {
        return QStringLiteral("%1 (%2: use .svg, .pdf, .png, .bmp or .jpg)")
            .arg(QString::fromLatin1(FileExtensionNotValid.data(),
                                     static_cast<int>(FileExtensionNotValid.size())),
                 path);
    }
    QCustomPlot plot;
    plot.resize(size);
    plot.setViewport(QRect(QPoint(0, 0), size));
    draw(plot);
    // Tickers place their labels by the axis lengths of the last layout: a first layout at
    // the picture's size lets the picture get the labels a window of that size shows.
    plot.replot(QCustomPlot::rpImmediateRefresh);
    return WritePlotFile(plot, path, format, size);
}

}  // namespace vostrel::app
