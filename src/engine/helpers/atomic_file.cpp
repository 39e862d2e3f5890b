#include "engine/helpers/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vostrel {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

// Saving through a link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path target(path);
    if (std::filesystem::is_symlink(target, ec)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) return resolved.string();
    }
    return path;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : path_(path), target_(ResolveTarget(path)) {
    if (path.empty() || std::filesystem::path(target_).filename().empty()) {
        Fail(EISDIR);
        return;
    }
    std::string pattern = target_ + ".tmpXXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        Fail(errno);
        return;
    }
    tempPath_ = pattern;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        Fail(errno);
        ::close(fd);
        Abandon();
        return;
    }
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Fail(int error) {
    if (error_.empty())
        error_ = "Cannot write the file \"" + path_ + "\": " + std::strerror(error) + ".";
}

void AtomicFileWriter::Write(std::string_view text) {
    if (file_ == nullptr || !error_.empty()) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail(errno);
}

bool AtomicFileWriter::Commit() {
    if (file_ == nullptr) {
        Abandon();
        return false;
    }
    if (error_.empty() && std::fflush(file_) != 0) Fail(errno);
    if (error_.empty() && ::fsync(::fileno(file_)) != 0) Fail(errno);
    if (std::fclose(file_) != 0) Fail(errno);
    file_ = nullptr;
    if (error_.empty() && std::rename(tempPath_.c_str(), target_.c_str()) != 0) Fail(errno);
    if (error_.empty()) tempPath_.clear();
    Abandon();
    return error_.empty();
}

void AtomicFileWriter::Abandon() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.Write(bytes);
    if (writer.Commit()) return {};
    return {false, writer.ErrorText()};
}

}  // namespace vostrel
