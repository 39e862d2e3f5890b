#include "engine/helpers/file_checks.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace vostrel {

std::string OpenFileProblem(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (path.empty() || ec || !std::filesystem::exists(status)) return "File Not Found!\n\n" + path;
    if (std::filesystem::is_directory(status))
        return "This is a folder, not a file:\n\n" + path +
               "\n\nChoose a data or configuration file.";
    if (!std::filesystem::is_regular_file(status)) return "This is not a regular file:\n\n" + path;
    std::ifstream probe(path, std::ios::binary);
    if (!probe) return "The file cannot be read (no permission?):\n\n" + path;
    return {};
}

std::string DataFileNameProblem(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == ".VOS")
        return "A data table cannot be saved as a configuration file (.vos):\n\n" + path +
               "\n\nChoose a name ending in .zqx, .dat or .txt.";
    return {};
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::filesystem::path name(path);
    if (path.empty() || name.has_extension() || !name.has_filename()) return path;
    return path + "." + extension;
}

}  // namespace vostrel
