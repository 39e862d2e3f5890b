#pragma once
// A list of texts kept in one character buffer with one end offset each: what an undo step
// keeps of the cells it changed costs their text plus four bytes a cell.

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

class PackedTexts {
  public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }

    std::string_view operator[](std::size_t i) const {
        const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

    void push_back(std::string_view text) {
        if (text_.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("texts too long");
        text_.append(text);
        ends_.push_back(static_cast<std::uint32_t>(text_.size()));
    }

    void reserve(std::size_t count, std::size_t bytes = 0) {
        ends_.reserve(count);
        text_.reserve(bytes);
    }
    void clear() {
        text_.clear();
        ends_.clear();
    }
    void shrink_to_fit() {
        text_.shrink_to_fit();
        ends_.shrink_to_fit();
    }

    std::size_t Bytes() const {
        return text_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
    }

  private:
    std::string text_;
    std::vector<std::uint32_t> ends_;
};

}  // namespace vostrel
