#pragma once
// Writes a file so that a failure never damages what was there before: the text goes to a
// temporary file beside the target, which replaces the target only when everything was
// written. An abandoned or failed write removes the temporary file.

#include <cstdio>
#include <string>
#include <string_view>

namespace vostrel {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be created.
    bool IsOpen() const { return file_ != nullptr; }
    void Write(std::string_view text);
    // Flushes and renames over the target; false (and the target untouched) on any failure.
    bool Commit();
    // What went wrong, for messages that need more than the program's own text.
    const std::string& ErrorText() const { return error_; }

private:
    void Abandon();

    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string error_;
};

// Writes the whole text at once; false on failure.
bool WriteFileAtomically(const std::string& path, std::string_view text);

}  // namespace vostrel
