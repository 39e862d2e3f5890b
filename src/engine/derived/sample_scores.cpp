#include "engine/derived/sample_scores.h"

#include <algorithm>
#include <cmath>

#include "engine/derived/derived_statistics.h"
#include "engine/core/missing_value.h"
#include "engine/stats/sample_array.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_stats.h"

namespace vostrel {

namespace {

long double& At(DerivedColumn& column, int row) { return column[static_cast<std::size_t>(row)]; }

bool UsesMedian(int code) {
    return code == AbsDevFromMedianWithoutMidpoint || code == AbsDevFromMedian ||
           code == DeviationsFromMedian;
}

bool IsAbsolute(int code) { return code <= AbsDevFromMean; }

}  // namespace

void LoadSample(SampleArray& a, const std::vector<double>& values) {
    a.Clear();
    a.MaxSizeA_Array(static_cast<int>(values.size()));
    for (double x : values) a.Append(x);
}

void DeviationScores(SampleArray& a, SampleStats& s, const std::vector<DerivedSample>& samples,
                     int code, DerivedColumn& column) {
    for (const DerivedSample& sample : samples) {
        const int n = sample.Count();
        if (n < 2) continue;
        LoadSample(a, sample.Values);
        long double centre = 0;
        double midpoint = 0;
        if (UsesMedian(code)) {
            ComputeOrderStats(a, s);
            centre = s.Median;
            midpoint = a[(n + 1) / 2];
        } else {
            ComputeMean(a, s);
            centre = s.Mean;
        }
        bool midpointLeftOut = code != AbsDevFromMedianWithoutMidpoint;
        for (std::size_t i = 0; i < sample.Values.size(); ++i) {
            const double x = sample.Values[i];
            if (!midpointLeftOut && x == midpoint) {
                midpointLeftOut = true;
                continue;
            }
            const long double deviation = x - centre;
            At(column, sample.ValueRows[i]) = IsAbsolute(code) ? std::fabs(deviation) : deviation;
        }
    }
}

void PerSampleStatistic(SampleArray& a, SampleStats& s, const std::vector<DerivedSample>& samples,
                        int code, DerivedColumn& column) {
    for (const DerivedSample& sample : samples) {
        const int n = sample.Count();
        if (n < 1 || sample.Rows.empty()) continue;
        const bool needsTwo = code == SampleStdDev || code == SampleVariance || code == SampleRange;
        if (needsTwo && n < 2) continue;
        LoadSample(a, sample.Values);
        long double value = MissingValue;
        switch (code) {
            case SampleMean:
                ComputeMean(a, s);
                value = s.Mean;
                break;
            case SampleSum:
                ComputeMean(a, s);
                value = s.Sum;
                break;
            case SampleMedian:
                ComputeOrderStats(a, s);
                value = s.Median;
                break;
            case SampleStdDev:
                ComputeMeanStd(a, s);
                value = s.StdDev;
                break;
            case SampleVariance:
                ComputeMeanStd(a, s);
                value = s.Variance;
                break;
            case SampleLow:
                ComputeLowHigh(a, s);
                value = s.Low;
                break;
            case SampleHigh:
                ComputeLowHigh(a, s);
                value = s.High;
                break;
            case SampleRange:
                ComputeLowHigh(a, s);
                value = s.Range;
                break;
            case SampleCountOfValues:
                value = n;
                break;
            case SampleMode:
                ComputeMode(a, s);
                value = s.Mode;
                break;
            default:
                continue;
        }
        At(column, sample.Rows.front()) = value;
    }
}

void RankScores(const std::vector<DerivedSample>& samples, DerivedColumn& column) {
    for (const DerivedSample& sample : samples) {
        std::vector<double> sorted = sample.Values;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t i = 0; i < sample.Values.size(); ++i) {
            // The run of equal values at sorted positions p..q (1-based) shares (p + q) / 2.
            const double x = sample.Values[i];
            const auto p = std::lower_bound(sorted.begin(), sorted.end(), x) - sorted.begin() + 1;
            const auto q = std::upper_bound(sorted.begin(), sorted.end(), x) - sorted.begin();
            At(column, sample.ValueRows[i]) = static_cast<long double>(p + q) / 2;
        }
    }
}

}  // namespace vostrel
