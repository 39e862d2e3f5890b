// --image in a tool built without the desktop program: refused with a clear message.

#include "cli/graph_images.h"

namespace vostrel::cli {

struct GraphImages::Drawing {};

bool GraphImages::Available() { return false; }

const char* GraphImages::UnavailableMessage() {
    return "--image is not available: this vostrel-cli was built without the desktop program "
           "(VOSTREL_BUILD_APP=OFF)";
}

GraphImages::GraphImages() = default;

GraphImages::~GraphImages() = default;

std::string GraphImages::WriteControlChart(const Workspace& /*ws*/, const ImageTarget& /*target*/) {
    return UnavailableMessage();
}

std::string GraphImages::WritePlot(const ImageTarget& /*target*/, const PlotDrawing& /*draw*/) {
    return UnavailableMessage();
}

}  // namespace vostrel::cli
