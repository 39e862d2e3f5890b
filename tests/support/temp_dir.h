#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when
// the test ends. The process id keeps parallel test runs apart.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace vostrel::testing {

class TempDir {
  public:
    explicit TempDir(const std::string& name) {
        path_ = std::filesystem::temp_directory_path() /
                ("vostrel-" + name + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for (auto it = std::filesystem::directory_iterator(path_);
             it != std::filesystem::directory_iterator(); ++it) {
            ++count;
        }
        return count;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace vostrel::testing
