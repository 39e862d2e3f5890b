#include "engine/data/grid/memory_check.h"

#include <unistd.h>

#include <fstream>
#include <string>

namespace vostrel {

std::size_t AvailableMemoryBytes() {
    // The kernel's estimate of what can be had without swapping, page cache included.
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::size_t kilobytes = 0;
    std::string unit;
    while (meminfo >> key >> kilobytes >> unit)
        if (key == "MemAvailable:") return kilobytes * 1024;
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize);
}

bool EnoughMemoryFor(std::size_t bytes) {
    const std::size_t available = AvailableMemoryBytes();
    return available == 0 || bytes <= available;
}

}  // namespace vostrel
