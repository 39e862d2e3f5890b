#pragma once
// The log-gamma function and the regularized incomplete beta function.

#include "engine/stats/stat_context.h"

namespace vostrel {

// ln Gamma(x) by a six-term Lanczos series (about ten correct digits); 0 for x <= 0
// and for x = 1.
long double LnGamma(long double x);

// The continued fraction of the incomplete beta function. When it has not converged
// after 10000 steps it reports "- BETACF routine" through StatError and returns the
// last approximation.
long double BetaContFrac(StatContext& ctx, long double a, long double b, long double x);

// Regularized incomplete beta I_x(a, b). For x outside [0, 1] it sets the error code to
// 99 and returns 0.
long double IncompleteBeta(StatContext& ctx, long double a, long double b, long double x);

}  // namespace vostrel
