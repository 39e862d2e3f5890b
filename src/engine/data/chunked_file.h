#pragma once
// Reads a file in chunks of whole lines, in file order, so that the chunks can be split on
// several threads. A chunk holds about chunkBytes bytes (more when one line is longer); a
// line that a read cut goes whole into the next chunk. Lines end with LF, CR LF or CR
// alone, and a CR LF is never divided between two chunks.

#include <cstddef>
#include <cstdio>
#include <string>

namespace vostrel {

class ChunkedFile {
  public:
    ChunkedFile(std::FILE* file, std::size_t chunkBytes);

    // Puts the next chunk into `chunk` (its memory is reused); false when the file has no
    // more. The last chunk may end without a line end. After a read error the chunks stop
    // with the last whole line read, and Failed() is true.
    bool Next(std::string& chunk);
    bool Failed() const { return failed_; }

  private:
    std::FILE* file_;
    std::size_t chunkBytes_;
    std::string rest_;  // the start of a line that the last read cut
    bool end_ = false;
    bool failed_ = false;
};

// Where the last line of `text` that certainly ended starts, looking no further back than
// `from`; 0 when none did. A CR as the last character may still be followed by the LF of
// its CR LF.
std::size_t StartOfCutLine(const std::string& text, std::size_t from = 0);

}  // namespace vostrel
