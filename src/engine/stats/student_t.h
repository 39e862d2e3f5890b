#pragma once
// Tail probabilities of Student's t distribution.

namespace vostrel {

// P(T > |t|) (mode 1) or P(|T| > |t|) (mode 2) for nu degrees of freedom: the sign of t
// is ignored. Integer nu up to 30 is summed exactly; larger or fractional nu uses a
// five-term expansion around the normal tail.
long double StudentT(int mode, long double nu, long double t);

}  // namespace vostrel
