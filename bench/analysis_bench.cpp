// The process performance Action on 1,000,000 rows, report included: a single measure;
// five measures as the items of one sample; one measure with a stream variable of 1,000
// stream codes.
//
//   cmake --build build --target analysis_bench
//   build/bench/analysis_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include "engine/analysis/analysis_driver.h"
#include "million_row_setup.h"

namespace {

using Setup = vostrel_bench::MillionRowSetup;

void RunAction(benchmark::State& state, Setup& setup) {
    for (auto _ : state) {
        const vostrel::ActionResult result = vostrel::RunPerformanceAnalysis(setup.ws);
        if (result != vostrel::ActionResult::Completed)
            state.SkipWithError("the Action did not complete");
        benchmark::DoNotOptimize(setup.ws.analysis.Results.Ppk);
    }
    state.counters["values"] = setup.ws.sample.SampleCount;
}

void SingleMeasure(benchmark::State& state) {
    static Setup* setup = new Setup(1, false);
    RunAction(state, *setup);
}

void SampleItemsFiveMeasures(benchmark::State& state) {
    static Setup* setup = new Setup(5, false);
    RunAction(state, *setup);
}

void OneStreamVariable1000Codes(benchmark::State& state) {
    static Setup* setup = new Setup(1, true);
    RunAction(state, *setup);
}

BENCHMARK(SingleMeasure)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SampleItemsFiveMeasures)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OneStreamVariable1000Codes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
