#include "engine/stats/gamma_beta.h"

#include <cmath>

#include "engine/stats/stat_error.h"

namespace vostrel {

long double LnGamma(long double x) {
    if (x <= 0.0L || x == 1.0L) return 0.0L;
    const long double b = x >= 1.0L ? x - 1.0L : x;
    const long double s = 1.0L + 76.18009173L / (b + 1.0L) - 86.50532033L / (b + 2.0L) +
                          24.01409822L / (b + 3.0L) - 1.231739516L / (b + 4.0L) +
                          0.00120858003L / (b + 5.0L) - 0.00000536382L / (b + 6.0L);
    const long double g =
        (b + 0.5L) * std::log(b + 5.5L) - (b + 5.5L) + std::log(2.50662827465L * s);
    // Below 1 the series gave ln Gamma(x + 1).
    return x >= 1.0L ? g : g - std::log(x);
}

long double BetaContFrac(StatContext& ctx, long double a, long double b, long double x) {
    constexpr int kMaxSteps = 10000;
    constexpr long double kTolerance = 3e-7L;
    long double am = 1.0L;
    long double bm = 1.0L;
    long double az = 1.0L;
    const long double qab = a + b;
    const long double qap = a + 1.0L;
    const long double qam = a - 1.0L;
    long double bz = 1.0L - qab * x / qap;
    for (int m = 1; m <= kMaxSteps; ++m) {
        const long double em = m;
        const long double tem = em + em;
        long double d = em * (b - em) * x / ((qam + tem) * (a + tem));
        const long double ap = az + d * am;
        const long double bp = bz + d * bm;
        d = -(a + em) * (qab + em) * x / ((a + tem) * (qap + tem));
        const long double app = ap + d * az;
        const long double bpp = bp + d * bz;
        const long double aold = az;
        am = ap / bpp;
        bm = bp / bpp;
        az = app / bpp;
        bz = 1.0L;
        if (std::fabs(az - aold) < kTolerance * std::fabs(az)) return az;
    }
    StatError(ctx, "- BETACF routine");
    return az;
}

long double IncompleteBeta(StatContext& ctx, long double a, long double b, long double x) {
    // Written so that a NaN x is also refused instead of running the fraction on it.
    if (!(x >= 0.0L && x <= 1.0L)) {
        ctx.StatErrorCode = StatOutsideDomain;
        return 0.0L;
    }
    long double f = 0.0L;
    if (x != 0.0L && x != 1.0L) {
        const long double l =
            LnGamma(a + b) - LnGamma(a) - LnGamma(b) + a * std::log(x) + b * std::log(1.0L - x);
        if (l >= -10000.0L) f = std::exp(l);
    }
    if (a > 0.0L && (x < (a + 1.0L) / (a + b + 2.0L) || b == 0.0L)) {
        return f * BetaContFrac(ctx, a, b, x) / a;
    }
    if (b == 0.0L) {
        // Both parameters degenerate: there is no distribution to integrate.
        ctx.StatErrorCode = StatOutsideDomain;
        return 0.0L;
    }
    return 1.0L - f * BetaContFrac(ctx, b, a, 1.0L - x) / b;
}

}  // namespace vostrel
