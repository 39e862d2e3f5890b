#pragma once
// Tail probabilities and quantiles of the standard normal distribution.

namespace vostrel {

// Standard normal density.
long double NormalDensity(long double z);

// Upper-tail probability P(Z > z) (mode 1) or P(|Z| > |z|) (mode 2) by a five-term
// polynomial approximation with an absolute error below 7.5e-8; 0 beyond |z| = 8.
long double NormalTail(int mode, long double z);

// NormalTail(1, z) and NormalDensity(z) together, sharing their exponential.
long double NormalUpperTailAndDensity(long double z, long double& density);

// The same probability from the power series of the normal integral; 0 beyond |z| = 8.6.
long double NormalTailSeries(int mode, long double z);

// The z whose upper-tail probability (mode 1) or two-tailed probability (mode 2) is p,
// so that a small p gives a large positive z. p is clamped into [1e-9, 0.999999999].
long double NormalInverse(int mode, long double p);

}  // namespace vostrel
