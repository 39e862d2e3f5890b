// Moving ranges of the values in data order, the short-term spread of the main analysis.
#include <cmath>

#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"

namespace vostrel {

void ComputeMovingRanges(SampleArray& a, SampleStats& s) {
    const int n = SampleSize(a);
    const int loaded = a.SampleCount;
    if (n < 2) {
        s.MeanMR = s.StdDevFromMR = s.MedianMR = s.StdDevFromMedianMR = 0;
        return;
    }
    long double sum = 0;
    for (int i = 1; i < n; ++i) {
        a[i] = std::fabs(a[i + 1] - a[i]);
        sum += a[i];
    }
    // Describe the n - 1 ranges in place, then restore the count for the caller.
    a.SampleCount = n - 1;
    s.MeanMR = sum / (n - 1);
    s.StdDevFromMR = s.MeanMR / 1.12838L;
    ComputeOrderStats(a, s);
    s.MedianMR = s.Median;
    s.StdDevFromMedianMR = s.MedianMR / 0.954L;
    a.SampleCount = loaded;
}

}  // namespace vostrel
