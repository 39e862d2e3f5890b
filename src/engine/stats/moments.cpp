// Mean, standard deviation, shape and absolute deviations.
#include <cmath>

#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"

namespace vostrel {

void ComputeMean(const SampleArray& a, SampleStats& s) {
    const std::span<const double> x = SampleValues(a);
    long double sum = 0;
    for (double v : x) sum += v;
    s.Sum = sum;
    s.Mean = x.empty() ? 0.0L : sum / static_cast<long double>(x.size());
}

void ComputeMeanStd(const SampleArray& a, SampleStats& s) {
    const std::span<const double> x = SampleValues(a);
    const long double n = static_cast<long double>(x.size());
    long double sum = 0;
    bool allEqual = true;
    for (double v : x) {
        sum += v;
        if (v != x[0]) allEqual = false;
    }
    s.Sum = sum;
    s.Variance = s.StdDev = s.PopVariance = 0;
    if (x.empty()) {
        s.Mean = 0;
        return;
    }
    // A constant sample keeps its value exactly: Sum / n could round it.
    s.Mean = allEqual ? x[0] : sum / n;
    if (allEqual || x.size() < 2) return;
    long double ss = 0;
    for (double v : x) {
        const long double d = v - s.Mean;
        ss += d * d;
    }
    s.Variance = ss / (n - 1);
    s.PopVariance = ss / n;
    s.StdDev = std::sqrt(s.Variance);
}

void ComputeShape(const SampleArray& a, SampleStats& s) {
    const std::span<const double> x = SampleValues(a);
    if (x.empty()) {
        s.Skewness = s.Kurtosis = 0;
        return;
    }
    // Counts as reals: n * n overflows an int for a few hundred thousand values.
    const long double n = static_cast<long double>(x.size());
    long double s3 = 0;
    long double s4 = 0;
    for (double v : x) {
        const long double d = v - s.Mean;
        const long double d2 = d * d;
        s3 += d2 * d;
        s4 += d2 * d2;
    }
    const long double m2 = s.PopVariance;
    const long double m3 = s3 / n;
    const long double m4 = s4 / n;
    const bool noSpread = s.StdDev < 1e-20L;

    const long double m2Cubed = m2 * std::sqrt(m2);
    if (n < 3 || noSpread || m2Cubed == 0) {
        s.Skewness = NotAvailableStat;
    } else {
        const long double g1 = m3 / m2Cubed;
        s.Skewness = g1 == 0 ? 0.0L : std::sqrt(n * (n - 1)) / (n - 2) * g1;
    }

    const long double m2Squared = m2 * m2;
    if (n < 4 || noSpread || m2Squared == 0) {
        s.Kurtosis = NotAvailableStat;
    } else {
        const long double g2 = m4 / m2Squared - 3;
        const long double denominator = (n - 2) * (n - 3);
        s.Kurtosis = g2 == 0 ? 0.0L
                             : (n - 1) * (n + 1) / denominator * (g2 + 3) -
                                   3 * (n - 1) * (n - 1) / denominator;
    }
}

void ComputeAbsDeviations(SampleArray& a, SampleStats& s) {
    ComputeOrderStats(a, s);
    ComputeMeanStd(a, s);
    const std::span<const double> x = SampleValues(a);
    if (x.empty()) {
        s.MeanAbsDev = s.MedianAbsDev = 0;
        return;
    }
    long double fromMean = 0;
    long double fromMedian = 0;
    for (double v : x) {
        fromMean += std::fabs(v - s.Mean);
        fromMedian += std::fabs(v - s.Median);
    }
    const long double n = static_cast<long double>(x.size());
    s.MeanAbsDev = fromMean / n;
    s.MedianAbsDev = fromMedian / n;
}

void DescribeSample(SampleArray& a, SampleStats& s) {
    ComputeAbsDeviations(a, s);
    ComputeShape(a, s);
}

long double VarianceFromSums(int n, long double sumsq, long double sum) {
    // One value has no spread; dividing by n - 1 = 0 would give garbage.
    if (n < 2) return 0;
    return (sumsq - sum * sum / n) / (n - 1);
}

long double StdDevFromSums(int n, long double sumsq, long double sum) {
    const long double v = VarianceFromSums(n, sumsq, sum);
    return v < 0 ? 0.0L : std::sqrt(v);
}

}  // namespace vostrel
