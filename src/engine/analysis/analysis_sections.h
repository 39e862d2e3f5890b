#pragma once
// The sections of a process performance report, in the order the Action writes them.

namespace vostrel {

class Workspace;

// The factor that turns the median standard deviation of subgroups of k items into the
// short-term standard deviation: sqrt((k - 1) / median of chi-square with k - 1 degrees of
// freedom); 0 for k < 2.
long double SubgroupFactor(int k);

// Short-term standard deviation without streams: single measure, sample items or
// repeated measures.
void VariableAnalysis(Workspace& ws);
// The stream table and the pooled within-stream and potential standard deviations.
void StreamAnalysis(Workspace& ws);
// Descriptive statistics of all analysed values.
void WriteDescriptives(Workspace& ws);
// In place of every section after the header when no value is left to analyse: the count
// and why, without statistics of no values.
void WriteNoValues(Workspace& ws);
// The variance about the target split into its components.
void VarianceComponents(Workspace& ws);
// Pp, Ppk, Ppm, Pp(Stream), Cp(pot) and the observed counts outside the limits.
void PerformanceIndices(Workspace& ws);

}  // namespace vostrel
