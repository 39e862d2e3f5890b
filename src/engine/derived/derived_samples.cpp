#include "engine/derived/derived_samples.h"

#include <algorithm>

#include "engine/data/extraction.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// The rows of every unit of the run that pass Process If, indexed by unit - Afirst; one
// pass over the table instead of one per unit.
std::vector<std::vector<int>> RowsByUnit(const TDataList& data, const TRunInfo& run) {
    const int units = std::max(run.Alast - run.Afirst + 1, 0);
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(units));
    if (units == 0) return rows;
    if (run.ColRefRun == 1) {
        for (int j = 1; j <= data.Ncount; ++j)
            if (data.ProcessOK(j)) rows[0].push_back(j);
        return rows;
    }
    const int runCount = std::min(run.MaxRun, static_cast<int>(data.RunCodes.size()) - 1);
    if (runCount < 1) return rows;
    const auto first = data.RunCodes.begin() + 1;
    const auto last = first + runCount;
    for (int j = 1; j <= data.Ncount; ++j) {
        const std::int64_t code = data.RowRunCode[static_cast<std::size_t>(j)];
        if (code == 0 || !data.ProcessOK(j)) continue;
        const auto at = std::lower_bound(first, last, code);
        if (at == last || *at != code) continue;
        const auto unit = static_cast<int>(at - first) + 1;
        if (unit >= run.Afirst && unit <= run.Alast)
            rows[static_cast<std::size_t>(unit - run.Afirst)].push_back(j);
    }
    return rows;
}

}  // namespace

void SetupSampleRun(Workspace& ws, TRunInfo& run, int dependent,
                    const std::vector<int>& independent) {
    TDataList& data = ws.data;
    if (data.DataChanged) data.UpdateData();
    run.InitRunInfo();
    const auto count = static_cast<int>(independent.size());
    if (count == 0) {
        run.ColRefRun = 1;
        data.IncludeCol.fill(false);
        data.IncludeCol[static_cast<std::size_t>(dependent)] = true;
        run.Afirst = dependent;
        run.Alast = dependent;
    } else {
        run.ColRefRun = count == 1 ? 20 : 3;
        run.RefArray[0] = count;
        for (int i = 0; i < count; ++i)
            run.RefArray[static_cast<std::size_t>(i) + 1] =
                independent[static_cast<std::size_t>(i)];
        if (count == 1) {
            run.index = independent.front();
            run.GroupName = data.ColumnTitleOrName(run.index);
        }
        data.SetRunData(run);
    }
    run.measure = dependent;
    run.MeasureName = data.ColumnName(dependent);
    SetupIndex(run);
}

std::vector<DerivedSample> CollectSamples(Workspace& ws, TRunInfo& run) {
    const TDataList& data = ws.data;
    const std::vector<std::vector<int>> rowsByUnit = RowsByUnit(data, run);
    std::vector<DerivedSample> samples;
    SetupIndex(run);
    while (GetAR(ws, run)) {
        DerivedSample sample;
        sample.Name = run.CurrentName;
        sample.Rows = rowsByUnit[static_cast<std::size_t>(run.v - run.Afirst)];
        for (int j : sample.Rows)
            if (data.DataValid(data.Value(run.measure, j))) sample.ValueRows.push_back(j);
        const int n = ws.sample.SampleCount;
        sample.Values.assign(ws.sample.A_Array.begin() + 1, ws.sample.A_Array.begin() + 1 + n);
        // The extraction takes exactly the valid values of these rows, in table order.
        if (sample.ValueRows.size() != sample.Values.size()) continue;
        samples.push_back(std::move(sample));
    }
    SetupIndex(run);
    return samples;
}

}  // namespace vostrel
