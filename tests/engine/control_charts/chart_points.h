#pragma once
// Fills the point arrays of a chart directly, the way extraction would: individual values
// with their moving ranges, or subgroups with their statistics.

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_state.h"

namespace vostrel::testing {

inline constexpr double Missing = MissingValue;

struct SubgroupFacts {
    double mean = 0, median = 0, range = 0, sd = 0, variance = 0;
};

inline SubgroupFacts Describe(std::vector<double> x) {
    SubgroupFacts f;
    const double n = static_cast<double>(x.size());
    for (double v : x) f.mean += v;
    f.mean /= n;
    std::sort(x.begin(), x.end());
    const std::size_t h = x.size() / 2;
    f.median = x.size() % 2 == 1 ? x[h] : (x[h - 1] + x[h]) / 2.0;
    f.range = x.back() - x.front();
    double ss = 0;
    for (double v : x) ss += (v - f.mean) * (v - f.mean);
    f.variance = x.size() > 1 ? ss / (n - 1.0) : 0.0;
    f.sd = std::sqrt(f.variance);
    return f;
}

class ChartPoints {
  public:
    explicit ChartPoints(ChartState& chart) : chart_(chart) {}

    void Start() {
        chart_.PointCount = 0;
        chart_.SetMin = chart_.SetMax = 0;
        started_ = false;
    }

    // One individual value; the moving range over the last MRSpan values of the same set.
    void Individual(double x, int set = 0) {
        const int p = NewPoint(set);
        ChartArrayType& a = chart_.Points;
        a(ChartArrayType::PointN, p) = 1;
        a(ChartArrayType::LocStat, p) = x;
        a(ChartArrayType::SubgroupMean, p) = x;
        a(ChartArrayType::SubgroupStdDev, p) = 0;
        const int w = chart_.Definition.MRSpan;
        double mr = Missing;
        if (p >= w) {
            double low = x, high = x;
            bool sameSet = true;
            for (int j = p - w + 1; j < p; ++j) {
                if (a(ChartArrayType::SetNumber, j) != set) sameSet = false;
                low = std::min(low, a(ChartArrayType::LocStat, j));
                high = std::max(high, a(ChartArrayType::LocStat, j));
            }
            if (sameSet) mr = high - low;
        }
        if (chart_.Definition.DispChartType == ChartMovingRange)
            a(ChartArrayType::DispStat, p) = mr;
        StatContext stat;
        a(ChartArrayType::SigmaFromRange, p) =
            mr == Missing ? Missing
                          : static_cast<double>(mr / chart_.Constants.ChartConstantD2(stat, w));
    }

    void Individuals(const std::vector<double>& xs, int set = 0) {
        for (double x : xs) Individual(x, set);
    }

    // One subgroup with the statistics of the chart types of the definition.
    void Subgroup(const std::vector<double>& x, int set = 0) {
        const int p = NewPoint(set);
        const SubgroupFacts f = Describe(x);
        const int n = static_cast<int>(x.size());
        ChartArrayType& a = chart_.Points;
        a(ChartArrayType::PointN, p) = n;
        const int loc = chart_.Definition.LocChartType;
        a(ChartArrayType::LocStat, p) =
            loc == ChartMean ? f.mean : (loc == ChartMedian ? f.median : Missing);
        const int disp = chart_.Definition.DispChartType;
        a(ChartArrayType::DispStat, p) = disp == ChartRange      ? f.range
                                         : disp == ChartStdDev   ? f.sd
                                         : disp == ChartVariance ? f.variance
                                                                 : Missing;
        a(ChartArrayType::SubgroupMean, p) = f.mean;
        a(ChartArrayType::SubgroupStdDev, p) = f.sd;
        StatContext stat;
        a(ChartArrayType::SigmaFromRange, p) =
            n > 1 ? static_cast<double>(f.range / chart_.Constants.ChartConstantD2(stat, n)) : 0.0;
    }

    void Subgroups(const std::vector<std::vector<double>>& groups, int set = 0) {
        for (const auto& g : groups) Subgroup(g, set);
    }

  private:
    int NewPoint(int set) {
        const int p = ++chart_.PointCount;
        chart_.Points.EnsureCapacity(p);
        ChartArrayType& a = chart_.Points;
        for (int row = 0; row < ChartArrayType::RowCount; ++row) a(row, p) = Missing;
        a(ChartArrayType::LabelRow, p) = p;
        a(ChartArrayType::SetNumber, p) = set;
        a(ChartArrayType::BreakAfter, p) = 0;
        if (!started_ || set < chart_.SetMin) chart_.SetMin = set;
        if (!started_ || set > chart_.SetMax) chart_.SetMax = set;
        started_ = true;
        return p;
    }

    ChartState& chart_;
    bool started_ = false;
};

}  // namespace vostrel::testing
