#include "engine/stats/f_distribution.h"

#include <cmath>

#include "engine/stats/gamma_beta.h"
#include "engine/stats/student_t.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

long double FProb(StatContext& ctx, int mode, long double nu1, long double nu2, long double f) {
    long double q = 0.0L;
    if (nu1 == 1.0L) {
        q = StudentT(TwoTails, nu2, std::sqrt(std::fabs(f)));
    } else if (nu2 == 1.0L && nu1 > 1.0L) {
        q = 1.0L - StudentT(TwoTails, nu1, std::sqrt(std::fabs(1.0L / f)));
    } else {
        q = IncompleteBeta(ctx, nu2 / 2.0L, nu1 / 2.0L, nu2 / (nu2 + nu1 * f));
    }
    if (q < 0.0L) q = 0.0L;
    if (q > 0.5L && mode == TwoTails) q = 1.0L - q;
    return TwoTailed(mode, q);
}

}  // namespace vostrel
