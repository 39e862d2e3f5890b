#include "engine/stats/correlation.h"

#include <cmath>

#include "engine/core/missing_value.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/student_t.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

void TCorr::Init() {
    n = 0;
    sx2 = sx = sy = sy2 = sd = sd2 = sxy = 0;
    A = B = 0;
    pvalue = 0;
}

void TCorr::AddPair(double X, double Y) {
    if (X == MissingValue || Y == MissingValue) return;
    const long double x = X;
    const long double y = Y;
    const long double d = x - y;
    ++n;
    sx += x;
    sx2 += x * x;
    sy += y;
    sy2 += y * y;
    sd += d;
    sd2 += d * d;
    sxy += x * y;
}

long double TCorr::PearsonR() {
    Error = false;
    if (n >= 2) {
        const long double vx = VarianceFromSums(n, sx2, sx);
        const long double vy = VarianceFromSums(n, sy2, sy);
        const long double vd = VarianceFromSums(n, sd2, sd);
        // A variance that rounding has pushed below 0 is a variance of 0, not a root of
        // a negative number.
        if (vx > 0 && vy > 0) {
            // From var(x - y) = var x + var y - 2 cov(x, y).
            const long double r = (vx + vy - vd) / (2 * std::sqrt(vx) * std::sqrt(vy));
            if (std::fabs(r) >= 1 || n == 2) {
                // Exactly linear (two points always are): t would be infinite.
                pvalue = 0;
            } else {
                const long double t = r * std::sqrt((n - 2) / (1 - r * r));
                pvalue = StudentT(TwoTails, n - 2, t);
            }
            return r;
        }
    }
    pvalue = 999;
    Error = true;
    return 0;
}

}  // namespace vostrel
