#pragma once
// The fixed name tables of the control charts. Definitions store indexes into them;
// lists, charts and reports show the names, with "@" replaced by a chart type name.

#include <array>
#include <string>
#include <string_view>

namespace vostrel {

inline constexpr int ChartTypeCount = 9;   // 0..8
inline constexpr int LimitCalcCount = 21;  // 0..20
inline constexpr int CenterlineCount = 7;  // 1..6 used, 0 means none

extern const std::array<std::string_view, ChartTypeCount> ChartTypeNames;
extern const std::array<std::string_view, LimitCalcCount> LimitCalcNames;
// Index 0 is empty: a definition without a centerline stores 0.
extern const std::array<std::string_view, CenterlineCount> CenterlineNames;

// Chart type indexes.
inline constexpr int ChartNone = 0;
inline constexpr int ChartX = 1;
inline constexpr int ChartMean = 2;
inline constexpr int ChartMedian = 3;
inline constexpr int ChartMovingRange = 4;
inline constexpr int ChartRange = 5;
inline constexpr int ChartStdDev = 6;
inline constexpr int ChartVariance = 7;
inline constexpr int ChartIndividualPoints = 8;

// Limit calculation indexes.
inline constexpr int CalcNone = 0;
inline constexpr int CalcCenterlineOnly = 1;
inline constexpr int CalcUserDefined = 2;
inline constexpr int CalcKnownStdDev = 3;
inline constexpr int CalcAverageMR = 4;
inline constexpr int CalcMedianMR = 5;
inline constexpr int CalcStdDev = 6;
inline constexpr int CalcAverageRange = 7;
inline constexpr int CalcMedianRange = 8;
inline constexpr int CalcAverageStdDev = 9;
inline constexpr int CalcMedianStdDev = 10;
inline constexpr int CalcAverageVariance = 11;
inline constexpr int CalcAverageMROfMeans = 12;
inline constexpr int CalcAverageMROfMedians = 13;
inline constexpr int CalcMedianMROfMeans = 14;
inline constexpr int CalcMedianMROfMedians = 15;
inline constexpr int CalcStdDevOfMeans = 16;
inline constexpr int CalcStdDevOfMedians = 17;
inline constexpr int CalcAverageMROfDisp = 18;
inline constexpr int CalcMedianMROfDisp = 19;
inline constexpr int CalcStdDevOfDisp = 20;

// Centerline indexes: 1..3 location, 4..6 dispersion.
inline constexpr int CenterAverageLoc = 1;
inline constexpr int CenterMedianLoc = 2;
inline constexpr int CenterKnownMean = 3;
inline constexpr int CenterAverageDisp = 4;
inline constexpr int CenterMedianDisp = 5;
inline constexpr int CenterKnownStdDev = 6;

// A centerline name with "@" replaced by the chart type name: "Average Mean",
// "Median of Means", "Median of Xs", "Median Range".
std::string SubstituteCenterline(std::string_view name, std::string_view typeName);

// A dispersion limit calculation name with "@" replaced by the dispersion type name and
// the bracketed abbreviation cut away: "Average MR of Range", "Std Dev of Std Dev ".
std::string SubstituteDispersionCalc(std::string_view name, std::string_view typeName);

// The centerline name of index 1..6 for a chart type index; empty for any other index.
std::string CenterlineName(int centerline, int chartType);
// The limit calculation name of index 0..20, "@" replaced by the dispersion type name.
std::string LimitCalcName(int calc, int dispChartType);

// Index of a name in a table, or -1.
int ChartTypeIndex(std::string_view name);
int LimitCalcIndex(std::string_view name);

}  // namespace vostrel
