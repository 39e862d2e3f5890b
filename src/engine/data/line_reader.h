#pragma once
// Reads a file line by line in large chunks, so that lines of any length and files of any
// size pass through a small buffer. LF, CR LF and CR alone all end a line.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vostrel {

class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    // The next line without its end, valid until the next call; false at the end of the
    // file or when reading failed (then Failed() is true).
    bool Next(std::string_view& line);
    bool Failed() const { return failed_; }

  private:
    bool Fill();

    std::FILE* file_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::string line_;  // a line that spans two chunks
    bool eof_ = false;
    bool failed_ = false;
    bool skipLineFeed_ = false;  // the last chunk ended in CR: a LF that follows belongs to it
};

}  // namespace vostrel
