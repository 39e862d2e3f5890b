// Cost of report number formatting (exact decimal expansion of every value) and of
// exporting a long report.

#include <benchmark/benchmark.h>

#include "engine/report/number_format.h"
#include "engine/report/report_export.h"
#include "engine/report/report_writer.h"

namespace {

const vostrel::NumberLocale kLocale;

void BM_FormatReportNumber(benchmark::State& state) {
    double x = 12345.678901;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vostrel::FormatReportNumber(kLocale, 4, x));
        x += 0.001;
    }
}
BENCHMARK(BM_FormatReportNumber);

void BM_FormatGeneral(benchmark::State& state) {
    double x = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vostrel::FormatGeneral(kLocale, x));
        x += 0.1;
    }
}
BENCHMARK(BM_FormatGeneral);

// The far ends of the double range have hundreds of exact digits.
void BM_FormatReportNumberTiny(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vostrel::FormatReportNumber(kLocale, 4, 1.2345e-300));
    }
}
BENCHMARK(BM_FormatReportNumberTiny);

void BM_ReportToRtf(benchmark::State& state) {
    vostrel::ReportWriter writer;
    for (int i = 0; i < state.range(0); ++i) {
        if (i % 50 == 0) writer.AddPageMarker();
        writer.AddReportLine("\t     Mean = \t" + vostrel::FormatReportNumber(kLocale, 4, i * 1.5));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(vostrel::ReportToRtf(writer.output));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReportToRtf)->Arg(10000);

}  // namespace
