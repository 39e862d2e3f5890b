// Speed of the statistics the analyses call most: describing a large sample, its moving
// ranges, and the inverse distribution functions used once per group or chart point.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/stats/chi_square.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/random_generator.h"
#include "engine/stats/sample_statistics.h"

namespace vostrel {
namespace {

constexpr int kSampleSize = 1000000;
constexpr int kInverseCalls = 100000;

std::vector<double> NormalData(int n) {
    RandomGenerator rng(20110201);
    std::vector<double> data(static_cast<std::size_t>(n));
    for (double& v : data) v = static_cast<double>(NormalRandom(rng, 50, 4));
    return data;
}

// Each iteration reloads the unsorted data, as every analysis does before it describes.
void Load(SampleArray& a, const std::vector<double>& data) {
    a.SampleCount = 0;
    a.MaxSizeA_Array(static_cast<int>(data.size()));
    for (double v : data) a.A_Array[static_cast<std::size_t>(++a.SampleCount)] = v;
}

void BM_DescribeSample(benchmark::State& state) {
    const std::vector<double> data = NormalData(kSampleSize);
    SampleArray a;
    SampleStats s;
    for (auto _ : state) {
        Load(a, data);
        DescribeSample(a, s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_DescribeSample)->Unit(benchmark::kMillisecond);

void BM_ComputeMovingRanges(benchmark::State& state) {
    const std::vector<double> data = NormalData(kSampleSize);
    SampleArray a;
    SampleStats s;
    for (auto _ : state) {
        Load(a, data);
        ComputeMovingRanges(a, s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_ComputeMovingRanges)->Unit(benchmark::kMillisecond);

// The cost of reloading alone, to subtract from the two above.
void BM_LoadOnly(benchmark::State& state) {
    const std::vector<double> data = NormalData(kSampleSize);
    SampleArray a;
    for (auto _ : state) {
        Load(a, data);
        benchmark::DoNotOptimize(a.A_Array.data());
    }
}
BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMillisecond);

// Probabilities spread over (0, 1) including both tails.
std::vector<long double> Probabilities() {
    std::vector<long double> p(kInverseCalls);
    for (int i = 0; i < kInverseCalls; ++i)
        p[static_cast<std::size_t>(i)] = (i + 0.5L) / kInverseCalls;
    return p;
}

void BM_NormalInverse(benchmark::State& state) {
    const std::vector<long double> p = Probabilities();
    for (auto _ : state) {
        long double sum = 0;
        for (long double q : p) sum += NormalInverse(1, q);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInverseCalls);
}
BENCHMARK(BM_NormalInverse)->Unit(benchmark::kMillisecond);

// Degrees of freedom cycle through 1..60 so that every branch is timed: the normal
// point, the exact sums and the normal approximation above 30.
void BM_ChiSquareInverse(benchmark::State& state) {
    const std::vector<long double> p = Probabilities();
    for (auto _ : state) {
        long double sum = 0;
        int nu = 1;
        for (long double q : p) {
            sum += ChiSquareInverse(1, nu, q);
            nu = nu % 60 + 1;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInverseCalls);
}
BENCHMARK(BM_ChiSquareInverse)->Unit(benchmark::kMillisecond);

// One degrees-of-freedom value per run, to see each branch alone (odd values up to 30 are
// the slowest: their exact sum includes the normal tail series).
void BM_ChiSquareInverseFixedNu(benchmark::State& state) {
    const std::vector<long double> p = Probabilities();
    const auto nu = static_cast<long double>(state.range(0));
    for (auto _ : state) {
        long double sum = 0;
        for (long double q : p) sum += ChiSquareInverse(1, nu, q);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInverseCalls);
}
BENCHMARK(BM_ChiSquareInverseFixedNu)
    ->Arg(1)
    ->Arg(2)
    ->Arg(29)
    ->Arg(31)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vostrel
