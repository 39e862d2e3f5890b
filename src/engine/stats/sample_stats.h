#pragma once
// The statistics of the values in the shared sample array, as the last computation
// left them. One instance lives in the Workspace.

namespace vostrel {

// Skewness or Kurtosis holding this value are not available (too few values, or no spread).
inline constexpr long double NotAvailableStat = 999.0L;

struct SampleStats {
    long double Sum = 0;
    long double Mean = 0;
    long double Variance = 0;  // divisor n - 1
    long double StdDev = 0;
    long double PopVariance = 0;  // divisor n
    long double Median = 0;
    long double Q1 = 0;
    long double Q3 = 0;
    long double Low = 0;
    long double High = 0;
    long double Range = 0;
    long double Skewness = 0;
    long double Kurtosis = 0;
    long double MeanAbsDev = 0;
    long double MedianAbsDev = 0;
    long double MeanMR = 0;
    long double StdDevFromMR = 0;
    long double MedianMR = 0;
    long double StdDevFromMedianMR = 0;
    long double Mode = 0;
};

}  // namespace vostrel
