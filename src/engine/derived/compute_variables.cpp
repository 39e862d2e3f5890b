#include "engine/derived/compute_variables.h"

#include <algorithm>
#include <cmath>

#include "engine/derived/bartlett_kendall.h"
#include "engine/derived/combinable_distributions.h"
#include "engine/derived/derived_columns.h"
#include "engine/derived/derived_statistics.h"
#include "engine/derived/sample_scores.h"
#include "engine/helpers/text_helpers.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

bool IsColumn(const Workspace& ws, int c) { return c >= 1 && c <= ws.table.MaxCol(); }

// The scores of the statistic into the column.
DeriveResult ComputeScores(Workspace& ws, const std::vector<DerivedSample>& samples,
                           const SampleVariableRequest& request, DerivedColumn& column) {
    const int code = request.Statistic;
    switch (code) {
        case AbsDevFromMedianWithoutMidpoint:
        case AbsDevFromMedian:
        case AbsDevFromMean:
        case DeviationsFromMedian:
        case DeviationsFromMean:
            DeviationScores(ws.sample, ws.sampleStats, samples, code, column);
            return DeriveResult::Added;
        case BartlettKendall:
        case BartlettKendallBox:
            return BartlettKendallScores(ws, request.Questions ? *request.Questions : ws.ui,
                                         samples, code == BartlettKendallBox, request.Seed, column);
        case CombinableDistributions:
            return CombinableDistributionScores(ws, samples, column) ? DeriveResult::Added
                                                                     : DeriveResult::Refused;
        case SampleRanks:
            RankScores(samples, column);
            return DeriveResult::Added;
        default:
            PerSampleStatistic(ws.sample, ws.sampleStats, samples, code, column);
            return DeriveResult::Added;
    }
}

std::vector<std::string> ColumnNames(const Workspace& ws, const std::vector<int>& columns) {
    std::vector<std::string> names;
    for (int c : columns) names.push_back(ws.table.ColumnName(c));
    return names;
}

// The statistic of the values now in the sample array.
long double AcrossRowsValue(Workspace& ws, int item) {
    SampleArray& a = ws.sample;
    SampleStats& s = ws.sampleStats;
    switch (item) {
        case AcrossMean:
            ComputeMean(a, s);
            return s.Mean;
        case AcrossSum:
            ComputeMean(a, s);
            return s.Sum;
        case AcrossStdDev:
            ComputeMeanStd(a, s);
            return s.StdDev;
        case AcrossVariance:
            ComputeMeanStd(a, s);
            return s.Variance;
        case AcrossCount:
            return a.SampleCount;
        case AcrossMode:
            ComputeMode(a, s);
            return s.Mode;
        default:
            break;
    }
    ComputeOrderStats(a, s);
    switch (item) {
        case AcrossMedian:
            return s.Median;
        case AcrossLow:
            return s.Low;
        case AcrossHigh:
            return s.High;
        default:
            return s.Range;
    }
}

}  // namespace

DeriveResult ComputeSampleVariable(Workspace& ws, TRunInfo& run,
                                   const SampleVariableRequest& request, ReportDocument* log) {
    if (!IsColumn(ws, request.Dependent) || request.Statistic < 0 ||
        request.Statistic >= SampleStatisticCount)
        return DeriveResult::Refused;
    for (int c : request.Independent)
        if (!IsColumn(ws, c)) return DeriveResult::Refused;
    if (!RoomForColumns(ws, 1)) return DeriveResult::Refused;

    BusyCursor busy(ws.ui);
    std::vector<int> independent = request.Independent;
    std::sort(independent.begin(), independent.end());
    SetupSampleRun(ws, run, request.Dependent, independent);
    const std::vector<DerivedSample> samples = CollectSamples(ws, run);

    DerivedColumn column(static_cast<std::size_t>(ws.data.Ncount) + 1, MissingValue);
    const DeriveResult scored = ComputeScores(ws, samples, request, column);
    if (scored != DeriveResult::Added) return scored;

    const std::string dependentName = ws.table.ColumnName(request.Dependent);
    const std::string name = request.NewName.empty()
                                 ? ProposedSampleName(dependentName, request.Statistic)
                                 : NewVariableName(request.NewName);
    AppendDerivedColumns(ws, "Compute Variables", {{name, ColumnTexts(column)}});
    ++ws.table.DataGeneration;

    if (log != nullptr) {
        std::string variables = dependentName;
        if (!independent.empty())
            variables += " by " + JoinStrings(ColumnNames(ws, independent), ", ");
        WriteDerivedLog(ws, *log, name,
                        {std::string(SampleStatisticInfo(request.Statistic).Caption), variables});
    }
    return DeriveResult::Added;
}

DeriveResult ComputeAcrossRows(Workspace& ws, const AcrossRowsRequest& request,
                               ReportDocument* log) {
    std::vector<int> columns = request.Columns;
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    if (columns.empty() || request.Statistic < 0 || request.Statistic >= AcrossRowsStatisticCount)
        return DeriveResult::Refused;
    for (int c : columns)
        if (!IsColumn(ws, c)) return DeriveResult::Refused;
    if (!RoomForColumns(ws, 1)) return DeriveResult::Refused;

    BusyCursor busy(ws.ui);
    TDataList& data = ws.data;
    if (data.DataChanged) data.UpdateData();
    data.MaxSizeA_Array(static_cast<int>(columns.size()));
    DerivedColumn column(static_cast<std::size_t>(data.Ncount) + 1, MissingValue);
    for (int row = 1; row <= data.Ncount; ++row) {
        if (!data.ProcessOK(row)) continue;
        ws.sample.Clear();
        for (int c : columns)
            if (data.DataValid(data.Value(c, row))) ws.sample.Append(data.Value(c, row));
        if (ws.sample.SampleCount == 0) continue;
        column[static_cast<std::size_t>(row)] = AcrossRowsValue(ws, request.Statistic);
    }

    const std::string name = request.NewName.empty() ? ProposedAcrossRowsName(request.Statistic, 0)
                                                     : NewVariableName(request.NewName);
    AppendDerivedColumns(ws, "Compute Variables", {{name, ColumnTexts(column)}});
    ++ws.table.DataGeneration;
    if (log != nullptr)
        WriteDerivedLog(ws, *log, name,
                        {AcrossRowsStatisticText(request.Statistic) + " of " +
                         JoinStrings(ColumnNames(ws, columns), ", ")});
    return DeriveResult::Added;
}

}  // namespace vostrel
