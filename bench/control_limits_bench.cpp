// The limits and the tests for statistical control of a whole chart, with the points
// filled directly: an individuals chart of a million points and a mean/range chart of
// 200,000 subgroups of five, all nine tests enabled on both charts.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_state.h"
#include "engine/control_charts/compute_limits.h"

namespace {

using vostrel::ChartArrayType;
using vostrel::ChartState;

// Uniform numbers in [0, 1) from a fixed seed, summed to something close to normal.
class Noise {
  public:
    double Next() {
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) {
            state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
            sum += static_cast<double>(state_ >> 11) / 9007199254740992.0;
        }
        return sum - 2.0;
    }

  private:
    unsigned long long state_ = 42;
};

void StartPoint(ChartState& chart, int p) {
    ChartArrayType& a = chart.Points;
    a(ChartArrayType::LabelRow, p) = p;
    a(ChartArrayType::SetNumber, p) = 0;
    a(ChartArrayType::BreakAfter, p) = 0;
}

void FillIndividuals(ChartState& chart, int points) {
    chart.PointCount = points;
    chart.Points.EnsureCapacity(points);
    Noise noise;
    ChartArrayType& a = chart.Points;
    for (int p = 1; p <= points; ++p) {
        StartPoint(chart, p);
        // A slow drift, so that runs and trends appear now and then.
        const double x = 10.0 + noise.Next() + 0.5 * std::sin(p / 50.0);
        a(ChartArrayType::PointN, p) = 1;
        a(ChartArrayType::LocStat, p) = x;
        a(ChartArrayType::SubgroupMean, p) = x;
        a(ChartArrayType::SubgroupStdDev, p) = 0;
        const double mr = p > 1 ? std::fabs(x - a(ChartArrayType::LocStat, p - 1)) : 0.0;
        a(ChartArrayType::DispStat, p) = p > 1 ? mr : vostrel::MissingValue;
        a(ChartArrayType::SigmaFromRange, p) = p > 1 ? mr / 1.12838 : vostrel::MissingValue;
    }
}

void FillSubgroups(ChartState& chart, int subgroups, int size) {
    chart.PointCount = subgroups;
    chart.Points.EnsureCapacity(subgroups);
    Noise noise;
    ChartArrayType& a = chart.Points;
    std::vector<double> values(static_cast<std::size_t>(size));
    for (int p = 1; p <= subgroups; ++p) {
        StartPoint(chart, p);
        double sum = 0.0;
        for (double& v : values) {
            v = 10.0 + noise.Next() + 0.3 * std::sin(p / 40.0);
            sum += v;
        }
        const double mean = sum / size;
        double ss = 0.0;
        for (double v : values) ss += (v - mean) * (v - mean);
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        a(ChartArrayType::PointN, p) = size;
        a(ChartArrayType::LocStat, p) = mean;
        a(ChartArrayType::SubgroupMean, p) = mean;
        a(ChartArrayType::SubgroupStdDev, p) = std::sqrt(ss / (size - 1));
        a(ChartArrayType::DispStat, p) = *high - *low;
        a(ChartArrayType::SigmaFromRange, p) = (*high - *low) / 2.32593;
    }
}

void Define(ChartState& chart, int loc, int disp, int calc) {
    vostrel::ChartDefinition& d = chart.Definition;
    d.LocChartType = loc;
    d.DispChartType = disp;
    d.LocLimitCalc = calc;
    d.DispLimitCalc = calc;
    d.LocCenterline = vostrel::CenterAverageLoc;
    d.DispCenterline = vostrel::CenterAverageDisp;
    chart.TestSettings.StdTestEnabled.fill(true);
    chart.TestSettings.MRTestEnabled.fill(true);
}

// The second argument chooses the limits alone (0) or the limits and the tests (1).
void ComputeChartLimitsAndTests(benchmark::State& state, ChartState& chart) {
    vostrel::StatContext stat;
    vostrel::SampleArray work;
    const bool movingRange = chart.Definition.DispChartType == vostrel::ChartMovingRange;
    const bool tests = state.range(1) != 0;
    for (auto _ : state) {
        vostrel::ComputeLimits(chart, stat, work);
        if (tests) {
            vostrel::EvaluateControlTests(chart, vostrel::LocationChart, false);
            vostrel::EvaluateControlTests(chart, vostrel::DispersionChart, movingRange);
        }
        benchmark::DoNotOptimize(chart.Codes);
        benchmark::DoNotOptimize(chart.Points);
    }
}

// Arguments: the limit calculation of both charts; limits alone (0) or with the tests (1).
void BM_IndividualsChart(benchmark::State& state) {
    ChartState chart;
    Define(chart, vostrel::ChartX, vostrel::ChartMovingRange, static_cast<int>(state.range(0)));
    FillIndividuals(chart, 1000000);
    ComputeChartLimitsAndTests(state, chart);
}
BENCHMARK(BM_IndividualsChart)
    ->Args({vostrel::CalcAverageMR, 1})
    ->Args({vostrel::CalcMedianMR, 1})
    ->Args({vostrel::CalcAverageMR, 0})
    ->Args({vostrel::CalcMedianMR, 0})
    ->Unit(benchmark::kMillisecond);

void BM_MeanRangeChart(benchmark::State& state) {
    ChartState chart;
    Define(chart, vostrel::ChartMean, vostrel::ChartRange, static_cast<int>(state.range(0)));
    FillSubgroups(chart, 200000, 5);
    ComputeChartLimitsAndTests(state, chart);
}
BENCHMARK(BM_MeanRangeChart)
    ->Args({vostrel::CalcAverageRange, 1})
    ->Args({vostrel::CalcMedianRange, 1})
    ->Args({vostrel::CalcAverageRange, 0})
    ->Args({vostrel::CalcMedianRange, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
