#include "engine/stats/quantile_refinement.h"

#include <cmath>

#include "engine/stats/chi_square.h"
#include "engine/stats/gamma_beta.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

void RefineQuantile(long double& x, QuantileKind kind, long double nu, long double p) {
    constexpr int kMaxSteps = 1000;
    constexpr long double kTolerance = 1e-10L;
    // Log of the chi-square density's constant factor.
    const long double c =
        kind == QuantileKind::ChiSquare ? -(nu / 2.0L) * std::log(2.0L) - LnGamma(nu / 2.0L) : 0.0L;
    bool haveUpper = false;
    bool haveLower = false;
    long double upper = 0.0L;
    long double lower = 0.0L;
    for (int step = 0; step < kMaxSteps; ++step) {
        long double h = 0.0L;
        long double f = 0.0L;
        if (kind == QuantileKind::Normal) {
            h = p - NormalUpperTailAndDensity(x, f);
        } else if (x > 0.0L) {
            h = p - ChiSquare(UpperTail, nu, x);
            f = std::exp(c + ((nu - 2.0L) / 2.0L) * std::log(x) - x / 2.0L);
        } else {
            x = 0.0L;  // the chi-square tail is 1 at and below 0: nothing to refine
        }
        // h > 0: the tail at x is too small, so x is too large.
        long double next = f != 0.0L ? x - h / f : x;
        if (h > 0.0L && (!haveUpper || x < upper)) {
            upper = x;
            haveUpper = true;
        }
        if (h < 0.0L && (!haveLower || x > lower)) {
            lower = x;
            haveLower = true;
        }
        if (haveLower && next <= lower)
            next = haveUpper ? (upper + lower) / 2.0L : (lower + x) / 2.0L;
        if (haveUpper && next >= upper)
            next = haveLower ? (upper + lower) / 2.0L : (upper + x) / 2.0L;
        x = next;
        if (haveUpper && haveLower && upper - lower < kTolerance) return;
        if (std::fabs(h) < kTolerance) return;
    }
}

}  // namespace vostrel
