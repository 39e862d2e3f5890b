#include "engine/stats/chi_square.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/stats/gamma_beta.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/quantile_refinement.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {
namespace {

long double PeizerPratt(long double nu, long double x) {
    const long double e = nu - 1.0L;
    const long double f = 0.08L / nu;
    // The root's argument is never negative in exact arithmetic; within rounding of
    // x = e it can be, and there the x = e value is the limit.
    const long double root = x + e * std::log(e / x) - e;
    long double g = 0.0L;
    if (x != e && root > 0.0L) {
        g = std::sqrt(root) * (x - nu + 2.0L / 3.0L - f) / std::fabs(x - e);
    } else {
        g = -(f + 1.0L / 3.0L) / std::sqrt(2.0L * nu - 2.0L);
    }
    return NormalTail(UpperTail, g);
}

long double ExactSum(int nu, long double x) {
    const long double halfX = x / 2.0L;
    if (nu % 2 == 1) {
        // Odd: 2 Q(sqrt x) + sqrt(2/pi) e^(-x/2) (sqrt x + x^(3/2)/3 + x^(5/2)/(3*5) + ...)
        const long double rootX = std::sqrt(x);
        long double term = rootX;
        long double sum = 0.0L;
        for (int k = 1; k <= (nu - 1) / 2; ++k) {
            sum += term;
            term *= x / (2 * k + 1);
        }
        const long double scale =
            std::sqrt(2.0L / std::numbers::pi_v<long double>) * std::exp(-halfX);
        return 2.0L * NormalTailSeries(UpperTail, rootX) + scale * sum;
    }
    // Even: e^(-x/2) (1 + x/2 + (x/2)^2/2! + ...)
    long double term = 1.0L;
    long double sum = 0.0L;
    for (int k = 1; k <= nu / 2; ++k) {
        sum += term;
        term *= halfX / k;
    }
    return std::exp(-halfX) * sum;
}

// Q(a, y) = Gamma(a, y) / Gamma(a), the regularized upper incomplete gamma function: the
// power series of P = 1 - Q below y = a + 1, the continued fraction of Q (modified Lentz)
// above.
long double UpperIncompleteGamma(long double a, long double y) {
    constexpr int kMaxTerms = 10000;
    constexpr long double kEpsilon = 1e-19L;
    constexpr long double kTiny = 1e-4000L;
    const long double factor = std::exp(a * std::log(y) - y - LnGamma(a));
    if (y < a + 1.0L) {
        long double term = 1.0L / a;
        long double sum = term;
        for (int n = 1; n <= kMaxTerms && std::fabs(term) > std::fabs(sum) * kEpsilon; ++n) {
            term *= y / (a + n);
            sum += term;
        }
        return std::max(1.0L - factor * sum, 0.0L);
    }
    long double b = y + 1.0L - a;
    long double c = 1.0L / kTiny;
    long double d = 1.0L / b;
    long double h = d;
    for (int i = 1; i <= kMaxTerms; ++i) {
        const long double an = -i * (i - a);
        b += 2.0L;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0L / d;
        const long double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0L) < kEpsilon) break;
    }
    return factor * h;
}

// Bounds of the search for a quantile: enough doublings to span the extended range.
constexpr int kMaxDoublings = 20000;
constexpr int kMaxBisections = 400;

// p is held within [kTailFloor, 1 - kTailFloor]: the quantiles of 0 and 1 are infinite.
constexpr long double kTailFloor = 1e-15L;
// The described method is kept where the tail at its result is this close to p, relative
// to the smaller of p and 1 - p. Its Newton steps stop at an absolute 1e-10, which is
// plenty down to tails of 1e-4 but not below; the closed form for one degree of freedom
// rests on the polynomial normal tail, good to a few parts in 1,000 of the tail down to
// 1e-12, and is kept where it is within 1%.
constexpr long double kRefinedTolerance = 1e-6L;
constexpr long double kClosedFormTolerance = 1e-2L;

long double RelativeTailError(long double nu, long double x, long double p) {
    return std::fabs(ChiSquare(UpperTail, nu, x) - p) / std::min(p, 1.0L - p);
}

// The described quantile: the closed form for one degree of freedom, else the
// Wilson-Hilferty start refined by Newton steps on ChiSquare. 0 when the start is not
// positive.
long double DescribedQuantile(long double nu, long double p) {
    if (nu == 1.0L) {
        const long double z = NormalInverse(UpperTail, p / 2.0L);
        return z * z;
    }
    const long double d = NormalInverse(UpperTail, 1.0L - p);
    const long double e = 2.0L / (9.0L * nu);
    const long double w = 1.0L - e - d * std::sqrt(e);
    long double x = nu * w * w * w;
    if (!(x > 0.0L)) return 0.0L;
    RefineQuantile(x, QuantileKind::ChiSquare, nu, p);
    return x;
}

// The quantile by bracketing and bisection on ChiSquare itself, which always converges:
// the bracket [low, high] is widened by doubling from the start until the tail at low is
// above p and at high is not, then halved geometrically (quantiles span many decades).
long double BisectedQuantile(long double nu, long double p, long double start) {
    auto tailAbove = [&](long double x) { return ChiSquare(UpperTail, nu, x) > p; };
    long double low = start;
    long double high = start;
    if (tailAbove(start)) {
        for (int i = 0; i < kMaxDoublings && tailAbove(high); ++i) {
            low = high;
            high *= 2.0L;
        }
    } else {
        for (int i = 0; i < kMaxDoublings && !tailAbove(low); ++i) {
            high = low;
            low /= 2.0L;
        }
    }
    for (int i = 0; i < kMaxBisections; ++i) {
        const long double middle = std::sqrt(low) * std::sqrt(high);
        if (!(middle > low && middle < high)) break;
        (tailAbove(middle) ? low : high) = middle;
    }
    return RelativeTailError(nu, low, p) < RelativeTailError(nu, high, p) ? low : high;
}

}  // namespace

long double ChiSquare(int mode, long double nu, long double x) {
    if (std::isnan(x) || std::isnan(nu)) return x + nu;
    long double q = 1.0L;
    if (x <= 0.0L || nu <= 0.0L) {
        q = 1.0L;
    } else if (std::isinf(x)) {
        q = 0.0L;  // the sums below would multiply 0 by infinity
    } else if (nu < 1.0L) {
        // Below one degree of freedom the sums have no terms: the incomplete gamma function.
        q = UpperIncompleteGamma(nu / 2.0L, x / 2.0L);
    } else if (nu == 1.0L) {
        q = 2.0L * NormalTailSeries(UpperTail, std::sqrt(x));
    } else if (nu > 30.0L) {
        q = PeizerPratt(nu, x);
    } else {
        q = ExactSum(static_cast<int>(nu), x);
    }
    if (mode == TwoTails && q > 0.5L) q = 1.0L - q;
    return TwoTailed(mode, q);
}

long double ChiSquareInverse(int mode, long double nu, long double p) {
    p = TailArgument(mode, p);
    if (std::isnan(p) || std::isnan(nu)) return p + nu;
    p = std::clamp(p, kTailFloor, 1.0L - kTailFloor);
    if (nu <= 0.0L) return 0.0L;
    // Where the start value is not positive (the lower quantiles of few degrees of
    // freedom) or the refinement stops short of p (tails below 1e-4), the quantile is
    // found by bisection instead.
    const long double x = DescribedQuantile(nu, p);
    const long double tolerance = nu == 1.0L ? kClosedFormTolerance : kRefinedTolerance;
    if (x > 0.0L && RelativeTailError(nu, x, p) <= tolerance) return x;
    return BisectedQuantile(nu, p, x > 0.0L ? x : std::max(nu, 1.0L));
}

}  // namespace vostrel
