#pragma once
// The control chart constants: d2 and d3 (mean and standard deviation of the range of n
// normal values in units of sigma), d2m (median of that range) and v (variance of the
// median of n standard normal values), tabled for n = 2..30 and computed beyond; c4 (mean
// of the standard deviation of n normal values in units of sigma) and the factor that turns
// a median standard deviation into sigma. Every function returns 0 and sets the error code
// to 1 when n < 2.

#include <functional>
#include <map>
#include <vector>

#include "engine/stats/stat_context.h"

namespace vostrel {

// Upper-tail probability of the standard normal distribution.
using UpperTailFunction = std::function<long double(long double)>;

// The upper normal tail from the statistics library's series, which the constants beyond
// the table are computed with.
long double SeriesUpperTail(long double x);
// The upper normal tail from the C library's complementary error function.
long double ErfcUpperTail(long double x);

class ChartConstants {
  public:
    static constexpr int TableLast = 30;        // d2, d3 and d2m are tabled up to here
    static constexpr int MedianTableLast = 20;  // v is tabled up to here

    explicit ChartConstants(UpperTailFunction upperTail = SeriesUpperTail);

    // Replaces the normal tail used beyond the table and forgets what was computed with
    // the old one.
    void SetUpperTail(UpperTailFunction upperTail);

    long double ChartConstantD2(StatContext& stat, int n);
    long double ChartConstantD3(StatContext& stat, int n);
    long double MedianRangeConstant(StatContext& stat, int n);  // d2m
    long double MedianVariance(StatContext& stat, int n);       // v; pi/(2n) beyond 20
    long double MedianStdError(StatContext& stat, int n, long double sigma);
    long double SigmaFromRangeValue(StatContext& stat, int n, long double range);
    long double ChartConstantC4(StatContext& stat, int n);
    // Sigma from the median m of standard deviations of subgroups of n: the median of s is
    // sigma * sqrt(median of chi-square(n - 1) / (n - 1)).
    long double SigmaFromMedianS(StatContext& stat, int n, long double m);

    // The computed constants that take over beyond the table; they work for any n >= 2,
    // so they can be checked against the table.
    long double IntegratedD2(int n);
    long double IntegratedD3(int n);
    static long double D2mFromD2(long double d2);

  private:
    long double RangeMeanIntegrand(long double x, int n) const;
    void BuildCdfTable();

    UpperTailFunction upperTail_;
    std::map<int, long double> d2Cache_;
    std::map<int, long double> d3Cache_;
    std::map<int, long double> medianSCache_;  // sqrt((n - 1) / chi-square median)
    std::vector<long double> c4Cache_;         // by n; 0 where not yet computed
    std::vector<long double> cdfTable_;        // Phi on the grid of the d3 integral
};

}  // namespace vostrel
