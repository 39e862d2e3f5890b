#include "engine/data/cell_text_buffer.h"

#include <algorithm>

namespace vostrel {

void CellTextBuffer::Grow(std::size_t more) {
    bytes_.resize(std::max(bytes_.size() * 2, size_ + more + kBlock));
}

}  // namespace vostrel
