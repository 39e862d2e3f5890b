#pragma once
// Tail probabilities of the F distribution.

#include "engine/stats/stat_context.h"

namespace vostrel {

// Upper-tail probability P(F > f) with nu1 numerator and nu2 denominator degrees of
// freedom (mode 1), or twice the smaller tail (mode 2).
long double FProb(StatContext& ctx, int mode, long double nu1, long double nu2, long double f);

}  // namespace vostrel
