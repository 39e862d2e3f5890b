// The variance about the target split into its components, and the performance indices
// with the observed counts outside the limits.
//
// An index whose standard deviation is 0 (all analysed values equal) has no value: the
// report says "undefined (Std Dev = 0)" and the charts get 0. Parts per million of no
// values are likewise reported as undefined. Shares of a total variance of 0 are 0.00%.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/analysis/analysis_sections.h"
#include "engine/analysis/performance_chart_sink.h"
#include "engine/analysis/report_format.h"
#include "engine/report/column_width.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using analysis_format::Fmt;

constexpr char kUserSet[] = "  (User Set)";
constexpr char kUndefined[] = "undefined (Std Dev = 0)";

// An index and whether its divisor allowed a value.
struct Index {
    long double value = 0;
    bool defined = true;
};

Index Divide(long double numerator, long double divisor) {
    if (divisor > 0) return {numerator / divisor, true};
    return {0, false};
}

std::string IndexText(const Workspace& ws, const Index& index) {
    return index.defined ? Fmt(ws, 3, index.value) : std::string(kUndefined);
}

// One line of the variance components: its label, the variance, what follows its share and
// the warning written under it.
struct ComponentLine {
    const char* label;
    long double variance;
    std::string suffix{};
    const char* warning = nullptr;
};

// The lines as a table: the first is the total (100%), the others take their share of vt.
// The variances are as wide as the total's text, the shares 8 wide, each widened for the
// whole table where a value does not fit, so that a value never runs into its share.
void WriteComponentTable(Workspace& ws, const std::vector<ComponentLine>& lines, long double vt) {
    ReportWriter& w = ws.report;
    const int d = ws.analysis.Decimals;
    std::vector<std::string> values, shares;
    for (const ComponentLine& line : lines) values.push_back(Fmt(ws, d, line.variance));
    for (std::size_t i = 1; i < lines.size(); ++i)
        shares.push_back(Fmt(ws, 2, vt > 0 ? 100 * lines[i].variance / vt : 0.0L));
    const int valueWidth = FittedWidth(DisplayLength(values[0]), values, 0);
    const int shareWidth = FittedWidth(8, shares);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string share =
            i == 0 ? PadLeft("100.00%", shareWidth + 1) : PadLeft(shares[i - 1], shareWidth) + "%";
        w.AddReportLine(lines[i].label + PadLeft(values[i], valueWidth) + share + lines[i].suffix);
        if (lines[i].warning != nullptr) w.AddWarningLine(lines[i].warning);
    }
}

}  // namespace

void VarianceComponents(Workspace& ws) {
    ReportWriter& w = ws.report;
    PerformanceAnalysis& a = ws.analysis;
    const PerformanceResults& r = a.Results;
    const AnalysisSettings& s = a.Settings;
    const SpecLimits& specs = a.Specs;

    w.AddBlankLine();
    w.SetTitleFont(w.ReportHeadingSize);
    w.AddReportLine("Variance Components");
    w.SetBodyFont(w.ReportBodySize);
    w.AddBlankLine();

    const long double total = r.TotalStdDev;
    const long double v = total * total;
    long double offTarget = 0;
    long double vt = v;
    std::vector<ComponentLine> lines;
    if (specs.HasTarget) {
        const long double off = static_cast<long double>(r.Mean) - specs.Target;
        offTarget = off * off;
        vt = v + offTarget;
        lines.push_back({"\tTotal Variance About Target = ", vt});
        lines.push_back({"\t        Off-target Variance = ", offTarget});
    } else {
        lines.push_back({"\t    Total Variance Observed = ", v});
    }

    long double measurement = 0;
    if (s.Measurement.InUse && s.Measurement.Value > 0) {
        measurement = static_cast<long double>(s.Measurement.Value) * s.Measurement.Value;
        lines.push_back({"\t       Measurement Variance = ", measurement, kUserSet,
                         measurement > v
                             ? "***** ERROR - Measurement error greater than total *****"
                             : nullptr});
    }

    std::string suffix;
    long double potential = 0;
    if (s.Potential.InUse) {
        potential = static_cast<long double>(s.Potential.Value) * s.Potential.Value;
        suffix = kUserSet;
    } else {
        potential = static_cast<long double>(r.PotentialStdDev) * r.PotentialStdDev;
    }
    potential = std::max(potential - measurement, 0.0L);
    if (measurement > 0) suffix += " (Less Measurement Error)";
    lines.push_back({"\t         Potential Variance = ", potential, suffix,
                     potential > v
                         ? "***** ERROR - Potential Variance greater than total less Potential*****"
                         : nullptr});

    long double stream = 0;
    if (a.HasStreams || s.Stream.InUse) {
        std::string streamSuffix;
        if (s.Stream.InUse) {
            stream = static_cast<long double>(s.Stream.Value) * s.Stream.Value;
            streamSuffix = kUserSet;
        } else {
            stream = v - static_cast<long double>(r.WithinStdDev) * r.WithinStdDev;
        }
        stream = std::max(stream, 0.0L);
        lines.push_back({"\t    Process Stream Variance = ", stream, streamSuffix,
                         v - potential - measurement < stream
                             ? "***** ERROR - Stream Variance greater than total *****"
                             : nullptr});
    }

    const long double time = std::max(v - stream - potential - measurement, 0.0L);
    lines.push_back({"\t     Time(Control) Variance = ", time});
    WriteComponentTable(ws, lines, vt);
    w.AddBlankLine();
    if (a.Charts != nullptr)
        a.Charts->DisplayPPAVariance(static_cast<double>(measurement),
                                     static_cast<double>(potential), static_cast<double>(offTarget),
                                     static_cast<double>(stream), static_cast<double>(time), r.Mean,
                                     r.TotalStdDev);
    w.AddBlankLine();
}

void PerformanceIndices(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    PerformanceResults& r = a.Results;
    const AnalysisSettings& s = a.Settings;
    const SpecLimits& specs = a.Specs;
    if (!specs.HasUSL && !specs.HasLSL) return;
    ReportWriter& w = ws.report;
    const int d = a.Decimals;
    const int n = ws.sample.SampleCount;
    const long double mean = r.Mean;
    const long double total = r.TotalStdDev;

    const long double sigmaC = s.Potential.InUse ? s.Potential.Value : r.PotentialStdDev;
    long double sigmaS = r.WithinStdDev;
    if (s.Stream.InUse) {
        if (total >= s.Stream.Value) {
            sigmaS = std::sqrt(total * total -
                               static_cast<long double>(s.Stream.Value) * s.Stream.Value);
        } else {
            w.AddWarningLine("***** ERROR - User Stream Std Dev greater than total *****");
            sigmaS = total;
        }
    }

    Index ppk, pp, ppStream, cpPot, ppm;
    long double tolerance = 0;
    if (specs.HasUSL && specs.HasLSL) {
        tolerance = static_cast<long double>(specs.USL) - specs.LSL;
        pp = Divide(tolerance / 6, total);
        ppStream = Divide(tolerance / 6, sigmaS);
        cpPot = {sigmaC > 0 ? tolerance / 6 / sigmaC : 0.0L, true};
        const Index upper = Divide((specs.USL - mean) / 3, total);
        const Index lower = Divide((mean - specs.LSL) / 3, total);
        ppk = {std::min(upper.value, lower.value), upper.defined};
    } else {
        const long double distance = specs.HasUSL ? specs.USL - mean : mean - specs.LSL;
        ppk = Divide(distance / 3, total);
        ppStream = Divide(distance / 3, sigmaS);
        // As with two limits, no potential spread gives 0.
        cpPot = {sigmaC > 0 ? std::fabs(distance) / 3 / sigmaC : 0.0L, true};
        pp = ppk;
    }

    long double toleranceTarget = tolerance;
    if (specs.HasTarget) {
        if (toleranceTarget == 0)
            toleranceTarget = specs.HasUSL
                                  ? 2 * (specs.USL - static_cast<long double>(specs.Target))
                                  : 2 * (static_cast<long double>(specs.Target) - specs.LSL);
        ppm = {0, true};
        if (toleranceTarget > 0 && n > 1) {
            const long double off = mean - specs.Target;
            ppm = Divide(toleranceTarget / 6, std::sqrt(off * off * n / (n - 1) + total * total));
        }
    }
    r.Ppk = static_cast<double>(ppk.value);
    r.Ppm = static_cast<double>(ppm.value);
    r.Pp = static_cast<double>(pp.value);
    r.PpStream = static_cast<double>(ppStream.value);
    r.CpPot = static_cast<double>(cpPot.value);

    w.SetTitleFont(w.ReportHeadingSize);
    w.AddReportLine("Performance");
    w.SetBodyFont(w.ReportBodySize);
    w.AddBlankLine();
    if (toleranceTarget > 0 && specs.HasTarget)
        w.AddReportLine(
            "\t%Off-Target = " +
            Fmt(ws, 2, 100 * std::fabs(ws.sampleStats.Mean - specs.Target) / toleranceTarget) +
            "%");
    if (a.HasStreams) {
        w.AddReportLine("\tMax Stream Mean = " + Fmt(ws, d, r.MaxStreamMean));
        w.AddReportLine("\tMin Stream Mean = " + Fmt(ws, d, r.MinStreamMean));
        if (specs.HasUSL && specs.HasLSL)
            w.AddReportLine(
                "\t%Process Stream Difference = " +
                Fmt(ws, 2,
                    100 * (static_cast<long double>(r.MaxStreamMean) - r.MinStreamMean) /
                        tolerance) +
                "%");
    }
    w.AddBlankLine();
    w.AddReportLine("\tPpk       = " + IndexText(ws, ppk));
    if (specs.HasTarget) w.AddReportLine("\tPpm       = " + IndexText(ws, ppm));
    w.AddReportLine("\tPp        = " + IndexText(ws, pp));
    if (a.HasStreams || s.Stream.InUse) w.AddReportLine("\tPp(Stream)= " + IndexText(ws, ppStream));
    w.AddReportLine("\tCp(pot)   = " + IndexText(ws, cpPot));

    r.AboveUSL = specs.HasUSL ? CountAbove(ws.sample, specs.USL) : 0;
    r.BelowLSL = specs.HasLSL ? CountBelow(ws.sample, specs.LSL) : 0;
    const long long out = static_cast<long long>(r.AboveUSL) + r.BelowLSL;
    w.AddBlankLine();
    w.AddReportLine("\tn = " + std::to_string(n));
    if (specs.HasUSL) w.AddReportLine("\tAbove USL = " + std::to_string(r.AboveUSL));
    if (specs.HasLSL) w.AddReportLine("\tBelow LSL = " + std::to_string(r.BelowLSL));
    w.AddReportLine("\tTotal Out = " + std::to_string(out));
    if (n > 0)
        w.AddReportLine("\t(" + Fmt(ws, 0, static_cast<long double>(out) * 1000000 / n) + " ppm)");
    else
        w.AddReportLine("\t(ppm undefined: n = 0)");

    if (a.Charts != nullptr) a.Charts->DisplayPPA(r.Ppk, r.Ppm, r.Pp, r.PpStream, r.CpPot);
}

}  // namespace vostrel
