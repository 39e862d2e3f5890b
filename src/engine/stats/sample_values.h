#pragma once
// Access to the values of the shared sample array for the statistics functions.

#include <algorithm>
#include <span>

#include "engine/stats/sample_array.h"

namespace vostrel {

// The number of values to describe: SampleCount, kept within the array's capacity so
// that a stale count can never read past the end.
inline int SampleSize(const SampleArray& a) {
    return std::clamp(a.SampleCount, 0, std::max(0, a.Acount()));
}

// A_Array[1..SampleSize] as a 0-based span.
inline std::span<double> SampleValues(SampleArray& a) {
    const int n = SampleSize(a);
    if (n == 0) return {};
    return {a.A_Array.data() + 1, static_cast<std::size_t>(n)};
}
inline std::span<const double> SampleValues(const SampleArray& a) {
    const int n = SampleSize(a);
    if (n == 0) return {};
    return {a.A_Array.data() + 1, static_cast<std::size_t>(n)};
}

}  // namespace vostrel
