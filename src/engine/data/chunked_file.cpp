#include "engine/data/chunked_file.h"

#include <algorithm>

namespace vostrel {

ChunkedFile::ChunkedFile(std::FILE* file, std::size_t chunkBytes)
    : file_(file), chunkBytes_(std::max<std::size_t>(chunkBytes, 1)) {}

std::size_t StartOfCutLine(const std::string& text, std::size_t from) {
    for (std::size_t i = text.size(); i > from; --i) {
        const char c = text[i - 1];
        if (c == '\n') return i;
        if (c == '\r' && i < text.size()) return i;  // what follows is not its LF
    }
    return 0;
}

namespace {

// After a read error nothing more comes, so a last CR ends its line.
std::size_t EndOfLastLine(const std::string& text) {
    for (std::size_t i = text.size(); i > 0; --i)
        if (text[i - 1] == '\n' || text[i - 1] == '\r') return i;
    return 0;
}

}  // namespace

bool ChunkedFile::Next(std::string& chunk) {
    chunk.swap(rest_);  // the line the last read cut comes first
    rest_.clear();
    while (!end_) {
        const std::size_t had = chunk.size();
        chunk.resize(had + chunkBytes_);
        const std::size_t got = std::fread(chunk.data() + had, 1, chunkBytes_, file_);
        chunk.resize(had + got);
        if (got < chunkBytes_) {
            end_ = true;
            if (std::ferror(file_)) {
                failed_ = true;
                chunk.resize(EndOfLastLine(chunk));
            }
            break;
        }
        // Only the new text can end a line (or its first character end a CR before it).
        const std::size_t cut = StartOfCutLine(chunk, had > 0 ? had - 1 : 0);
        if (cut > 0) {
            rest_.assign(chunk, cut);
            chunk.resize(cut);
            return true;
        }
        // One line is longer than a chunk: read on.
    }
    return !chunk.empty();
}

}  // namespace vostrel
