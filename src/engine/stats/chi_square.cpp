#include "engine/stats/chi_square.h"

#include <cmath>
#include <numbers>

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

}  // namespace

long double ChiSquare(int mode, long double nu, long double x) {
    if (std::isnan(x) || std::isnan(nu)) return x + nu;
    long double q = 1.0L;
    if (x <= 0.0L || nu < 1.0L) {
        q = 1.0L;
    } else if (std::isinf(x)) {
        q = 0.0L;  // the sums below would multiply 0 by infinity
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
    if (p < 1e-9L) p = 1e-9L;
    if (p > 0.999999999L) p = 0.999999999L;
    if (nu == 1.0L) {
        const long double z = NormalInverse(UpperTail, p / 2.0L);
        return z * z;
    }
    if (nu <= 0.0L) return 0.0L;
    // Wilson-Hilferty start value, then Newton steps on ChiSquare.
    const long double d = NormalInverse(UpperTail, 1.0L - p);
    const long double e = 2.0L / (9.0L * nu);
    const long double w = 1.0L - e - d * std::sqrt(e);
    long double x = nu * w * w * w;
    if (x < 0.0L) x = 0.0L;
    // ChiSquare has no tail below one degree of freedom (it answers 1), so Newton steps
    // on it would run away; there the start value is the answer.
    if (x > 0.0L && nu >= 1.0L) RefineQuantile(x, QuantileKind::ChiSquare, nu, p);
    return x;
}

}  // namespace vostrel
