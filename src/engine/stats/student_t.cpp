#include "engine/stats/student_t.h"

#include <cmath>
#include <numbers>

#include "engine/stats/normal_distribution.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {
namespace {

// Two-tailed probability from the expansion in powers of 1/nu.
long double TwoTailedBySeries(long double nu, long double t) {
    const long double o = t * t;
    if (o > 1000.0L) return 0.0L;
    if (t < 5e-5L) return 1.0L;
    const long double o2 = o * o;
    const long double o3 = o2 * o;
    const long double o4 = o3 * o;
    const long double o5 = o4 * o;
    const long double o6 = o5 * o;
    const long double o7 = o6 * o;
    const long double o8 = o7 * o;
    const long double o9 = o8 * o;
    const long double c1 = (o + 1.0L) / 4.0L;
    const long double c2 = (3.0L * o3 - 7.0L * o2 - 5.0L * o - 3.0L) / 96.0L;
    const long double c3 = (o5 - 11.0L * o4 + 14.0L * o3 + 6.0L * o2 - 3.0L * o - 15.0L) / 384.0L;
    const long double c4 = (15.0L * o7 - 375.0L * o6 + 2225.0L * o5 - 2141.0L * o4 - 939.0L * o3 -
                            213.0L * o2 - 915.0L * o + 945.0L) /
                           92160.0L;
    const long double c5 = (3.0L * o9 - 133.0L * o8 + 1764.0L * o7 - 7516.0L * o6 + 5994.0L * o5 +
                            2490.0L * o4 + 1140.0L * o3 + 180.0L * o2 + 5355.0L * o + 17955.0L) /
                           368640.0L;
    const long double n2 = nu * nu;
    const long double n3 = n2 * nu;
    const long double n4 = n3 * nu;
    const long double n5 = n4 * nu;
    const long double series = c1 / nu + c2 / n2 + c3 / n3 + c4 / n4 + c5 / n5;
    const long double a = 2.0L * (NormalTail(UpperTail, t) + NormalDensity(t) * t * series);
    // For few degrees of freedom the expansion can overshoot below 0; a probability cannot.
    return a < 0.0L ? 0.0L : a;
}

// Two-tailed probability for integer nu from 1 to 30 by the finite trigonometric sums.
long double TwoTailedExact(int nu, long double t) {
    // At t = 0 the angle is 0 for every nu, also for nu = 0 where t / sqrt(nu) is 0 / 0.
    const long double theta =
        t == 0.0L ? 0.0L : std::atan(t / std::sqrt(static_cast<long double>(nu)));
    const long double pi = std::numbers::pi_v<long double>;
    const long double s = std::sin(theta);
    const long double c2 = std::cos(theta) * std::cos(theta);
    long double v = 0.0L;
    if (nu == 1) {
        v = 2.0L * theta / pi;
    } else if (nu % 2 == 0) {
        long double term = 1.0L;
        long double sum = 1.0L;
        for (int j = 2; j <= nu - 2; j += 2) {
            term *= c2 * (j - 1) / j;
            sum += term;
        }
        v = s * sum;
    } else {
        long double term = 1.0L;
        long double sum = 1.0L;
        for (int j = 3; j <= nu - 2; j += 2) {
            term *= c2 * (j - 1) / j;
            sum += term;
        }
        v = 2.0L / pi * (theta + s * std::cos(theta) * sum);
    }
    return v < 1.0L ? 1.0L - v : 0.0L;
}

}  // namespace

long double StudentT(int mode, long double nu, long double t) {
    const long double at = std::fabs(t);
    long double a = 0.0L;
    if (nu > 30.0L || std::trunc(nu) != nu) {
        a = TwoTailedBySeries(nu, at);
    } else {
        // No degrees of freedom left (a correlation of two points, say): treat any
        // integer below 1 as 0 rather than take the root of a negative number.
        a = TwoTailedExact(nu < 1.0L ? 0 : static_cast<int>(nu), at);
    }
    return TwoTailed(mode, a / 2.0L);
}

}  // namespace vostrel
