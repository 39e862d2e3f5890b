#pragma once
// The allocator of the table's large per-column and per-row arrays. It is the standard
// one: asking the kernel to back these arrays with huge pages was tried and, measured
// whole-process on a million-row table, made the first touch of fresh memory slower and
// far more variable than ordinary pages on the virtual machines the program is measured
// on, so the hint was dropped. The name stays so that the arrays' types read the same.

#include <memory>

namespace vostrel {

template <typename T>
using LargeArrayAllocator = std::allocator<T>;

}  // namespace vostrel
