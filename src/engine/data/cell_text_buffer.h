#pragma once
// The text of many short cells, one after the other, as a chunk of a data file collects it
// column by column. Copying a few bytes of exact length costs a call and a dozen decisions,
// so a cell of up to 16 characters is copied as one 16-byte block when the source can be
// read that far; the bytes past the cell's end are overwritten by the next one.

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace vostrel {

class CellTextBuffer {
  public:
    std::string_view View() const { return {bytes_.data(), size_}; }
    std::size_t size() const { return size_; }
    void clear() { size_ = 0; }

    // Appends `text`; `readable` is how many bytes may be read from text.data() on.
    void Append(std::string_view text, std::size_t readable) {
        if (bytes_.size() - size_ < text.size() + kBlock) Grow(text.size());
        char* const to = bytes_.data() + size_;
        if (text.size() <= kBlock && readable >= kBlock)
            std::memcpy(to, text.data(), kBlock);
        else
            std::memcpy(to, text.data(), text.size());
        size_ += text.size();
    }

  private:
    static constexpr std::size_t kBlock = 16;

    // Room for `more` bytes and a block beyond them. Rarely called, so kept out of line.
    void Grow(std::size_t more);

    std::vector<char> bytes_;  // its size is the room; the first size_ bytes are the text
    std::size_t size_ = 0;
};

}  // namespace vostrel
