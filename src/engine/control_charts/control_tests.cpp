#include "engine/control_charts/control_tests.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
      break_(arrays.RowValues(ChartArrayType::BreakAfter).data()) {}

// The patterns of one forward pass: for every point, how long the stretch ending there has
// held each test's condition. A test then fires when its stretch reaches the window length,
// which is what walking back over the window (Fires) finds, at one comparison per test.
class ControlTestEvaluator::PatternScan {
  public:
    PatternScan(const ControlTestEvaluator& e, const ControlTestSettings& settings)
        : e_(e), zone1M_(TestZoneCount(settings, 7)), zone2M_(TestZoneCount(settings, 8)) {
        for (int t = 2; t <= 8; ++t)
            length_[static_cast<std::size_t>(t)] = TestWindowLength(settings, t);
        // The counts of points beyond the zones are needed back as far as the longer zone
        // window reaches.
        const int reach = std::max({length_[7], length_[8], 0}) + 1;
        beyond1_.assign(static_cast<std::size_t>(reach), 0);
        beyond2_.assign(static_cast<std::size_t>(reach), 0);
    }

    // Takes in point p; points are taken in order from 1.
    void Advance(int p) {
        // The first point of the stretch ending at p without a break, a change of set or a
        // missing statistic before p.
        if (p == 1 || !(e_.BreakAfter(p - 1) != 1.0 && e_.SetNumber(p - 1) == e_.SetNumber(p) &&
                        IsPresent(e_.Stat(p - 1)))) {
            start_ = p;
        }
        const double x = e_.Stat(p);
        const double cl = e_.CL(p);
        const double se = e_.SE(p);
        const bool present = IsPresent(x);

        const int side = present && IsPresent(cl) ? Sign(x, cl) : 0;
        sideRun_ = side == 0 ? 0 : (side == side_ ? sideRun_ + 1 : 1);
        side_ = side;

        const int step =
            p > 1 && present && IsPresent(e_.Stat(p - 1)) ? Sign(x, e_.Stat(p - 1)) : 0;
        stepRun_ = step == 0 ? 0 : (step == step_ ? stepRun_ + 1 : 1);
        step_ = step;

        const bool zoned = IsPresent(cl) && IsPresent(se);
        const bool above = present && zoned && x > cl + se;
        const bool below = present && zoned && !above && x < cl - se;
        outsideRun_ = above || below ? outsideRun_ + 1 : 0;
        if (above) lastAbove_ = p;
        if (below) lastBelow_ = p;
        const bool inside = present && zoned && x > cl - se && x < cl + se;
        insideRun_ = inside ? insideRun_ + 1 : 0;

        // Point p - 1 is a peak or a valley between its neighbours.
        if (p >= 3) {
            const double before = e_.Stat(p - 2);
            const double middle = e_.Stat(p - 1);
            const bool turn = (before < middle && middle > x) || (before > middle && middle < x);
            turnRun_ = turn ? turnRun_ + 1 : 0;
        }

        zonedRun_ = zoned ? zonedRun_ + 1 : 0;
        const std::size_t i = Slot(p);
        const std::size_t before = Slot(p - 1);
        beyond1_[i] = beyond1_[before] + (zoned && (x > cl + 1.0 * se || x < cl - 1.0 * se));
        beyond2_[i] = beyond2_[before] + (zoned && (x > cl + 2.0 * se || x < cl - 2.0 * se));
    }

    // Whether test t fires at the point taken in last, p, whose statistic is present.
    bool Fires(int test, int p) const {
        if (test == 1) return e_.OutsideLimits(p);
        if (test == 9) return p > 1 && WindowOK(p, 2) && e_.MovingRangeBeyond(p);
        const int n = length_[static_cast<std::size_t>(test)];
        if (n < 1 || p < n || !WindowOK(p, n)) return false;
        switch (test) {
            case 2:
                return sideRun_ >= n;
            case 3:
                return n >= 2 && stepRun_ >= n - 1;
            case 4:
                return outsideRun_ >= n && lastAbove_ > p - n && lastBelow_ > p - n;
            case 5:
                return insideRun_ >= n;
            case 6:
                return n >= 3 && turnRun_ >= n - 2;
            case 7:
                return ZoneCount(beyond1_, p, n, zone1M_);
            case 8:
                return ZoneCount(beyond2_, p, n, zone2M_);
            default:
                return false;
        }
    }

  private:
    bool WindowOK(int p, int n) const { return n <= 1 || p - n + 1 >= start_; }

    // beyond_[Slot(q)] counts the points 1..q beyond the zone.
    std::size_t Slot(int q) const { return static_cast<std::size_t>(q) % beyond1_.size(); }

    // At least m points beyond the zone among the last n, counting back no further than the
    // last point without a centerline or standard error.
    bool ZoneCount(const std::vector<int>& beyond, int p, int n, int m) const {
        if (m < 1 || m > n) return false;
        const int first = p - std::min(n, zonedRun_);
        return beyond[Slot(p)] - beyond[Slot(first)] >= m;
    }

    const ControlTestEvaluator& e_;
    std::array<int, ControlTestCount + 1> length_{};
    int zone1M_;
    int zone2M_;
    int side_ = 0, sideRun_ = 0;
    int step_ = 0, stepRun_ = 0;
    int outsideRun_ = 0, lastAbove_ = 0, lastBelow_ = 0;
    int insideRun_ = 0;
    int turnRun_ = 0;  // ending at the point before the last
    int zonedRun_ = 0;
    int start_ = 1;
    std::vector<int> beyond1_;  // points beyond one standard error among 1..q, by Slot(q)
    std::vector<int> beyond2_;
};

void ControlTestEvaluator::Run(const ControlTestSettings::TestFlags& enabled) {
    codes_.assign(static_cast<std::size_t>(pointCount_) + 1, std::string());
    PatternScan scan(*this, settings_);
    // The last point where each test fired: the points of its window before it carry its
    // code or symbol already, so a later window of the same test marks only the points after.
    std::array<int, ControlTestCount + 1> lastFired{};
    for (int p = 1; p <= pointCount_; ++p) {
        scan.Advance(p);
        if (!IsPresent(Stat(p))) continue;
        std::string codeText;
        for (int t = 1; t <= ControlTestCount; ++t) {
            const auto i = static_cast<std::size_t>(t);
            if (!enabled[i] || !scan.Fires(t, p)) continue;
            MarkTestFrom(t, p, lastFired[i] + 1, codeText);
            lastFired[i] = p;
        }
        if (!codeText.empty()) codes_[static_cast<std::size_t>(p)] = std::move(codeText);
    }
}

bool ControlTestEvaluator::WindowOK(int p, int length) const {
    if (length <= 1) return true;
    if (p < 1 || p > pointCount_) return false;
    if (patternStart_.empty()) FindPatternStarts();
    return p - length + 1 >= patternStart_[static_cast<std::size_t>(p)];
}

// patternStart_[p] is the first point of the longest stretch ending at p that has no break,
// no change of set and no missing statistic before p, so that every window check is one
// comparison.
void ControlTestEvaluator::FindPatternStarts() const {
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
    MarkTestFrom(test, p, 1, codeText);
}

void ControlTestEvaluator::MarkTestFrom(int test, int p, int from, std::string& codeText) {
    const char code = TestCode(test);
    const std::string_view symbol = TestContinuation(test);
    if (!symbol.empty()) {
        const int first = std::max({1, from, p - TestWindowLength(settings_, test) + 1});
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
    return p > 1 && WindowOK(p, 2) && MovingRangeBeyond(p);
}

bool ControlTestEvaluator::MovingRangeBeyond(int p) const {
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
