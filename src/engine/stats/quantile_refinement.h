#pragma once
// The safeguarded Newton iteration that the inverse distribution functions finish with.

namespace vostrel {

enum class QuantileKind { Normal, ChiSquare };

// Moves x until the upper-tail probability at x is p: Newton steps on the tail
// probability, kept inside the bracket of the points already seen, at most 1000 steps;
// stops when the bracket is narrower than 1e-10 or the probability is within 1e-10.
// nu is the degrees of freedom of the chi-square kind and is ignored for the normal.
void RefineQuantile(long double& x, QuantileKind kind, long double nu, long double p);

}  // namespace vostrel
