#include "engine/control_charts/set_estimates.h"

#include <algorithm>
#include <cmath>

#include "engine/control_charts/chart_names.h"
#include "engine/data/data_list.h"
#include "engine/stats/sample_statistics.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;

bool Uses(const ChartDefinition& d, int calc) {
    return d.LocLimitCalc == calc || (d.DispChartType != ChartNone && d.DispLimitCalc == calc);
}

bool DispersionCenterline(const ChartDefinition& d, int centerline) {
    return d.DispChartType != ChartNone && d.DispLimitCalc != CalcNone &&
           d.DispLimitCalc != CalcUserDefined && d.DispCenterline == centerline;
}

// Puts the present values of a row, in point order, into the sample array.
void LoadPresent(const ChartArrayType& arrays, int row, const std::vector<int>& points,
                 SampleArray& work) {
    work.MaxSizeA_Array(static_cast<int>(points.size()));
    int k = 0;
    for (int p : points) {
        const double x = arrays(row, p);
        if (IsPresent(x)) work[++k] = x;
    }
    work.SampleCount = k;
}

// The median as the sample statistics define it (the mean of the two middle values of an
// even count), by selection rather than a full sort: the sets can hold a million points.
long double MedianOf(SampleArray& work) {
    const int n = work.SampleCount;
    if (n < 1) return 0.0L;
    double* first = &work[1];
    double* middle = first + (n - 1) / 2;
    std::nth_element(first, middle, first + n);
    if (n % 2 == 1) return *middle;
    const double upper = *std::min_element(middle + 1, first + n);
    return (static_cast<long double>(*middle) + upper) / 2.0L;
}

// The standard deviation of the values in the sample array; missing for fewer than two.
long double StdDevOf(const SampleArray& work) {
    if (work.SampleCount < 2) return MissingValue;
    SampleStats stats;
    ComputeMeanStd(work, stats);
    return stats.StdDev;
}

// Replaces the K values in the sample array by their K - w + 1 moving ranges of span w
// (none when K < w); returns their sum.
long double ToMovingRanges(SampleArray& work, int w) {
    const int count = work.SampleCount;
    long double sum = 0.0L;
    int ranges = 0;
    for (int j = w; j <= count; ++j) {
        double low = work[j - w + 1];
        double high = low;
        for (int i = j - w + 2; i <= j; ++i) {
            low = std::min(low, work[i]);
            high = std::max(high, work[i]);
        }
        // Slot j - w + 1 is not read again by a later window.
        work[++ranges] = high - low;
        sum += static_cast<long double>(high) - low;
    }
    work.SampleCount = ranges;
    return sum;
}

// Missing when the points allow no moving range.
struct MovingRangeSummary {
    long double mean = MissingValue;
    long double median = MissingValue;
};

MovingRangeSummary MovingRangesOf(const ChartArrayType& arrays, int row,
                                  const std::vector<int>& points, int w, bool median,
                                  SampleArray& work) {
    LoadPresent(arrays, row, points, work);
    MovingRangeSummary summary;
    const long double sum = ToMovingRanges(work, w);
    if (work.SampleCount == 0) return summary;
    summary.mean = sum / work.SampleCount;
    if (median) summary.median = MedianOf(work);
    return summary;
}

}  // namespace

int MovingRangeSpan(const ChartDefinition& definition) { return std::max(2, definition.MRSpan); }

EstimateNeeds NeedsOf(const ChartDefinition& d) {
    const bool rangeChart = d.DispChartType == ChartMovingRange || d.DispChartType == ChartRange;
    const bool sChart = d.DispChartType == ChartStdDev || d.DispChartType == ChartVariance;
    EstimateNeeds needs;
    needs.RM = Uses(d, CalcMedianMR) || Uses(d, CalcMedianRange) ||
               (rangeChart && DispersionCenterline(d, CenterMedianDisp));
    needs.SM = Uses(d, CalcMedianStdDev) || (sChart && DispersionCenterline(d, CenterMedianDisp));
    needs.MRL = d.LocLimitCalc >= CalcAverageMROfMeans && d.LocLimitCalc <= CalcMedianMROfMedians;
    needs.SL = (d.LocChartType == ChartX &&
                (d.LocLimitCalc == CalcStdDev || d.LocLimitCalc == CalcAverageStdDev)) ||
               d.LocLimitCalc == CalcStdDevOfMeans || d.LocLimitCalc == CalcStdDevOfMedians ||
               Uses(d, CalcStdDev);
    needs.T = d.DispChartType != ChartNone && d.DispLimitCalc >= CalcAverageMROfDisp &&
              d.DispLimitCalc <= CalcStdDevOfDisp;
    needs.LocMedian = d.LocChartType != ChartNone && d.LocCenterline == CenterMedianLoc;
    needs.MedianN = d.DispChartType != ChartNone &&
                    (d.DispLimitCalc == CalcMedianRange || d.DispLimitCalc == CalcMedianStdDev);
    return needs;
}

SetEstimates ComputeSetEstimates(const ChartArrayType& arrays, const std::vector<int>& points,
                                 const ChartDefinition& definition, const EstimateNeeds& needs,
                                 ChartConstants& constants, StatContext& stat, SampleArray& work) {
    SetEstimates e;
    const int w = MovingRangeSpan(definition);

    // The sums that take one pass over the set.
    long double meanSum = 0.0L, meanWeight = 0.0L;
    long double rangeSum = 0.0L;
    int rangeCount = 0;
    long double sSum = 0.0L, sWeight = 0.0L;
    long double varianceSum = 0.0L, varianceDf = 0.0L;
    for (int p : points) {
        const double pointN = arrays(Row::PointN, p);
        const double s = arrays(Row::SubgroupStdDev, p);
        const double sigmaFromRange = arrays(Row::SigmaFromRange, p);
        if (IsPresent(sigmaFromRange)) {
            rangeSum += sigmaFromRange;
            ++rangeCount;
        }
        if (!IsPresent(pointN)) continue;
        const long double n = pointN;
        if (IsPresent(arrays(Row::LocStat, p)) && IsPresent(arrays(Row::SubgroupMean, p))) {
            meanSum += n * arrays(Row::SubgroupMean, p);
            meanWeight += n;
        }
        if (IsPresent(s)) {
            const int size = RoundHalfEven(pointN);
            if (size >= 2) {
                sSum += n * s / constants.ChartConstantC4(stat, size);
                sWeight += n;
            }
            varianceSum += static_cast<long double>(s) * s * (n - 1.0L);
            varianceDf += n - 1.0L;
        }
    }
    if (meanWeight >= 1.0L) e.GM = meanSum / meanWeight;
    if (rangeCount > 0) e.RA = rangeSum / rangeCount;
    if (sWeight > 0.0L) e.SA = sSum / sWeight;
    if (varianceDf != 0.0L) e.VP = varianceSum / varianceDf;

    if (needs.SL || needs.LocMedian) {
        LoadPresent(arrays, Row::LocStat, points, work);
        if (needs.SL) e.SL = StdDevOf(work);
        if (needs.LocMedian) e.LocMedian = MedianOf(work);
    }

    if (needs.RM) {
        LoadPresent(arrays, Row::SigmaFromRange, points, work);
        if (work.SampleCount > 0) e.RM = MedianOf(work);
    }
    if (needs.SM) {
        LoadPresent(arrays, Row::SubgroupStdDev, points, work);
        e.SM = MedianOf(work);
        e.SM2 = e.SM * e.SM;
    }
    if (needs.MedianN) {
        LoadPresent(arrays, Row::PointN, points, work);
        e.MedianN = work.SampleCount > 0 ? RoundHalfEven(static_cast<double>(MedianOf(work))) : 0;
    }
    if (needs.MRL) {
        const MovingRangeSummary mr = MovingRangesOf(arrays, Row::LocStat, points, w, true, work);
        e.MRLA = mr.mean;
        e.MRLM = mr.median;
    }
    if (needs.T) {
        const MovingRangeSummary mr = MovingRangesOf(
            arrays, Row::DispStat, points, w, definition.DispLimitCalc == CalcMedianMROfDisp, work);
        if (mr.mean != MissingValue) e.TA = mr.mean / constants.ChartConstantD2(stat, w);
        if (mr.median != MissingValue) e.TM = mr.median / constants.MedianRangeConstant(stat, w);
        LoadPresent(arrays, Row::DispStat, points, work);
        e.TS = StdDevOf(work);
    }
    return e;
}

}  // namespace vostrel
