#include "cli/graph_images.h"
#include "cli/graph_pictures.h"

// The picture options of `graph` follow those of `chart --image`.
namespace vostrel::cli {

bool ReadPictureSize(const std::string& text, GraphPicture& picture) {
    const std::optional<ImageTarget> size = ParseImageSize(text);
    if (!size) return false;
    picture.Width = size->width;
    picture.Height = size->height;
    return true;
}

std::string NumberedPicturePath(const std::string& path, int index) {
    return NumberedImagePath(path, index);
}

std::optional<std::string> CheckPicturePath(const std::string& path) {
    return CheckImagePath(path);
}

}  // namespace vostrel::cli
