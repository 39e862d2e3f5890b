#pragma once
// A folder of its own for a test under the system's temporary folder, removed with
// everything in it when the test ends.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace vostrel::testing {

class TempDir {
  public:
    // The name shows in the folder's name; a random part keeps parallel tests apart.
    explicit TempDir(const std::string& name = "test") {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("vostrel-" + name + "-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    // Writes the bytes exactly as given and returns the file's path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::string file = File(name);
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    static std::string Read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::size_t EntryCount() const {
        std::size_t count = 0;
        for (auto it = std::filesystem::directory_iterator(path_);
             it != std::filesystem::directory_iterator(); ++it)
            ++count;
        return count;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace vostrel::testing
