#include "engine/control_charts/subgroup_anova.h"

#include "engine/stats/f_distribution.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

AnovaResult SubgroupAnova(StatContext& stat, const ChartArrayType& arrays,
                          const std::vector<int>& points) {
    using Row = ChartArrayType::Row;
    AnovaResult r;

    // The grand mean is formed here rather than read from the limits, which leave it
    // missing when no limits are calculated or the location chart is "None".
    long double n = 0, nSquares = 0, weighted = 0;
    int k = 0;
    for (int p : points) {
        const double size = arrays(Row::PointN, p);
        const double mean = arrays(Row::SubgroupMean, p);
        if (!IsPresent(size) || !IsPresent(mean) || size < 1) continue;
        ++k;
        n += size;
        nSquares += static_cast<long double>(size) * size;
        weighted += size * static_cast<long double>(mean);
    }
    const long double grand = n > 0 ? weighted / n : 0.0L;
    for (int p : points) {
        const double size = arrays(Row::PointN, p);
        const double mean = arrays(Row::SubgroupMean, p);
        if (!IsPresent(size) || !IsPresent(mean) || size < 1) continue;
        const double s = arrays(Row::SubgroupStdDev, p);
        const long double deviation = mean - grand;
        r.SSB += size * deviation * deviation;
        r.dfW += size - 1.0L;
        if (IsPresent(s)) r.SSW += static_cast<long double>(s) * s * (size - 1.0L);
    }
    r.dfB = k - 1;

    if (r.dfB <= 0) r.Error = AnovaSingleGroup;
    if (r.dfW <= 0) r.Error = AnovaNoWithin;
    if (r.dfB > 0) {
        r.MSB = r.SSB / r.dfB;
        r.ne = (n - nSquares / n) / r.dfB;
    }
    if (r.dfW > 0) r.MSW = r.SSW / r.dfW;
    r.F = r.MSW > 0 ? r.MSB / r.MSW : 0.0L;
    r.p = r.Error == 0 ? FProb(stat, UpperTail, r.dfB, r.dfW, r.F) : 1.0L;

    if (r.ne > 0) {
        r.VarBetween = (r.MSB - r.MSW) / r.ne;
        if (r.VarBetween < 0) r.VarBetween = 0;
        r.VarTotal = r.MSW + r.VarBetween;
        r.ICC = r.VarTotal > 0 ? r.VarBetween / r.VarTotal : 0.0L;
    }
    return r;
}

}  // namespace vostrel
