#pragma once
// Saving without losing the old file: the bytes go to a temporary file beside the target,
// which is then renamed over it. When anything fails the old file stays whole, the
// temporary file is removed and the caller gets a message naming the file.

#include <string>

namespace vostrel {

struct WriteResult {
    bool ok = true;
    std::string message;  // why the file could not be written; empty when ok
};

WriteResult WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace vostrel
