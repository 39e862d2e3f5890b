#include "engine/graphics/graph_file_format.h"

#include <cctype>
#include <string>

namespace vostrel {

namespace {

std::string UpperExtension(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    std::string extension(path.substr(dot));
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

GraphFileFormat GraphFileFormatFor(std::string_view path, GraphFormats offered) {
    const std::string extension = UpperExtension(path);
    if (extension == ".SVG") return GraphFileFormat::Svg;
    if (extension == ".PDF") return GraphFileFormat::Pdf;
    if (extension == ".PNG") return GraphFileFormat::Png;
    if (extension == ".BMP") return GraphFileFormat::Bmp;
    if ((extension == ".JPG" || extension == ".JPEG") && offered == GraphFormats::All) {
        return GraphFileFormat::Jpeg;
    }
    return GraphFileFormat::Invalid;
}

const char* GraphSaveFilter(GraphFormats offered) {
    if (offered == GraphFormats::WithoutJpeg) {
        return "Scalable Vector Graphics (*.svg);;PDF Documents (*.pdf);;PNG Images (*.png);;"
               "Bitmaps (*.bmp);;All (*.svg *.pdf *.png *.bmp)";
    }
    return "Scalable Vector Graphics (*.svg);;PDF Documents (*.pdf);;PNG Images (*.png);;"
           "Bitmaps (*.bmp);;JPEG Images (*.jpg);;All (*.svg *.pdf *.png *.bmp *.jpg)";
}

}  // namespace vostrel
