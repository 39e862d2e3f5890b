#pragma once
// Pictures of the performance charts, box plots and histogram for vostrel-cli graph
// --image, drawn by the same code as their windows on the offscreen platform. A tool built
// without the desktop program (-DVOSTREL_BUILD_APP=OFF) has the same interface and refuses
// with a clear message.

#include <memory>
#include <optional>
#include <string>

#include "engine/graphs/box_plot.h"
#include "engine/graphs/histogram.h"
#include "engine/graphs/ppa_charts.h"

namespace vostrel::cli {

struct GraphPicture {
    std::string Path;
    int Width = 1200;
    int Height = 800;
    bool BlackWhite = false;
};

// "WxH" with both between 16 and 20000 pixels, into the picture's size. False when the
// text is not such a size.
bool ReadPictureSize(const std::string& text, GraphPicture& picture);

// The file of page `index` (from 0) of several: the path itself for the first, then the
// path with "-2", "-3", ... before its extension.
std::string NumberedPicturePath(const std::string& path, int index);

// Why nothing can be written to the path (an extension that is no picture format, a folder
// that does not exist), or nothing.
std::optional<std::string> CheckPicturePath(const std::string& path);

class GraphPictures {
  public:
    // False when the tool was built without the desktop program.
    static bool Available();
    static const char* UnavailableMessage();

    GraphPictures();  // starts the drawing (nothing when not available)
    ~GraphPictures();
    GraphPictures(const GraphPictures&) = delete;
    GraphPictures& operator=(const GraphPictures&) = delete;

    // Each returns an empty text, or why nothing was written.
    std::string WritePPA(const PPACharts& charts, PPAPage page, const GraphPicture& picture);
    std::string WriteBoxPlot(const BoxPlot& plot, const GraphPicture& picture);
    std::string WriteHistogram(const HistogramResult& histogram, const GraphPicture& picture);

  private:
    struct Drawing;
    std::unique_ptr<Drawing> drawing_;
};

}  // namespace vostrel::cli
