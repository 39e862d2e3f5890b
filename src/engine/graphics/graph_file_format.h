#pragma once
// Which picture format a graph is saved in, chosen by the file name's extension.

#include <string_view>

namespace vostrel {

enum class GraphFileFormat { Invalid, Svg, Pdf, Png, Bmp, Jpeg };

inline constexpr std::string_view FileExtensionNotValid = "File Extension Not Valid!";

// Which formats a window offers: every one, or every one but JPEG.
enum class GraphFormats { All, WithoutJpeg };

// The format for a path by its extension, upper-cased: ".SVG", ".PDF", ".PNG", ".BMP",
// ".JPG" (and ".JPEG"). Invalid for any other extension, for none, and for ".JPG" when the
// window does not offer JPEG.
GraphFileFormat GraphFileFormatFor(std::string_view path, GraphFormats offered = GraphFormats::All);

// The save dialog's filter, one entry per format offered, then all of them together.
// Entries are separated by ";;".
const char* GraphSaveFilter(GraphFormats offered);

}  // namespace vostrel
