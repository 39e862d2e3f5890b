#include "engine/control_charts/compute_limits.h"

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "engine/control_charts/chart_names.h"
#include "engine/control_charts/chart_sets.h"
#include "engine/control_charts/control_tests.h"
#include "engine/control_charts/set_estimates.h"
#include "engine/data/data_list.h"
#include "engine/stats/chi_square.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

namespace {

using Row = ChartArrayType::Row;

constexpr long double Missing = MissingValue;

bool Present(long double x) { return x != Missing; }

// factor * estimate, or missing when no value supports the estimate.
long double Scaled(long double factor, long double estimate) {
    return Present(estimate) ? factor * estimate : Missing;
}

// The rows this calculation writes; they start missing so that it can run again.
constexpr int ComputedRows[] = {Row::LocLCL,   Row::LocCL,    Row::LocUCL,      Row::DispLCL,
                                Row::DispCL,   Row::DispUCL,  Row::LocStdError, Row::DispStdError,
                                Row::SigmaEst, Row::GrandMean};

// The standard error implied by user limits k standard errors from the centerline.
long double UserStdError(double ucl, double cl, double lcl, double k) {
    if (!(k > 0.0)) return Missing;
    if (IsPresent(ucl) && IsPresent(lcl)) return (static_cast<long double>(ucl) - lcl) / k / 2.0L;
    if (IsPresent(ucl) && IsPresent(cl)) return (static_cast<long double>(ucl) - cl) / k;
    if (IsPresent(cl) && IsPresent(lcl)) return (static_cast<long double>(cl) - lcl) / k;
    return Missing;
}

class LimitCalculator {
  public:
    LimitCalculator(ChartState& chart, StatContext& stat, SampleArray& work)
        : a_(chart.Points),
          d_(chart.Definition),
          constants_(chart.Constants),
          stat_(stat),
          work_(work),
          sigmaSource_(chart.SigmaSource),
          k_(chart.Definition.StdErrMultiplier),
          w_(MovingRangeSpan(chart.Definition)),
          needs_(NeedsOf(chart.Definition)),
          userLocStdError_(UserStdError(d_.UserLocUCL, d_.UserLocCL, d_.UserLocLCL, k_)),
          userDispStdError_(UserStdError(d_.UserDispUCL, d_.UserDispCL, d_.UserDispLCL, k_)) {}

    // Every computed row of the point missing, except the user's limits.
    void ResetPoint(int p) {
        for (int row : ComputedRows) a_(row, p) = MissingValue;
        if (d_.LocLimitCalc == CalcUserDefined) {
            a_(Row::LocLCL, p) = d_.UserLocLCL;
            a_(Row::LocCL, p) = d_.UserLocCL;
            a_(Row::LocUCL, p) = d_.UserLocUCL;
            a_(Row::LocStdError, p) = static_cast<double>(userLocStdError_);
        }
        if (d_.DispLimitCalc == CalcUserDefined) {
            a_(Row::DispLCL, p) = d_.UserDispLCL;
            a_(Row::DispCL, p) = d_.UserDispCL;
            a_(Row::DispUCL, p) = d_.UserDispUCL;
            a_(Row::DispStdError, p) = static_cast<double>(userDispStdError_);
        }
    }

    void ComputeSet(const std::vector<int>& points) {
        const SetEstimates e =
            ComputeSetEstimates(a_, points, d_, needs_, constants_, stat_, work_);
        const SetValues set{e, LocationCenter(e), DispersionSigma(e), DispersionSpread(e)};
        int previous = 0;
        for (int p : points) {
            // Within a set every result depends on the point's size alone, so a run of
            // equal sizes is computed once.
            if (previous > 0 && a_(Row::PointN, previous) == a_(Row::PointN, p)) {
                for (int row : ComputedRows) a_(row, p) = a_(row, previous);
            } else {
                ComputePoint(p, set);
            }
            previous = p;
        }
    }

  private:
    static int Size(double pointN) { return RoundHalfEven(pointN); }
    long double D2(int n) { return constants_.ChartConstantD2(stat_, n); }
    long double D3(int n) { return constants_.ChartConstantD3(stat_, n); }
    long double D2m(int n) { return constants_.MedianRangeConstant(stat_, n); }
    long double C4(int n) { return constants_.ChartConstantC4(stat_, n); }

    long double Sigma() const { return d_.KnownSigma; }

    struct SetValues {
        const SetEstimates& e;
        long double h;       // the location centerline
        long double b;       // the sigma of the dispersion limits
        long double spread;  // the standard error of calculations 18 to 20
    };

    void ComputePoint(int p, const SetValues& set) {
        ResetPoint(p);
        a_(Row::GrandMean, p) = static_cast<double>(set.e.GM);
        if (d_.LocLimitCalc == CalcNone) {
            a_(Row::LocCL, p) = MissingValue;
        } else if (d_.LocLimitCalc != CalcUserDefined) {
            a_(Row::LocCL, p) = static_cast<double>(set.h);
        }
        const bool dispersion = d_.DispChartType != ChartNone && d_.DispLimitCalc != CalcNone &&
                                d_.DispLimitCalc != CalcUserDefined;
        if (dispersion) a_(Row::DispCL, p) = static_cast<double>(DispersionCenter(p, set.e));
        if (d_.LocLimitCalc != CalcUserDefined) LocationLimits(p, set.e);
        if (d_.DispChartType != ChartNone && d_.DispLimitCalc > CalcUserDefined) {
            DispersionLimits(p, set.b, set.spread);
        }
        SigmaEstimate(p, set.b);
    }

    long double LocationCenter(const SetEstimates& e) const {
        if (d_.LocChartType == ChartNone) return Missing;
        if (d_.UseKnownMean) return d_.KnownMean;
        if (d_.LocCenterline == CenterMedianLoc) return e.LocMedian;
        return e.GM;
    }

    long double DispersionCenter(int p, const SetEstimates& e) {
        const double pointN = a_(Row::PointN, p);
        const bool movingRange = d_.DispChartType == ChartMovingRange;
        if (!movingRange && !IsPresent(pointN)) return Missing;
        const int n = movingRange ? w_ : Size(pointN);
        const long double sigma = Sigma();
        switch (d_.DispChartType) {
            case ChartMovingRange:
            case ChartRange:
                if (d_.DispCenterline == CenterAverageDisp) return Scaled(D2(n), e.RA);
                if (d_.DispCenterline == CenterMedianDisp) return Scaled(D2(n), e.RM);
                if (d_.DispCenterline == CenterKnownStdDev) return D2(n) * sigma;
                break;
            case ChartStdDev:
                if (d_.DispCenterline == CenterAverageDisp) return C4(n) * e.SA;
                if (d_.DispCenterline == CenterMedianDisp) return e.SM;
                if (d_.DispCenterline == CenterKnownStdDev) return sigma;
                break;
            case ChartVariance:
                if (d_.DispCenterline == CenterAverageDisp) return e.VP;
                if (d_.DispCenterline == CenterMedianDisp) return e.SM2;
                if (d_.DispCenterline == CenterKnownStdDev) return sigma * sigma;
                break;
            default:
                break;
        }
        return Missing;
    }

    // RM * d2(n) / d2m(n): the median-range sigma, undefined for subgroups of one.
    long double MedianRangeSigma(long double rm, int n) {
        if (n < 2) return Missing;
        return Present(rm) ? rm * D2(n) / D2m(n) : Missing;
    }

    // The sigma a location standard error is built from; the moving range and standard
    // deviation of the statistics themselves return the standard error directly.
    long double LocationStdError(int n, const SetEstimates& e) {
        const int type = d_.LocChartType;
        if (type != ChartX && type != ChartMean && type != ChartMedian) return Missing;
        long double base = Missing;
        switch (d_.LocLimitCalc) {
            case CalcKnownStdDev:
                base = Sigma();
                break;
            case CalcAverageMR:
            case CalcAverageRange:
                base = e.RA;
                break;
            case CalcMedianMR:
            case CalcMedianRange:
                base = MedianRangeSigma(e.RM, type == ChartX ? w_ : n);
                break;
            case CalcStdDev:
            case CalcAverageStdDev:
                base = type == ChartX ? e.SL : e.SA;
                break;
            case CalcMedianStdDev:
                if (type == ChartX || n < 2) return Missing;
                base = constants_.SigmaFromMedianS(stat_, n, e.SM);
                break;
            case CalcAverageVariance:
                if (type == ChartX) return Missing;
                base = std::sqrt(e.VP);
                break;
            case CalcAverageMROfMeans:
            case CalcAverageMROfMedians:
                return Present(e.MRLA) ? e.MRLA / D2(w_) : Missing;
            case CalcMedianMROfMeans:
            case CalcMedianMROfMedians:
                return Present(e.MRLM) ? e.MRLM / D2m(w_) : Missing;
            case CalcStdDevOfMeans:
            case CalcStdDevOfMedians:
                return e.SL;
            default:
                return Missing;
        }
        if (!Present(base)) return Missing;
        if (type == ChartX) return base;
        if (type == ChartMean) return base / std::sqrt(static_cast<long double>(n));
        // The median of a single value is that value.
        if (n < 2) return base;
        return constants_.MedianStdError(stat_, n, base);
    }

    void LocationLimits(int p, const SetEstimates& e) {
        const double pointN = a_(Row::PointN, p);
        if (!IsPresent(pointN)) return;
        const long double se = LocationStdError(Size(pointN), e);
        a_(Row::LocStdError, p) = static_cast<double>(se);
        const double cl = a_(Row::LocCL, p);
        if (!Present(se) || !IsPresent(cl)) return;
        const long double lcl = cl - k_ * se;
        if (!(d_.PositiveLimitsOnly && lcl < 0.0L)) a_(Row::LocLCL, p) = static_cast<double>(lcl);
        a_(Row::LocUCL, p) = static_cast<double>(cl + k_ * se);
    }

    // The sigma of the dispersion limits (B); missing for the calculations that take the
    // spread of the dispersion statistic itself.
    long double DispersionSigma(const SetEstimates& e) {
        const int c = e.MedianN;
        switch (d_.DispLimitCalc) {
            case CalcKnownStdDev:
                return Sigma();
            case CalcAverageMR:
            case CalcAverageRange:
                return e.RA;
            case CalcMedianMR:
                return MedianRangeSigma(e.RM, w_);
            case CalcStdDev:
                return e.SL;
            case CalcMedianRange:
                return MedianRangeSigma(e.RM, c);
            case CalcAverageStdDev:
                return e.SA;
            case CalcMedianStdDev:
                if (c < 2) return Missing;
                return constants_.SigmaFromMedianS(stat_, c, e.SM);
            case CalcAverageVariance:
                return std::sqrt(e.VP);
            default:
                return Missing;
        }
    }

    // The standard error T of calculations 18 to 20.
    long double DispersionSpread(const SetEstimates& e) const {
        if (d_.DispLimitCalc == CalcAverageMROfDisp) return e.TA;
        if (d_.DispLimitCalc == CalcMedianMROfDisp) return e.TM;
        if (d_.DispLimitCalc == CalcStdDevOfDisp) return e.TS;
        return Missing;
    }

    // chi-square(p; n - 1) / (n - 1) for the upper and 1 - p for the lower variance limit.
    const std::pair<long double, long double>& VarianceFactors(int n) {
        auto it = varianceFactors_.find(n);
        if (it == varianceFactors_.end()) {
            const long double p = NormalTail(UpperTail, k_);
            const long double df = n - 1;
            it = varianceFactors_
                     .emplace(n, std::pair{ChiSquareInverse(UpperTail, df, p) / df,
                                           ChiSquareInverse(UpperTail, df, 1.0L - p) / df})
                     .first;
        }
        return it->second;
    }

    void SetDispersionLimits(int p, long double ucl, long double lcl, long double t) {
        a_(Row::DispUCL, p) = static_cast<double>(ucl);
        if (Present(lcl)) a_(Row::DispLCL, p) = static_cast<double>(lcl);
        a_(Row::DispStdError, p) = static_cast<double>(t);
    }

    void DispersionLimits(int p, long double b, long double spread) {
        const double pointN = a_(Row::PointN, p);
        const bool movingRange = d_.DispChartType == ChartMovingRange;
        if (!movingRange && !IsPresent(pointN)) return;
        const int n = movingRange ? w_ : Size(pointN);
        if (d_.DispLimitCalc >= CalcAverageMROfDisp) {
            const double cl = a_(Row::DispCL, p);
            if (!IsPresent(cl) || !Present(spread)) return;
            const long double lcl = cl - k_ * spread;
            SetDispersionLimits(p, cl + k_ * spread, lcl > 0.0L ? lcl : Missing, spread);
            return;
        }
        if (!Present(b)) return;
        long double center = 0.0L;
        long double t = 0.0L;
        switch (d_.DispChartType) {
            case ChartMovingRange:
            case ChartRange:
                center = D2(n) * b;
                t = D3(n) * b;
                break;
            case ChartStdDev: {
                const long double c4 = C4(n);
                center = c4 * b;
                t = b * std::sqrt(1.0L - c4 * c4);
                break;
            }
            case ChartVariance: {
                // The chi-square limits need at least one degree of freedom.
                if (n < 2) return;
                const double cl = a_(Row::DispCL, p);
                const auto& [upper, lower] = VarianceFactors(n);
                const long double ucl = b * b * upper;
                const long double stdError = IsPresent(cl) ? (ucl - cl) / k_ : Missing;
                SetDispersionLimits(p, ucl, b * b * lower, stdError);
                return;
            }
            default:
                return;
        }
        const long double lcl = center - k_ * t;
        SetDispersionLimits(p, center + k_ * t, lcl > 0.0L ? lcl : Missing, t);
    }

    void SigmaEstimate(int p, long double b) {
        const bool fromDispersion = d_.DispChartType != ChartNone &&
                                    d_.DispLimitCalc >= CalcKnownStdDev &&
                                    d_.DispLimitCalc <= CalcAverageVariance;
        if (fromDispersion) {
            a_(Row::SigmaEst, p) = static_cast<double>(b);
            sigmaSource_ = d_.DispLimitCalc;
            return;
        }
        const double se = a_(Row::LocStdError, p);
        const double pointN = a_(Row::PointN, p);
        if (IsPresent(se) && IsPresent(pointN)) {
            a_(Row::SigmaEst, p) =
                static_cast<double>(std::sqrt(static_cast<long double>(pointN)) * se);
            sigmaSource_ = d_.LocLimitCalc;
        } else {
            a_(Row::SigmaEst, p) = MissingValue;
            sigmaSource_ = 0;
        }
    }

    ChartArrayType& a_;
    const ChartDefinition& d_;
    ChartConstants& constants_;
    StatContext& stat_;
    SampleArray& work_;
    int& sigmaSource_;
    long double k_;
    int w_;
    EstimateNeeds needs_;
    long double userLocStdError_;
    long double userDispStdError_;
    std::map<int, std::pair<long double, long double>> varianceFactors_;
};

}  // namespace

void ComputeLimits(ChartState& chart, StatContext& stat, SampleArray& work) {
    chart.SigmaSource = 0;
    const int count = chart.PointCount;
    if (count <= 0) return;
    chart.Points.EnsureCapacity(count);

    const ChartDefinition& d = chart.Definition;
    // With both calculations "None" or both user defined nothing is computed per set.
    const bool perSet = !(d.LocLimitCalc == CalcNone && d.DispLimitCalc == CalcNone) &&
                        !(d.LocLimitCalc == CalcUserDefined && d.DispLimitCalc == CalcUserDefined);
    const SetPoints sets = PointsBySet(chart);
    std::size_t inSets = 0;
    for (const auto& [set, points] : sets) inSets += points.size();

    LimitCalculator calculator(chart, stat, work);
    if (!perSet || inSets < static_cast<std::size_t>(count)) {
        for (int p = 1; p <= count; ++p) calculator.ResetPoint(p);
    }
    if (!perSet) return;
    for (const auto& [set, points] : sets) calculator.ComputeSet(points);
}

bool LimitsLackDispersion(const ChartState& chart, int which, const std::vector<int>& points) {
    const ChartDefinition& d = chart.Definition;
    const bool location = which == LocationChart;
    const int type = location ? d.LocChartType : d.DispChartType;
    const int calc = location ? d.LocLimitCalc : d.DispLimitCalc;
    if (type == ChartNone || calc < CalcKnownStdDev || points.empty()) return false;
    const int row = location ? Row::LocStdError : Row::DispStdError;
    for (int p : points)
        if (IsPresent(chart.Points(row, p))) return false;
    return true;
}

}  // namespace vostrel
