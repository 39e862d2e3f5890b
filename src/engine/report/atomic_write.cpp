#include "engine/report/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace vostrel {
namespace {

WriteResult Failure(const std::string& path, int error) {
    return {false, "Cannot write the file \"" + path + "\": " + std::strerror(error) + "."};
}

// A new file beside the target that no one else has; -1 with errno set on failure.
int CreateTemporaryBeside(const std::filesystem::path& target, std::string& temporaryPath) {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    const std::filesystem::path directory = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            "." + target.filename().string() + ".tmp" + std::to_string(digits(device));
        temporaryPath = (directory / name).string();
        const int fd = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace

WriteResult WriteFileAtomically(const std::string& path, const std::string& bytes) {
    if (path.empty()) return {false, "No file name was given."};
    std::error_code ignored;
    std::filesystem::path target(path);
    if (target.filename().empty()) return Failure(path, EISDIR);
    // Saving through a link replaces the file it points to, not the link.
    if (std::filesystem::is_symlink(target, ignored)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ignored);
        if (!ignored) target = resolved;
    }

    std::string temporaryPath;
    const int fd = CreateTemporaryBeside(target, temporaryPath);
    if (fd < 0) return Failure(path, errno);

    // Keep the permissions of the file being replaced.
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) fchmod(fd, existing.st_mode & 07777);

    int error = 0;
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporaryPath.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporaryPath.c_str());
        return Failure(path, error);
    }
    return {};
}

}  // namespace vostrel
