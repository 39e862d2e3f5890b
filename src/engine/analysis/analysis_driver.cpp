#include "engine/analysis/analysis_driver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/analysis/analysis_sections.h"
#include "engine/data/extraction.h"
#include "engine/data/transform.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

bool Present(double limit) { return limit != MissingValue; }

std::string JoinNames(const TDataList& data, const std::vector<int>& columns) {
    std::string names;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) names += ", ";
        names += data.ColumnName(columns[i]);
    }
    return names;
}

int RunCode(int streamVariables, MeasureMode mode) {
    const int row = streamVariables == 0 ? 0 : (streamVariables == 1 ? 1 : 2);
    switch (mode) {
        case MeasureMode::SampleItems:
            return 5 + row;
        case MeasureMode::RepeatedMeasures:
            return 8 + row;
        default:
            return 1 + row;
    }
}

// Keeps the Action from starting again while one runs (the windows process their
// messages between the sections).
class RunningFlag {
  public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

  private:
    bool& flag_;
};

// One pass over the rows; false when the transform failed part-way (it is then off).
bool RowStatisticsPass(Workspace& ws, const std::vector<int>& measures, long double& ss,
                       long double& df) {
    TDataList& data = ws.data;
    const int maxCol = data.MaxCol();
    const bool transform = ws.transform.On();
    ws.transform.Error = false;
    ss = 0;
    df = 0;
    for (int j = 1; j <= data.Ncount; ++j) {
        if (!data.ProcessOK(j)) continue;
        ws.sample.Clear();
        for (int c : measures) {
            const double x = data.Value(c, j);
            if (!data.DataValid(x)) continue;
            ws.sample.Append(transform ? ApplyTransform(ws, x) : x);
            if (ws.transform.Error) return false;
        }
        const int k = ws.sample.SampleCount;
        data.Value(maxCol + 3, j) = k;
        if (k == 0) {
            data.Value(maxCol + 1, j) = MissingValue;
            data.Value(maxCol + 2, j) = MissingValue;
            continue;
        }
        ComputeMeanStd(ws.sample, ws.sampleStats);
        data.Value(maxCol + 1, j) = static_cast<double>(ws.sampleStats.Mean);
        if (k == 1) {
            data.Value(maxCol + 2, j) = MissingValue;
        } else {
            const long double s = ws.sampleStats.StdDev;
            data.Value(maxCol + 2, j) = static_cast<double>(s);
            ss += (k - 1) * s * s;
            df += k - 1;
        }
    }
    return true;
}

}  // namespace

void ReadSpecLimits(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    if (!a.Settings.Measures.Empty()) {
        const int c = a.Settings.Measures.ColumnAt(0);
        SpecLimits& s = a.Specs;
        s.USL = ws.data.ColumnUSL(c);
        s.Target = ws.data.ColumnTarget(c);
        s.LSL = ws.data.ColumnLSL(c);
        s.HasUSL = Present(s.USL);
        s.HasTarget = Present(s.Target);
        s.HasLSL = Present(s.LSL);
    }
    a.Decimals = std::clamp(a.Settings.DecimalsBox, 0, kMaxDecimals);
}

bool CheckSpecLimits(Workspace& ws) {
    const SpecLimits& s = ws.analysis.Specs;
    const char* error = nullptr;
    if (s.HasUSL && s.HasLSL && !(s.USL > s.LSL))
        error = "USL <= LSL";
    else if ((s.HasTarget && s.HasLSL && s.Target < s.LSL) ||
             (s.HasUSL && s.HasTarget && s.Target > s.USL))
        error = "Target not in Spec. Range";
    if (error == nullptr) return true;
    ws.ui.Beep();
    ws.ui.ErrorBox(error);
    return false;
}

void ComputeRowStatistics(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    if (a.MeasureCount < 2) return;
    // Every row that passes the other rules is treated, whatever the current set.
    ws.data.SetIndex = 0;
    const std::vector<int> measures = a.Settings.Measures.Columns();
    long double ss = 0, df = 0;
    if (!RowStatisticsPass(ws, measures, ss, df)) {
        // Never half transformed: the transform is switched off and the rows start over.
        TransformFailed(ws);
        RowStatisticsPass(ws, measures, ss, df);
    }
    const long double pooled = df < 1 ? 0.0L : std::sqrt(ss / df);
    a.Results.RepeatedVariance = static_cast<double>(pooled * pooled);
}

void PrepareRun(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    AnalysisSettings& s = a.Settings;
    TDataList& data = ws.data;
    if (data.DataChanged) data.UpdateData();
    s.ApplyListRules();

    const std::vector<int> measures = s.Measures.Columns();
    const std::vector<int> streams = s.Streams.Columns();
    a.MeasureCount = static_cast<int>(measures.size());
    a.StreamVarCount = static_cast<int>(streams.size());
    if (a.MeasureCount == 1)
        a.Mode = MeasureMode::SingleMeasure;
    else if (s.Multiple == MultipleMeasures::SampleItems)
        a.Mode = MeasureMode::SampleItems;
    else if (s.Multiple == MultipleMeasures::RepeatedMeasures)
        a.Mode = MeasureMode::RepeatedMeasures;
    else
        a.Mode = MeasureMode::MultipleStreams;
    a.HasStreams = a.StreamVarCount > 0 || a.Mode == MeasureMode::MultipleStreams;

    TRunInfo& run = a.RunInfo;
    run.InitRunInfo();
    const std::string names = JoinNames(data, measures);
    if (a.Mode == MeasureMode::RepeatedMeasures)
        run.MeasureName = "Avg(" + names + ")";
    else if (a.Mode == MeasureMode::MultipleStreams)
        run.MeasureName = "Measure";
    else
        run.MeasureName = names;
    if (!streams.empty())
        run.GroupName = JoinNames(data, streams);
    else
        run.GroupName = a.Mode == MeasureMode::MultipleStreams ? "Variable" : "(One Group)";

    const int maxCol = data.MaxCol();
    for (int c = 1; c <= maxCol; ++c) data.IncludeCol[static_cast<std::size_t>(c)] = false;
    for (int c = maxCol + 1; c <= maxCol + DerivedColumnCount; ++c)
        data.IncludeCol[static_cast<std::size_t>(c)] = true;
    for (int c : measures) data.IncludeCol[static_cast<std::size_t>(c)] = true;

    // A single stream variable's rounded codes are walked as unit numbers; codes beyond
    // that range (lot or serial numbers) make runs of the one variable instead.
    const bool walkable =
        streams.size() == 1 &&
        FitsUnitNumbers(data.ColumnLow[static_cast<std::size_t>(streams.front())],
                        data.ColumnHigh[static_cast<std::size_t>(streams.front())]);
    const int layoutStreams = streams.size() == 1 && !walkable ? 2 : a.StreamVarCount;
    run.ColRefRun = static_cast<std::uint8_t>(RunCode(layoutStreams, a.Mode));
    if (streams.empty()) {
        run.Afirst = measures.empty() ? 0 : measures.front();
        run.Alast = measures.empty() ? 0 : measures.back();
    } else if (walkable) {
        const auto g = static_cast<std::size_t>(streams.front());
        run.index = streams.front();
        run.measure = measures.empty() ? 0 : measures.front();
        run.Afirst = RoundHalfEven(data.ColumnLow[g]);
        run.Alast = RoundHalfEven(data.ColumnHigh[g]);
    } else {
        run.RefArray[0] = static_cast<int>(streams.size());
        for (std::size_t i = 0; i < streams.size(); ++i) run.RefArray[i + 1] = streams[i];
        run.measure = measures.front();
        data.SetRunData(run);
    }

    const long long room = static_cast<long long>(a.MeasureCount) * data.Ncount;
    data.MaxSizeA_Array(
        static_cast<int>(std::min<long long>(room, std::numeric_limits<int>::max() - 1)));
    data.SetColumn = s.SetColumn >= 1 && s.SetColumn <= maxCol ? s.SetColumn : 0;
    data.SetIndex = 0;
    if (run.ColRefRun >= 5 && run.ColRefRun <= 10) ComputeRowStatistics(ws);
    if (data.SetColumn > 0) data.SetGlobalIndexData();
}

bool PrepareGraphRun(Workspace& ws, bool checkLimits) {
    PerformanceAnalysis& a = ws.analysis;
    a.Settings.DropColumnsBeyond(ws.data.MaxCol());
    if (checkLimits) {
        ReadSpecLimits(ws);
        if (!CheckSpecLimits(ws)) return false;
    }
    if (!ws.table.HaveData() || a.Settings.Measures.Empty()) return false;
    PrepareRun(ws);
    a.GraphRunInfo.CopyFrom(a.RunInfo);
    return true;
}

void LoadAllValues(Workspace& ws) {
    LoadAllToA_Array(ws, ws.analysis.RunInfo);
    DescribeSample(ws.sample, ws.sampleStats);
    ws.analysis.Results.Mean = static_cast<double>(ws.sampleStats.Mean);
    ws.analysis.Results.TotalStdDev = static_cast<double>(ws.sampleStats.StdDev);
}

ActionResult RunPerformanceAnalysis(Workspace& ws) {
    PerformanceAnalysis& a = ws.analysis;
    if (a.Running) return ActionResult::Busy;
    a.Settings.DropColumnsBeyond(ws.data.MaxCol());
    ReadSpecLimits(ws);
    if (!CheckSpecLimits(ws)) return ActionResult::InvalidLimits;
    if (!ws.table.HaveData() || a.Settings.Measures.Empty()) return ActionResult::NoData;

    RunningFlag running(a.Running);
    BusyCursor busy(ws.ui);
    ws.report.SetReportEdit(ws.report.output);
    PrepareRun(ws);
    TDataList& data = ws.data;
    do {
        if (data.SetColumn > 0) ++data.SetIndex;
        WriteReportHeader(ws);
        LoadAllValues(ws);
        ws.ui.ProcessPendingMessages();
        if (ws.sample.SampleCount == 0) {
            // Statistics of no values would be the zeros they start from.
            WriteNoValues(ws);
            continue;
        }
        if (a.HasStreams)
            StreamAnalysis(ws);
        else
            VariableAnalysis(ws);
        ws.ui.ProcessPendingMessages();
        LoadAllValues(ws);
        ws.ui.ProcessPendingMessages();
        WriteDescriptives(ws);
        VarianceComponents(ws);
        PerformanceIndices(ws);
    } while (data.SetColumn != 0 && data.SetIndex < data.SetCount);
    a.HaveResults = true;
    return ActionResult::Completed;
}

}  // namespace vostrel
