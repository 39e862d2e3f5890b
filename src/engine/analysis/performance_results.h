#pragma once
// The specification limits of the first measure and the results of the main analysis,
// filled section by section and read by the later sections and the performance charts.

#include <cstdint>

namespace vostrel {

// How several measures are read.
enum class MeasureMode {
    SingleMeasure = 0,
    SampleItems = 1,
    RepeatedMeasures = 2,
    MultipleStreams = 3
};

// A limit is present when its value is not the missing-value marker.
struct SpecLimits {
    double USL = 0, Target = 0, LSL = 0;
    bool HasUSL = false, HasTarget = false, HasLSL = false;
};

struct PerformanceResults {
    double Mean = 0;              // mean of all analysed values
    double TotalStdDev = 0;       // their standard deviation (n - 1)
    double WithinStdDev = 0;      // without the between-stream part
    double PotentialStdDev = 0;   // short-term ("potential")
    double RepeatedVariance = 0;  // pooled variance of the measures within a row
    double MinStreamMean = 0, MaxStreamMean = 0;
    double SSWithin = 0, PotentialSum = 0;  // accumulators of the stream analysis
    double Ppk = 0, Ppm = 0, Pp = 0, PpStream = 0, CpPot = 0;
    std::int32_t AboveUSL = 0, BelowLSL = 0;
};

}  // namespace vostrel
