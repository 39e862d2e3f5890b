// Short-term standard deviation when there are no process streams, and the descriptive
// statistics of every report.
#include <cmath>
#include <string>

#include "engine/analysis/analysis_sections.h"
#include "engine/analysis/report_format.h"
#include "engine/data/extraction.h"
#include "engine/stats/chi_square.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

using analysis_format::Fmt;

const char* VariableTitle(MeasureMode mode) {
    switch (mode) {
        case MeasureMode::SampleItems:
            return "Subgroup Analysis";
        case MeasureMode::RepeatedMeasures:
            return "Analysis for Repeated Measures";
        default:
            return "Variable Analysis";
    }
}

// The sum of the derived row counts over the rows selected for this set.
long long SelectedRowCounts(const Workspace& ws) {
    const TDataList& data = ws.data;
    const int countColumn = data.MaxCol() + 3;
    long long total = 0;
    for (int j = 1; j <= data.Ncount; ++j) {
        if (!data.ProcessOK(j)) continue;
        const double k = data.Value(countColumn, j);
        if (k != MissingValue) total += static_cast<long long>(k);
    }
    return total;
}

void SingleMeasure(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    DataToA_Array(ws, a.RunInfo.Afirst, a.RunInfo);
    const int n = ws.sample.SampleCount;
    ComputeMovingRanges(ws.sample, ws.sampleStats);
    a.Results.PotentialStdDev = static_cast<double>(ws.sampleStats.StdDevFromMedianMR);
    ReportWriter& w = ws.report;
    w.AddReportLine("\tn = " + std::to_string(n));
    w.AddReportLine("\tStd Dev = " + Fmt(ws, a.Results.TotalStdDev));
    w.AddReportLine("\tStd Dev from Median MR = " + Fmt(ws, a.Results.PotentialStdDev));
}

void SampleItems(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    DataToA_Array(ws, ws.data.MaxCol() + 2, a.RunInfo);
    const int groups = ws.sample.SampleCount;
    ComputeOrderStats(ws.sample, ws.sampleStats);
    a.Results.PotentialStdDev =
        static_cast<double>(ws.sampleStats.Median * SubgroupFactor(a.MeasureCount));
    ReportWriter& w = ws.report;
    w.AddReportLine("\t           Number of Groups = " + std::to_string(groups));
    w.AddReportLine("\t            Number of Items = " + std::to_string(SelectedRowCounts(ws)));
    w.AddReportLine("\t       Std Dev of All Items = " + Fmt(ws, a.Results.TotalStdDev));
    w.AddReportLine("\tStd Dev from Median Std Dev = " + Fmt(ws, a.Results.PotentialStdDev));
}

void RepeatedMeasures(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    DataToA_Array(ws, ws.data.MaxCol() + 1, a.RunInfo);
    const int items = ws.sample.SampleCount;
    ComputeMovingRanges(ws.sample, ws.sampleStats);
    a.Results.PotentialStdDev = static_cast<double>(ws.sampleStats.StdDevFromMedianMR);
    ReportWriter& w = ws.report;
    w.AddReportLine("\t                   Number of Items = " + std::to_string(items));
    w.AddReportLine("\t       Number of Repeated Measures = " +
                    std::to_string(SelectedRowCounts(ws)));
    w.AddReportLine("\t       Std Dev of Average Measures = " + Fmt(ws, a.Results.TotalStdDev));
    w.AddReportLine("\tStd Dev from Median MR of Averages = " + Fmt(ws, a.Results.PotentialStdDev));
    w.AddReportLine("\t      Std Dev of repeated measures = " +
                    Fmt(ws, std::sqrt(static_cast<long double>(a.Results.RepeatedVariance))));
}

}  // namespace

long double SubgroupFactor(int k) {
    if (k < 2) return 0;
    const long double median = ChiSquareInverse(1, k - 1, 0.5L);
    return median > 0 ? std::sqrt((k - 1) / median) : 0.0L;
}

void VariableAnalysis(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    PerformanceResults& r = a.Results;
    AnalysisSettings& s = a.Settings;
    ReportWriter& w = ws.report;

    w.AddPageMarker();
    w.SetTitleFont(w.ReportHeadingSize);
    w.AddReportLine(VariableTitle(a.Mode));
    w.SetBodyFont(w.ReportBodySize);
    w.AddBlankLine();

    r.WithinStdDev = r.TotalStdDev;
    if (a.Mode == MeasureMode::SampleItems)
        SampleItems(ws);
    else if (a.Mode == MeasureMode::RepeatedMeasures)
        RepeatedMeasures(ws);
    else
        SingleMeasure(ws);

    if (s.Potential.InUse)
        w.AddReportLine("\tUser-set Potential Std Dev = " + Fmt(ws, s.Potential.Value));
    if (r.PotentialStdDev > r.TotalStdDev) {
        w.AddWarningLine("\tWarning: Estimated Potential Std Dev > Total");
        w.AddWarningLine("\t*** Using Std Dev as Potential");
        r.PotentialStdDev = r.TotalStdDev;
    }
    if (s.Stream.InUse) {
        w.AddReportLine("\tUser-set Between Stream Std Dev = " + Fmt(ws, s.Stream.Value));
        if (s.Stream.Value > r.TotalStdDev) {
            w.AddWarningLine("\tWarning: User-Set Between Stream Std Dev > Total");
            w.AddWarningLine("\t*** Setting Stream Standard Deviation to Zero");
            s.Stream.Value = 0;
        }
    }
}

namespace {

void DescriptivesTitle(ReportWriter& w) {
    w.AddBlankLine();
    w.AddPageMarker();
    w.SetTitleFont(w.ReportHeadingSize);
    w.AddReportLine("Descriptives");
    w.SetBodyFont(w.ReportBodySize);
    w.AddBlankLine();
}

}  // namespace

void WriteNoValues(Workspace& ws) {
    ReportWriter& w = ws.report;
    DescriptivesTitle(w);
    w.AddReportLine("\t       n = 0");
    w.AddReportLine("\tNo Values Found - Every Value is Missing or Left Out!");
    w.AddBlankLine();
}

void WriteDescriptives(Workspace& ws) {
    ReportWriter& w = ws.report;
    const SampleStats& st = ws.sampleStats;
    DescriptivesTitle(w);
    w.AddReportLine("\t       n = " + Fmt(ws, 0, ws.sample.SampleCount));
    w.AddReportLine("\t    Mean = " + Fmt(ws, st.Mean));
    w.AddReportLine("\tStd. Dev = " + Fmt(ws, st.StdDev));
    w.AddReportLine("\t     Low = " + Fmt(ws, st.Low));
    w.AddReportLine("\t      Q1 = " + Fmt(ws, st.Q1));
    w.AddReportLine("\t  Median = " + Fmt(ws, st.Median));
    w.AddReportLine("\t      Q3 = " + Fmt(ws, st.Q3));
    w.AddReportLine("\t    High = " + Fmt(ws, st.High));
    w.AddReportLine("\tSkewness = " + Fmt(ws, 3, st.Skewness));
    w.AddReportLine("\tKurtosis = " + Fmt(ws, 3, st.Kurtosis));
    w.AddBlankLine();
}

}  // namespace vostrel
