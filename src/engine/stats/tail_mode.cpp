#include "engine/stats/tail_mode.h"

#include <cmath>

namespace vostrel {

long double TwoTailed(int mode, long double p) {
    if (mode != TwoTails) return p;
    const long double twice = 2.0L * p;
    return twice > 1.0L ? 2.0L - twice : twice;
}

long double TailArgument(int mode, long double p) {
    p = std::fabs(p);
    if (mode == TwoTails) p = p <= 0.5L ? p / 2.0L : (p + 1.0L) / 2.0L;
    return p;
}

}  // namespace vostrel
