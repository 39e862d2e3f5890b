// Sorting, order statistics, mode and counts beyond limits.
#include <algorithm>
#include <cmath>

#include "engine/core/missing_value.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"

namespace vostrel {

void SortSample(SampleArray& a) {
    const std::span<double> x = SampleValues(a);
    // A NaN would break the ordering std::sort relies on; keep any at the end instead.
    const auto numbers =
        std::partition(x.begin(), x.end(), [](double v) { return !std::isnan(v); });
    std::sort(x.begin(), numbers);
}

void ComputeLowHigh(const SampleArray& a, SampleStats& s) {
    const std::span<const double> x = SampleValues(a);
    if (x.empty()) {
        s.Low = s.High = s.Range = 0;
        return;
    }
    double low = x[0];
    double high = x[0];
    for (double v : x) {
        if (v < low) low = v;
        if (v > high) high = v;
    }
    s.Low = low;
    s.High = high;
    s.Range = s.High - s.Low;
}

void ComputeOrderStats(SampleArray& a, SampleStats& s) {
    SortSample(a);
    const int n = SampleSize(a);
    if (n < 1) {
        s.Low = s.High = s.Range = s.Median = s.Q1 = s.Q3 = 0;
        return;
    }
    const auto x = [&a](int i) -> long double { return a[i]; };  // 1-based
    s.Low = x(1);
    s.High = x(n);
    s.Range = s.High - s.Low;
    s.Median = n % 2 == 1 ? x((n + 1) / 2) : (x(n / 2) + x(n / 2 + 1)) / 2.0L;
    if (n <= 3) {
        s.Q1 = s.Low;
        s.Q3 = s.High;
        return;
    }
    // Quartiles in quarter steps between neighbouring order statistics.
    const int k = (n + 1) / 4;
    const int d = (n + 1) % 4;
    s.Q1 = ((4 - d) * x(k) + d * x(k + 1)) / 4.0L;
    s.Q3 = (d * x(n - k) + (4 - d) * x(n - k + 1)) / 4.0L;
}

void ComputeMode(SampleArray& a, SampleStats& s) {
    const int n = SampleSize(a);
    if (n <= 0) {
        s.Mode = MissingValue;
        return;
    }
    if (n <= 2) {
        s.Mode = a[1];
        return;
    }
    ComputeOrderStats(a, s);
    double mode = a[1];
    int bestRun = 0;
    int i = 1;
    while (i <= n) {
        int j = i;
        while (j < n && a[j + 1] == a[i]) ++j;
        // Only a strictly longer run replaces the mode: among equal runs the smallest wins.
        if (j - i + 1 > bestRun) {
            bestRun = j - i + 1;
            mode = a[i];
        }
        i = j + 1;
    }
    s.Mode = mode;
}

int CountAbove(const SampleArray& a, double limit) {
    const long double bound = static_cast<long double>(limit) + 1e-20L;
    int count = 0;
    for (double v : SampleValues(a)) {
        if (v > bound) ++count;
    }
    return count;
}

int CountBelow(const SampleArray& a, double limit) {
    const long double bound = static_cast<long double>(limit) - 1e-20L;
    int count = 0;
    for (double v : SampleValues(a)) {
        if (v < bound) ++count;
    }
    return count;
}

}  // namespace vostrel
