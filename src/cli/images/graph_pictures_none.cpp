// The graphs' pictures in a tool built without the desktop program: refused.

#include "cli/graph_pictures.h"

namespace vostrel::cli {

struct GraphPictures::Drawing {};

bool GraphPictures::Available() { return false; }

const char* GraphPictures::UnavailableMessage() {
    return "--image is not available: this vostrel-cli was built without the desktop program "
           "(VOSTREL_BUILD_APP=OFF)";
}

GraphPictures::GraphPictures() = default;

GraphPictures::~GraphPictures() = default;

std::string GraphPictures::WritePPA(const PPACharts& /*charts*/, PPAPage /*page*/,
                                    const GraphPicture& /*picture*/) {
    return UnavailableMessage();
}

std::string GraphPictures::WriteBoxPlot(const BoxPlot& /*plot*/, const GraphPicture& /*picture*/) {
    return UnavailableMessage();
}

std::string GraphPictures::WriteHistogram(const HistogramResult& /*histogram*/,
                                          const GraphPicture& /*picture*/) {
    return UnavailableMessage();
}

}  // namespace vostrel::cli
