#pragma once
// Whether the machine has room for a large piece of work, so that a command can be refused
// with a message instead of running the program out of memory half way.

#include <cstddef>

namespace vostrel {

// The memory the system can still give this program, in bytes; 0 when it cannot tell.
std::size_t AvailableMemoryBytes();

// True when `bytes` fit in the memory available (or when that cannot be told).
bool EnoughMemoryFor(std::size_t bytes);

}  // namespace vostrel
