// The process stream table: one line per stream, the pooled within-stream standard
// deviation, the average short-term estimate and the smallest and largest stream mean.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/analysis/analysis_sections.h"
#include "engine/analysis/report_format.h"
#include "engine/data/extraction.h"
#include "engine/report/column_width.h"
#include "engine/stats/elementary_functions.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using analysis_format::Fmt;

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

using Cells = std::vector<std::string>;

// The computed widths in column order: label, count, mean, low, high, range, std, last.
std::vector<int> InOrder(const ColumnWidths& w) {
    return {w.label, w.count, w.mean, w.low, w.high, w.range, w.std, w.last};
}

// A stream's cells: its name, its count, then numbers with the run's decimals.
Cells StreamCells(Workspace& ws, const std::string& name, int count,
                  std::initializer_list<long double> numbers) {
    Cells cells = {name, Fmt(ws, 0, count)};
    for (long double x : numbers) cells.push_back(Fmt(ws, x));
    return cells;
}

// Writes the header (in the current font) and the rows in the regular font. The computed
// widths widen for the whole table where a cell would touch its neighbour; the header
// texts are placed by the fitted widths (plus any offset of their own).
void WriteTable(ReportWriter& report, const std::vector<int>& described,
                const std::vector<std::pair<const char*, int>>& header,
                const std::vector<Cells>& rows) {
    const std::vector<int> widths = FittedWidths(described, rows);
    std::string line;
    for (std::size_t c = 0; c < header.size() && c < widths.size(); ++c)
        line += PadLeft(header[c].first, widths[c] + header[c].second);
    report.AddReportLine(line);
    report.SetFontRegular();
    for (const Cells& row : rows) report.AddReportLine(RightAlignedLine(row, widths));
}

void MovingRangeTable(Workspace& ws, const ColumnWidths& w, StreamSums& sums) {
    PerformanceAnalysis& a = ws.analysis;
    TRunInfo& run = a.RunInfo;
    SampleStats& st = ws.sampleStats;
    std::vector<Cells> rows;
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
        rows.push_back(
            StreamCells(ws, run.CurrentName, n,
                        {st.Mean, st.Low, st.High, st.Range, st.StdDev, st.StdDevFromMedianMR}));
    }
    WriteTable(ws.report, InOrder(w),
               {{"Group", 0},
                {"n", 0},
                {"Mean", 0},
                {"Low", 0},
                {"High", 0},
                {"Range", 0},
                {"Std", 0},
                {"Std(MMR)", 1}},
               rows);
}

void SubgroupTables(Workspace& ws, const ColumnWidths& w, StreamSums& sums) {
    ReportWriter& report = ws.report;
    PerformanceAnalysis& a = ws.analysis;
    TRunInfo& run = a.RunInfo;
    SampleStats& st = ws.sampleStats;

    std::vector<Cells> items;
    SetupIndex(run);
    while (GetAR(ws, run)) {
        const int n = ws.sample.SampleCount;
        ComputeMeanStd(ws.sample, st);
        ComputeOrderStats(ws.sample, st);
        items.push_back(
            StreamCells(ws, run.CurrentName, n, {st.Mean, st.Low, st.High, st.Range, st.StdDev}));
    }
    std::vector<int> itemWidths = InOrder(w);
    itemWidths.pop_back();
    WriteTable(
        report, itemWidths,
        {{"Group", 0}, {"n", 0}, {"Mean", 0}, {"Low", 0}, {"High", 0}, {"Range", 0}, {"Std", 0}},
        items);

    report.AddBlankLine();
    report.SetFontUnderline();
    std::vector<Cells> subgroups;
    SetupIndex(run);
    const long double factor = SubgroupFactor(a.MeasureCount);
    while (GetARsubgroupStats(ws, 1, run)) {
        ComputeMeanStd(ws.sample, st);
        ComputeOrderStats(ws.sample, st);
        const int count = ws.sample.SampleCount;
        const long double low = st.Low, high = st.High, range = st.Range;
        sums.StreamMean(a.Results, static_cast<double>(st.Mean));

        SubgroupStatsToA_Array(ws, 2, run);
        ComputeOrderStats(ws.sample, st);
        const long double ps = st.Median * factor;
        sums.potentialSum += ws.sample.SampleCount * ps;
        sums.dp += ws.sample.SampleCount;

        DataToA_Array(ws, run.v, run);
        ComputeMeanStd(ws.sample, st);
        const int values = ws.sample.SampleCount;
        sums.ssWithin += (values - 1) * st.Variance;
        sums.dw += values - 1;

        subgroups.push_back(
            StreamCells(ws, run.CurrentName, count, {st.Mean, low, high, range, st.StdDev, ps}));
    }
    WriteTable(report, InOrder(w),
               {{"Group", 0},
                {"Subgroups", 0},
                {"Mean", 0},
                {"Low(sub)", 1},
                {"High(sub)", 0},
                {"Range(sub)", 0},
                {"Std(All)", 0},
                {"Std(MStd)", 0}},
               subgroups);
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
