#pragma once
// The first argument of every probability function: 1 (or anything but 2) for the upper
// tail, 2 for both tails.

namespace vostrel {

inline constexpr int UpperTail = 1;
inline constexpr int TwoTails = 2;

// For mode 2 the two-tailed probability 2 * min(p, 1 - p); p unchanged otherwise.
long double TwoTailed(int mode, long double p);

// The upper-tail probability an inverse function looks for: |p|, and for mode 2 the
// half of the two-tailed p on the side it lies.
long double TailArgument(int mode, long double p);

}  // namespace vostrel
