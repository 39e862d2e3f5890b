#pragma once
// Tail probabilities and quantiles of the chi-square distribution.

namespace vostrel {

// Upper-tail probability P(X > x) for nu degrees of freedom (mode 1), or twice the
// smaller tail (mode 2). From 1 to 30 degrees of freedom (used through their integer
// part) it is summed exactly; above 30 it uses the Peizer-Pratt normal approximation;
// below 1 the incomplete gamma function. 1 for x <= 0 or nu <= 0.
long double ChiSquare(int mode, long double nu, long double x);

// The x whose upper-tail probability is p (mode 1; for mode 2 p is two-tailed), p
// clamped into [1e-15, 1 - 1e-15]; p = 0.5 gives the median. 0 for nu <= 0. The closed
// form for nu = 1, else a Wilson-Hilferty start refined by Newton steps; where that start
// is not positive or the steps stop short of p, bracketing and bisection on ChiSquare, so
// that ChiSquare(ChiSquareInverse(p)) is p for every nu > 0.
long double ChiSquareInverse(int mode, long double nu, long double p);

}  // namespace vostrel
