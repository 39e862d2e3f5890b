#include "engine/data/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vostrel {

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {
    std::string pattern = path_ + ".tmpXXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    // A new file gets the usual permissions rather than mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    tempPath_ = pattern;
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno);
        ::close(fd);
        std::remove(tempPath_.c_str());
        return;
    }
    static constexpr std::size_t kBufferSize = 1 << 20;
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Write(std::string_view text) {
    if (file_ == nullptr || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
}

bool AtomicFileWriter::Commit() {
    if (file_ == nullptr) return false;
    bool ok = !failed_;
    if (ok && std::fflush(file_) != 0) {
        ok = false;
        error_ = std::strerror(errno);
    }
    if (ok && ::fsync(::fileno(file_)) != 0) {
        ok = false;
        error_ = std::strerror(errno);
    }
    if (std::fclose(file_) != 0 && ok) {
        ok = false;
        error_ = std::strerror(errno);
    }
    file_ = nullptr;
    if (ok && std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        ok = false;
        error_ = std::strerror(errno);
    }
    if (!ok) std::remove(tempPath_.c_str());
    tempPath_.clear();
    return ok;
}

void AtomicFileWriter::Abandon() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        std::remove(tempPath_.c_str());
        tempPath_.clear();
    }
}

bool WriteFileAtomically(const std::string& path, std::string_view text) {
    AtomicFileWriter writer(path);
    writer.Write(text);
    return writer.Commit();
}

}  // namespace vostrel
