#pragma once
// The nine tests for statistical control, run point by point over one chart of the point
// arrays. A test that fires gives its point the test's code character and the other points
// of its pattern the test's continuation symbol.

#include <array>
#include <string>
#include <vector>

#include "engine/control_charts/chart_arrays.h"
#include "engine/control_charts/control_test_settings.h"

namespace vostrel {

inline constexpr int LocationChart = 0;
inline constexpr int DispersionChart = 1;

// The code string of every point of the location chart (index 0) and the dispersion
// chart (index 1); points are numbered from 1.
struct ControlCodes {
    std::array<std::vector<std::string>, 2> Codes;
};

// The point array rows one chart is tested on.
struct ControlTestRows {
    int Stat;
    int CL;
    int UCL;
    int LCL;
    int StdError;
};

inline constexpr ControlTestRows LocationTestRows{ChartArrayType::LocStat, ChartArrayType::LocCL,
                                                  ChartArrayType::LocUCL, ChartArrayType::LocLCL,
                                                  ChartArrayType::LocStdError};
inline constexpr ControlTestRows DispersionTestRows{
    ChartArrayType::DispStat, ChartArrayType::DispCL, ChartArrayType::DispUCL,
    ChartArrayType::DispLCL, ChartArrayType::DispStdError};

// Zone rules 7 and 8 take a window with at least M points beyond the zone as a signal.
class ControlTestEvaluator {
  public:
    ControlTestEvaluator(const ChartArrayType& arrays, int pointCount,
                         const ControlTestSettings& settings, const ControlTestRows& rows,
                         std::vector<std::string>& codes);

    // Runs the enabled tests on every point with a statistic; codes is resized to hold
    // points 1..pointCount and rewritten. The patterns are followed in one pass, with the
    // same results as asking Fires at every point.
    void Run(const ControlTestSettings::TestFlags& enabled);

    // Whether the L points ending at p form one pattern: no break, no change of set and no
    // missing statistic among them. Reads the arrays as they were when the evaluator was made.
    bool WindowOK(int p, int length) const;
    // Whether test t fires at point p, walking back over its window.
    bool Fires(int test, int p) const;
    // Marks the points before p in test t's window with its continuation symbol and appends
    // its code to the code text of p.
    void MarkTest(int test, int p, std::string& codeText);

  private:
    class PatternScan;

    // The rows are read through plain pointers: the tests run over every point of charts
    // with a million points.
    double Stat(int p) const { return stat_[p]; }
    double CL(int p) const { return cl_[p]; }
    double UCL(int p) const { return ucl_[p]; }
    double LCL(int p) const { return lcl_[p]; }
    double SE(int p) const { return se_[p]; }
    double SetNumber(int p) const { return set_[p]; }
    double BreakAfter(int p) const { return break_[p]; }

    // MarkTest leaving out the points before `from`.
    void MarkTestFrom(int test, int p, int from, std::string& codeText);
    bool OutsideLimits(int p) const;
    bool Run(int p, int n) const;
    bool Trend(int p, int n) const;
    bool ExcessiveVariability(int p, int n) const;
    bool LackOfVariability(int p, int n) const;
    bool Alternating(int p, int n) const;
    bool ZoneRule(int p, int n, int m, double zones) const;
    bool ExcessiveMovingRange(int p) const;
    // The jump from the point before p exceeds 3.6864 standard errors of p.
    bool MovingRangeBeyond(int p) const;
    void FindPatternStarts() const;

    const ChartArrayType& arrays_;
    int pointCount_;
    const ControlTestSettings& settings_;
    ControlTestRows rows_;
    std::vector<std::string>& codes_;
    mutable std::vector<int> patternStart_;  // found when a window is first checked
    const double* stat_;
    const double* cl_;
    const double* ucl_;
    const double* lcl_;
    const double* se_;
    const double* set_;
    const double* break_;
};

// Runs the tests on chart 0 (location) or 1 (dispersion) of the arrays; the moving range
// chart uses the moving range test flags.
void EvaluateControlTests(const ChartArrayType& arrays, int pointCount,
                          const ControlTestSettings& settings, int chart, bool movingRange,
                          const ControlTestRows& rows, ControlCodes& codes);

// A copy of a point's codes; empty for a point that does not exist.
std::string CodesOfPoint(const ControlCodes& codes, int chart, int point);

}  // namespace vostrel
