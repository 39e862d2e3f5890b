#include <charconv>
#include <filesystem>

#include "cli/graph_images.h"
#include "engine/graphics/graph_file_format.h"

namespace vostrel::cli {

namespace {

std::optional<int> ReadPixels(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    if (value < 16 || value > 20000) return {};
    return value;
}

}  // namespace

std::optional<ImageTarget> ParseImageSize(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> width = ReadPixels(std::string_view(text).substr(0, x));
    const std::optional<int> height = ReadPixels(std::string_view(text).substr(x + 1));
    if (!width || !height) return std::nullopt;
    ImageTarget target;
    target.width = *width;
    target.height = *height;
    return target;
}

std::optional<std::string> ReadImageTarget(const std::string& path,
                                           const std::optional<std::string>& size,
                                           ImageTarget& target) {
    if (!GraphImages::Available()) return std::string(GraphImages::UnavailableMessage());
    target = ImageTarget();
    if (size) {
        const std::optional<ImageTarget> parsed = ParseImageSize(*size);
        if (!parsed) {
            return "--size needs WIDTHxHEIGHT in pixels (16 to 20000), not \"" + *size + "\"";
        }
        target = *parsed;
    }
    target.path = path;
    return std::nullopt;
}

std::string NumberedImagePath(const std::string& path, int index) {
    if (index <= 0) return path;
    const std::filesystem::path file(path);
    std::filesystem::path numbered = file.parent_path();
    numbered /= file.stem().string() + "-" + std::to_string(index + 1) + file.extension().string();
    return numbered.string();
}

std::optional<std::string> CheckImagePath(const std::string& path) {
    if (GraphFileFormatFor(path) == GraphFileFormat::Invalid) {
        return std::string(FileExtensionNotValid) + " (" + path +
               ": use .svg, .pdf, .png, .bmp or .jpg)";
    }
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return "the folder " + folder.string() + " does not exist";
    }
    return std::nullopt;
}

}  // namespace vostrel::cli
