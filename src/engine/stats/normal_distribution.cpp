#include "engine/stats/normal_distribution.h"

#include <cmath>
#include <numbers>

#include "engine/stats/quantile_refinement.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

long double NormalDensity(long double z) {
    return std::exp(-z * z / 2.0L) / std::sqrt(2.0L * std::numbers::pi_v<long double>);
}

namespace {

// The polynomial tail at |z| given e = exp(-z^2 / 2).
long double PolynomialTail(long double z, long double e) {
    const long double az = std::fabs(z);
    if (az > 8.0L) return 0.0L;
    const long double t = 1.0L / (1.0L + 0.2316419L * az);
    return 0.3989422804L * e * t *
           (0.31938153L +
            t * (-0.356563782L + t * (1.781477937L + t * (-1.821255978L + t * 1.330274429L))));
}

}  // namespace

long double NormalTail(int mode, long double z) {
    long double q = PolynomialTail(z, std::exp(-z * z / 2.0L));
    if (mode != TwoTails && z <= 0.0L) q = 1.0L - q;
    return TwoTailed(mode, q);
}

long double NormalUpperTailAndDensity(long double z, long double& density) {
    const long double e = std::exp(-z * z / 2.0L);
    density = e / std::sqrt(2.0L * std::numbers::pi_v<long double>);
    const long double q = PolynomialTail(z, e);
    return z <= 0.0L ? 1.0L - q : q;
}

long double NormalTailSeries(int mode, long double z) {
    if (std::isnan(z)) return z;  // the series below would never meet its stopping rule
    if (mode != TwoTails && z < -8.6L) return 1.0L;
    if (std::fabs(z) > 8.6L) return 0.0L;
    if (z == 0.0L) return TwoTailed(mode, 0.5L);
    // Phi(z) - 0.5 = phi(z) * (z + z^3/3 + z^5/(3*5) + ...)
    const long double phi = NormalDensity(z);
    const long double z2 = z * z;
    long double term = z * z2 * phi / 3.0L;
    long double sum = z * phi + term;
    long double k = 3.0L;
    do {
        k += 2.0L;
        // z2 / k does not depend on the previous term, so the divisions overlap.
        term *= z2 / k;
        sum += term;
    } while (std::fabs(term) >= 1e-20L);
    return TwoTailed(mode, 0.5L - sum);
}

long double NormalInverse(int mode, long double p) {
    p = TailArgument(mode, p);
    if (p == 0.5L) return 0.0L;
    if (std::isnan(p)) return p;
    if (p <= 0.0L) p = 1e-9L;
    if (p >= 1.0L) p = 0.999999999L;
    // Rational start value, good to about 4.5e-4, then Newton steps on NormalTail.
    const long double q = p <= 0.5L ? p : 1.0L - p;
    const long double t = std::sqrt(std::log(1.0L / (q * q)));
    long double z = t - (2.515517L + 0.802853L * t + 0.010328L * t * t) /
                            (1.0L + 1.432788L * t + 0.189269L * t * t + 0.001308L * t * t * t);
    if (p >= 0.5L) z = -z;
    RefineQuantile(z, QuantileKind::Normal, 0.0L, p);
    return z;
}

}  // namespace vostrel
