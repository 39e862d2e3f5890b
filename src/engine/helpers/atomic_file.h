#pragma once
// Saving without losing the old file: the text goes to a temporary file beside the target,
// which replaces the target only when everything was written. When anything fails the old
// file stays whole, the temporary file is removed and the caller gets a message naming
// the file. The replaced file's permissions are kept, and saving through a symbolic link
// replaces the file it names, not the link.

#include <cstdio>
#include <string>
#include <string_view>

namespace vostrel {

class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Text can be written in pieces; a failure is remembered until Commit.
    void Write(std::string_view text);
    // Flushes and renames over the target; false, with the target untouched, on any failure.
    bool Commit();
    // Why the file could not be written; empty while nothing failed.
    const std::string& ErrorText() const { return error_; }

  private:
    void Fail(int error);
    void Abandon();

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file that is replaced
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    std::string error_;
};

struct WriteResult {
    bool ok = true;
    std::string message;  // why the file could not be written; empty when ok
};

// Writes the whole text at once.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vostrel
