#include "engine/control_charts/control_tests.h"

#include <algorithm>
#include <cmath>

namespace vostrel {

namespace {

// The largest jump between two points, in standard errors, that test 9 lets pass.
constexpr double MovingRangeFactor = 3.6864;

int Sign(double a, double b) { return a > b ? 1 : (a < b ? -1 : 0); }

}  // namespace

ControlTestEvaluator::ControlTestEvaluator(const ChartArrayType& arrays, int pointCount,
                                           const ControlTestSettings& settings,
                                           const ControlTestRows& rows,
                                           std::vector<std::string>& codes)
    : arrays_(arrays),
      pointCount_(std::clamp(pointCount, 0, std::max(arrays.Capacity(), 0))),
      settings_(settings),
      rows_(rows),
      codes_(codes),
      stat_(arrays.RowValues(rows.Stat).data()),
      cl_(arrays.RowValues(rows.CL).data()),
      ucl_(arrays.RowValues(rows.UCL).data()),
      lcl_(arrays.RowValues(rows.LCL).data()),
      se_(arrays.RowValues(rows.StdError).data()),
      set_(arrays.RowValues(ChartArrayType::SetNumber).data()),
      break_(arrays.RowValues(ChartArrayType::BreakAfter).data()) {
    FindPatternStarts();
}

void ControlTestEvaluator::Run(const ControlTestSettings::TestFlags& enabled) {
    codes_.assign(static_cast<std::size_t>(pointCount_) + 1, std::string());
    for (int p = 1; p <= pointCount_; ++p) {
        if (!IsPresent(Stat(p))) continue;
        std::string codeText;
        for (int t = 1; t <= ControlTestCount; ++t) {
            if (enabled[static_cast<std::size_t>(t)] && Fires(t, p)) MarkTest(t, p, codeText);
        }
        codes_[static_cast<std::size_t>(p)] = codeText;
    }
}

bool ControlTestEvaluator::WindowOK(int p, int length) const {
    if (length <= 1) return true;
    if (p < 1 || p > pointCount_) return false;
    return p - length + 1 >= patternStart_[static_cast<std::size_t>(p)];
}

// patternStart_[p] is the first point of the longest stretch ending at p that has no break,
// no change of set and no missing statistic before p, so that every window check is one
// comparison.
void ControlTestEvaluator::FindPatternStarts() {
    patternStart_.assign(static_cast<std::size_t>(pointCount_) + 1, 1);
    for (int p = 2; p <= pointCount_; ++p) {
        const int j = p - 1;
        const bool linked =
            BreakAfter(j) != 1.0 && SetNumber(j) == SetNumber(p) && IsPresent(Stat(j));
        patternStart_[static_cast<std::size_t>(p)] =
            linked ? patternStart_[static_cast<std::size_t>(j)] : p;
    }
}

bool ControlTestEvaluator::Fires(int test, int p) const {
    if (p < 1 || p > pointCount_ || !IsPresent(Stat(p))) return false;
    if (test == 1) return OutsideLimits(p);
    if (test == 9) return ExcessiveMovingRange(p);

    const int n = TestWindowLength(settings_, test);
    if (n < 1 || p < n || !WindowOK(p, n)) return false;
    switch (test) {
        case 2:
            return Run(p, n);
        case 3:
            return Trend(p, n);
        case 4:
            return ExcessiveVariability(p, n);
        case 5:
            return LackOfVariability(p, n);
        case 6:
            return Alternating(p, n);
        case 7:
            return ZoneRule(p, n, TestZoneCount(settings_, 7), 1.0);
        case 8:
            return ZoneRule(p, n, TestZoneCount(settings_, 8), 2.0);
        default:
            return false;
    }
}

void ControlTestEvaluator::MarkTest(int test, int p, std::string& codeText) {
    const char code = TestCode(test);
    const std::string_view symbol = TestContinuation(test);
    if (!symbol.empty()) {
        const int first = std::max(1, p - TestWindowLength(settings_, test) + 1);
        for (int j = first; j <= p - 1; ++j) {
            std::string& marks = codes_[static_cast<std::size_t>(j)];
            if (marks.find(code) == std::string::npos && marks.find(symbol) == std::string::npos) {
                marks += symbol;
            }
        }
    }
    codeText += code;
}

bool ControlTestEvaluator::OutsideLimits(int p) const {
    const double x = Stat(p);
    const double ucl = UCL(p);
    const double lcl = LCL(p);
    return (IsPresent(ucl) && x > ucl) || (IsPresent(lcl) && x < lcl);
}

// N points in a row strictly on one side of their centerline.
bool ControlTestEvaluator::Run(int p, int n) const {
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        const double cl = CL(p - i);
        if (!IsPresent(cl)) break;
        sum += Sign(Stat(p - i), cl);
        if (std::abs(sum) < i + 1) break;
    }
    return std::abs(sum) == n;
}

// N points in a row strictly increasing or strictly decreasing.
bool ControlTestEvaluator::Trend(int p, int n) const {
    if (n < 2) return false;
    int sum = 0;
    for (int i = 1; i <= n - 1; ++i) {
        sum += Sign(Stat(p - n + i + 1), Stat(p - n + i));
        if (std::abs(sum) < i) break;
    }
    return std::abs(sum) + 1 == n;
}

// N points in a row beyond one standard error, with both sides represented.
bool ControlTestEvaluator::ExcessiveVariability(int p, int n) const {
    int above = 0;
    int below = 0;
    for (int i = 0; i < n; ++i) {
        const double cl = CL(p - i);
        const double se = SE(p - i);
        if (!IsPresent(cl) || !IsPresent(se)) break;
        const double x = Stat(p - i);
        if (x > cl + se) {
            ++above;
        } else if (x < cl - se) {
            ++below;
        }
        if (above + below < i + 1) break;
    }
    return above >= 1 && below >= 1 && above + below == n;
}

// N points in a row strictly within one standard error.
bool ControlTestEvaluator::LackOfVariability(int p, int n) const {
    int inside = 0;
    for (int i = 0; i < n; ++i) {
        const double cl = CL(p - i);
        const double se = SE(p - i);
        if (!IsPresent(cl) || !IsPresent(se)) break;
        const double x = Stat(p - i);
        if (x > cl - se && x < cl + se) ++inside;
        if (inside < i + 1) break;
    }
    return inside == n;
}

// N points whose every interior point is a strict peak or valley.
bool ControlTestEvaluator::Alternating(int p, int n) const {
    if (n < 3) return false;
    int count = 0;
    for (int j = 1; j <= n - 2; ++j) {
        const int m = p - n + j + 1;
        const double before = Stat(m - 1);
        const double x = Stat(m);
        const double after = Stat(m + 1);
        if ((before < x && x > after) || (before > x && x < after)) ++count;
        if (count < j) break;
    }
    return count + 2 == n;
}

// At least M of the last N points beyond `zones` standard errors, on either side.
bool ControlTestEvaluator::ZoneRule(int p, int n, int m, double zones) const {
    if (m < 1 || m > n) return false;
    int outside = 0;
    int notOutside = 0;
    for (int j = 0; j < n; ++j) {
        const double cl = CL(p - j);
        const double se = SE(p - j);
        if (!IsPresent(cl) || !IsPresent(se)) break;
        const double x = Stat(p - j);
        if (x > cl + zones * se || x < cl - zones * se) {
            ++outside;
        } else {
            ++notOutside;
        }
        if (notOutside > n - m) break;
    }
    return outside >= m;
}

bool ControlTestEvaluator::ExcessiveMovingRange(int p) const {
    if (p <= 1 || !WindowOK(p, 2)) return false;
    const double se = SE(p);
    if (!IsPresent(se)) return false;
    const double limit = MovingRangeFactor * se;
    return limit > 0.0 && std::fabs(Stat(p) - Stat(p - 1)) > limit;
}

void EvaluateControlTests(const ChartArrayType& arrays, int pointCount,
                          const ControlTestSettings& settings, int chart, bool movingRange,
                          const ControlTestRows& rows, ControlCodes& codes) {
    if (chart != LocationChart && chart != DispersionChart) return;
    ControlTestEvaluator evaluator(arrays, pointCount, settings, rows,
                                   codes.Codes[static_cast<std::size_t>(chart)]);
    evaluator.Run(movingRange ? settings.MRTestEnabled : settings.StdTestEnabled);
}

std::string CodesOfPoint(const ControlCodes& codes, int chart, int point) {
    if (chart != LocationChart && chart != DispersionChart) return {};
    const std::vector<std::string>& list = codes.Codes[static_cast<std::size_t>(chart)];
    if (point < 1 || point >= static_cast<int>(list.size())) return {};
    return list[static_cast<std::size_t>(point)];
}

}  // namespace vostrel
