#include "engine/data/line_reader.h"

namespace vostrel {

namespace {
constexpr std::size_t kChunkSize = 1 << 20;
}

bool LineReader::Fill() {
    if (eof_ || failed_) return false;
    buffer_.resize(kChunkSize);
    const std::size_t got = std::fread(buffer_.data(), 1, kChunkSize, file_);
    buffer_.resize(got);
    pos_ = 0;
    if (got < kChunkSize) {
        if (std::ferror(file_)) failed_ = true;
        eof_ = true;
    }
    return got > 0;
}

bool LineReader::Next(std::string_view& line) {
    line_.clear();
    bool haveText = false;  // something of this line has been read (it may still be empty)
    while (true) {
        if (pos_ >= buffer_.size()) {
            if (!Fill()) {
                if (failed_) return false;
                line = line_;
                return haveText;
            }
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[pos_] == '\n') ++pos_;
            if (pos_ >= buffer_.size()) continue;
        }
        const std::size_t start = pos_;
        while (pos_ < buffer_.size() && buffer_[pos_] != '\n' && buffer_[pos_] != '\r') ++pos_;
        std::string_view piece(buffer_.data() + start, pos_ - start);
        if (pos_ < buffer_.size()) {
            const char end = buffer_[pos_++];
            if (end == '\r') {
                if (pos_ < buffer_.size()) {
                    if (buffer_[pos_] == '\n') ++pos_;
                } else {
                    skipLineFeed_ = true;
                }
            }
            if (line_.empty()) {
                line = piece;  // the whole line lies in the buffer: no copy
            } else {
                line_.append(piece);
                line = line_;
            }
            return true;
        }
        line_.append(piece);
        haveText = true;
    }
}

}  // namespace vostrel
