// The process stream table: one line per stream, the pooled within-stream standard
// deviation, the average short-term estimate and the smallest and largest stream mean.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/analysis/analysis_sections.h"
#include "engine/analysis/report_format.h"
#include "engine/data/extraction.h"
#include "engine/stats/elementary_functions.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using analysis_format::Fmt;
using analysis_format::Right;

struct ColumnWidths {
    int label = 0, count = 0, mean = 0, low = 0, high = 0, range = 0, std = 0, last = 0;
};

// Pass 1: the widths that every stream's line fits into.
ColumnWidths MeasureWidths(Workspace& ws, bool sampleItems) {
    TRunInfo& run = ws.analysis.RunInfo;
    long double largest = 0, widestRange = 0;
    int mostValues = 0, longestLabel = 0;
    SetupIndex(run);
    while (GetAR(ws, run)) {
        ComputeLowHigh(ws.sample, ws.sampleStats);
        largest =
            std::max({largest, std::fabs(ws.sampleStats.High), std::fabs(ws.sampleStats.Low)});
        widestRange = std::max(widestRange, ws.sampleStats.Range);
        mostValues = std::max(mostValues, ws.sample.SampleCount);
        longestLabel = std::max(longestLabel, DisplayLength(run.CurrentName));
    }
    const int a = DisplayLength(Fmt(ws, largest)) + 2;
    const int g = DisplayLength(Fmt(ws, widestRange)) + 2;
    const int c = static_cast<int>(std::to_string(mostValues).size()) + 2;
    ColumnWidths w;
    w.label = MaxInt(longestLabel, 5);
    w.mean = MaxInt(a, 5);
    if (sampleItems) {
        w.count = MaxInt(c, 10);
        w.low = MaxInt(a, 9);
        w.high = MaxInt(a, 10);
        w.range = MaxInt(g, 11);
        w.std = MaxInt(g, 9);
        w.last = MaxInt(g, 10);
    } else {
        w.count = MaxInt(c, 2);
        w.low = MaxInt(a, 4);
        w.high = MaxInt(a, 5);
        w.range = MaxInt(g, 6);
        w.std = MaxInt(g, 4);
        w.last = MaxInt(g, 9);
    }
    return w;
}

// Accumulators of the section.
struct StreamSums {
    long double ssWithin = 0, potentialSum = 0, dw = 0, dp = 0;
    bool first = true;

    void StreamMean(PerformanceResults& r, double m) {
        if (first) {
            r.MinStreamMean = r.MaxStreamMean = m;
            first = false;
        } else if (m < r.MinStreamMean) {
            r.MinStreamMean = m;
        } else if (m > r.MaxStreamMean) {
            r.MaxStreamMean = m;
        }
    }
};

void MovingRangeTable(Workspace& ws, const ColumnWidths& w, StreamSums& sums) {
    ReportWriter& report = ws.report;
    PerformanceAnalysis& a = ws.analysis;
    TRunInfo& run = a.RunInfo;
    const int d = a.Decimals;
    report.AddReportLine(PadLeft("Group", w.label) + PadLeft("n", w.count) +
                         PadLeft("Mean", w.mean) + PadLeft("Low", w.low) + PadLeft("High", w.high) +
                         PadLeft("Range", w.range) + PadLeft("Std", w.std) +
                         PadLeft("Std(MMR)", w.last + 1));
    report.SetFontRegular();
    SampleStats& st = ws.sampleStats;
    SetupIndex(run);
    while (GetAR(ws, run)) {
        const int n = ws.sample.SampleCount;
        ComputeMeanStd(ws.sample, st);
        ComputeMovingRanges(ws.sample, st);
        ReloadAR(ws, run);
        ComputeOrderStats(ws.sample, st);
        sums.StreamMean(a.Results, static_cast<double>(st.Mean));
        sums.ssWithin += st.StdDev * st.StdDev * (n - 1);
        sums.potentialSum += (n - 1) * st.StdDevFromMedianMR;
        sums.dp += n - 1;
        sums.dw += n - 1;
        report.AddReportLine(PadLeft(run.CurrentName, w.label) + Right(ws, w.count, 0, n) +
                             Right(ws, w.mean, d, st.Mean) + Right(ws, w.low, d, st.Low) +
                             Right(ws, w.high, d, st.High) + Right(ws, w.range, d, st.Range) +
                             Right(ws, w.std, d, st.StdDev) +
                             Right(ws, w.last, d, st.StdDevFromMedianMR));
    }
}

void SubgroupTables(Workspace& ws, const ColumnWidths& w, StreamSums& sums) {
    ReportWriter& report = ws.report;
    PerformanceAnalysis& a = ws.analysis;
    TRunInfo& run = a.RunInfo;
    const int d = a.Decimals;
    SampleStats& st = ws.sampleStats;

    report.AddReportLine(PadLeft("Group", w.label) + PadLeft("n", w.count) +
                         PadLeft("Mean", w.mean) + PadLeft("Low", w.low) + PadLeft("High", w.high) +
                         PadLeft("Range", w.range) + PadLeft("Std", w.std));
    report.SetFontRegular();
    SetupIndex(run);
    while (GetAR(ws, run)) {
        const int n = ws.sample.SampleCount;
        ComputeMeanStd(ws.sample, st);
        ComputeOrderStats(ws.sample, st);
        report.AddReportLine(PadLeft(run.CurrentName, w.label) + Right(ws, w.count, 0, n) +
                             Right(ws, w.mean, d, st.Mean) + Right(ws, w.low, d, st.Low) +
                             Right(ws, w.high, d, st.High) + Right(ws, w.range, d, st.Range) +
                             Right(ws, w.std, d, st.StdDev));
    }

    report.AddBlankLine();
    report.SetFontUnderline();
    SetupIndex(run);
    report.AddReportLine(PadLeft("Group", w.label) + PadLeft("Subgroups", w.count) +
                         PadLeft("Mean", w.mean) + PadLeft("Low(sub)", w.low + 1) +
                         PadLeft("High(sub)", w.high) + PadLeft("Range(sub)", w.range) +
                         PadLeft("Std(All)", w.std) + PadLeft("Std(MStd)", w.last));
    report.SetFontRegular();
    const long double factor = SubgroupFactor(a.MeasureCount);
    while (GetARsubgroupStats(ws, 1, run)) {
        ComputeMeanStd(ws.sample, st);
        ComputeOrderStats(ws.sample, st);
        const int subgroups = ws.sample.SampleCount;
        const long double low = st.Low, high = st.High, range = st.Range;
        sums.StreamMean(a.Results, static_cast<double>(st.Mean));

        SubgroupStatsToA_Array(ws, 2, run);
        ComputeOrderStats(ws.sample, st);
        const long double ps = st.Median * factor;
        sums.potentialSum += ws.sample.SampleCount * ps;
        sums.dp += ws.sample.SampleCount;

        DataToA_Array(ws, run.v, run);
        ComputeMeanStd(ws.sample, st);
        const int items = ws.sample.SampleCount;
        sums.ssWithin += (items - 1) * st.Variance;
        sums.dw += items - 1;

        report.AddReportLine(PadLeft(run.CurrentName, w.label) + Right(ws, w.count, 0, subgroups) +
                             Right(ws, w.mean, d, st.Mean) + Right(ws, w.low, d, low) +
                             Right(ws, w.high, d, high) + Right(ws, w.range, d, range) +
                             Right(ws, w.std, d, st.StdDev) + Right(ws, w.last, d, ps));
    }
}

}  // namespace

void StreamAnalysis(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    PerformanceResults& r = a.Results;
    AnalysisSettings& s = a.Settings;
    ReportWriter& report = ws.report;
    const bool sampleItems = a.Mode == MeasureMode::SampleItems;

    const ColumnWidths widths = MeasureWidths(ws, sampleItems);
    report.AddPageMarker();
    report.SetTitleFont(report.ReportHeadingSize);
    report.AddReportLine("Process Stream Analysis");
    report.SetBodyFont(report.ReportBodySize);
    report.AddBlankLine();
    report.SetFontUnderline();

    StreamSums sums;
    if (sampleItems)
        SubgroupTables(ws, widths, sums);
    else
        MovingRangeTable(ws, widths, sums);
    report.AddBlankLine();

    r.SSWithin = static_cast<double>(sums.ssWithin);
    r.PotentialSum = static_cast<double>(sums.potentialSum);
    r.WithinStdDev = sums.dw < 1 ? 0.0 : static_cast<double>(std::sqrt(sums.ssWithin / sums.dw));
    r.PotentialStdDev = sums.dp < 1 ? 0.0 : static_cast<double>(sums.potentialSum / sums.dp);

    report.AddReportLine("\tSQRT(MSW) = Avg Std Dev within = " + Fmt(ws, r.WithinStdDev));
    if (sampleItems)
        report.AddReportLine("\tAVG Std(MSTD) = Avg Std Dev from Median Std Dev's = " +
                             Fmt(ws, r.PotentialStdDev));
    else
        report.AddReportLine("\tAVG Std(MMR) = Avg Std Dev from Median Moving Range = " +
                             Fmt(ws, r.PotentialStdDev));
    if (a.Mode == MeasureMode::RepeatedMeasures)
        report.AddReportLine("\tStd Dev of repeated measures = " +
                             Fmt(ws, std::sqrt(static_cast<long double>(r.RepeatedVariance))));
    if (s.Potential.InUse) {
        report.AddReportLine("\tUser-set Potential Std Dev = " + Fmt(ws, s.Potential.Value));
        r.PotentialStdDev = s.Potential.Value;
    }
    if (s.Stream.InUse) {
        report.AddReportLine("\tUser-set Between Stream Std Dev = " + Fmt(ws, s.Stream.Value));
        if (s.Stream.Value > r.TotalStdDev) {
            report.AddWarningLine("\tWarning: User-set Stream Std Dev > Total");
            report.AddWarningLine("\tSetting Stream Std Dev to zero");
            s.Stream.Value = 0;
        }
    }
    if (r.PotentialStdDev > r.WithinStdDev) {
        report.AddBlankLine();
        report.AddWarningLine("\tWarning: Estimated Potential Std Dev > Within");
        report.AddWarningLine("\tUsing Within Standard Deviation as Potential");
        r.PotentialStdDev = r.WithinStdDev;
    }
    if (s.Measurement.InUse && s.Measurement.Value > r.PotentialStdDev) {
        report.AddBlankLine();
        report.AddWarningLine("\tWarning: User-set Measurement Std Dev > Potential");
        report.AddWarningLine("\tSetting Measurement Std Dev to zero");
        s.Measurement.Value = 0;
    }
}

}  // namespace vostrel
