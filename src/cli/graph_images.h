#pragma once
// Pictures of graphs for --image, drawn by the desktop program's own drawing code on the
// offscreen platform. The tool built without the desktop program (-DVOSTREL_BUILD_APP=OFF)
// has the same interface and refuses with a clear message.
//
// A command that writes pictures of another kind of graph adds a pair of files to images/:
// NAME_qt.cpp draws with GraphImages::WritePlot and the desktop program's drawing function,
// NAME_none.cpp returns GraphImages::UnavailableMessage(); the build takes the pair that fits.

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vostrel {
class Workspace;
}

class QCustomPlot;

namespace vostrel::cli {

struct ImageTarget {
    std::string path;
    int width = 1200;
    int height = 800;
};

// "WxH" with both between 16 and 20000 pixels.
std::optional<ImageTarget> ParseImageSize(const std::string& text);

// The target of --image PATH with --size TEXT (1200x800 when there is no TEXT), or why not:
// a size that is no WIDTHxHEIGHT, or a tool that cannot draw. Both are usage errors.
std::optional<std::string> ReadImageTarget(const std::string& path,
                                           const std::optional<std::string>& size,
                                           ImageTarget& target);

// The file of the chart at index (from 0) of a list: the path itself for the first, then
// the path with "-2", "-3", ... before its extension.
std::string NumberedImagePath(const std::string& path, int index);

// Why nothing can be written to the path (an extension that is no picture format, a folder
// that does not exist), or nothing.
std::optional<std::string> CheckImagePath(const std::string& path);

class GraphImages {
  public:
    // False when the tool was built without the desktop program.
    static bool Available();
    static const char* UnavailableMessage();

    GraphImages();  // starts the drawing (a no-op when not available)
    ~GraphImages();
    GraphImages(const GraphImages&) = delete;
    GraphImages& operator=(const GraphImages&) = delete;

    // Draws the current control chart of ws (with its view and display options) into the
    // file. Returns an empty text, or why nothing was written.
    std::string WriteControlChart(const Workspace& ws, const ImageTarget& target);

    // Gives a plot of the target's size to draw and writes it to the target's file. Returns an
    // empty text, or why nothing was written.
    using PlotDrawing = std::function<void(QCustomPlot&)>;
    std::string WritePlot(const ImageTarget& target, const PlotDrawing& draw);

  private:
    struct Drawing;
    std::unique_ptr<Drawing> drawing_;
};

}  // namespace vostrel::cli
