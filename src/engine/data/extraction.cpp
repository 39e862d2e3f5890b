#include "engine/data/extraction.h"

#include <algorithm>

#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

bool IsGroupLayout(int code) { return code == 2 || code == 6 || code == 9; }
bool IsRunLayout(int code) { return code == 3 || code == 7 || code == 10 || code == 20; }
bool TakesRowMeans(int code) { return code == 8 || code == 9 || code == 10; }
bool TakesAllMeasures(int code) { return code == 5 || code == 6 || code == 7; }

int IncludedCount(const TDataList& data) {
    int count = 0;
    for (int c = 1; c <= data.MaxCol(); ++c)
        if (data.IncludeCol[static_cast<std::size_t>(c)]) ++count;
    return count;
}

int FirstIncluded(const TDataList& data) {
    for (int c = 1; c <= data.MaxCol(); ++c)
        if (data.IncludeCol[static_cast<std::size_t>(c)]) return c;
    return 0;
}

bool Included(const TDataList& data, int c) {
    return c >= 1 && c <= data.MaxCol() + DerivedColumnCount &&
           data.IncludeCol[static_cast<std::size_t>(c)];
}

// The run list entry of unit u, or 0 when u is not a run.
std::int64_t RunCodeOf(const TDataList& data, int u) {
    if (u < 1 || u >= static_cast<int>(data.RunCodes.size())) return 0;
    return data.RunCodes[static_cast<std::size_t>(u)];
}

// Whether row j belongs to unit u (layouts whose unit is a part of the rows).
bool RowInUnit(const TDataList& data, const TRunInfo& run, int u, int j) {
    const int code = run.ColRefRun;
    if (IsGroupLayout(code)) return RoundHalfEven(data.Value(run.index, j)) == u;
    if (IsRunLayout(code)) {
        const std::int64_t runCode = RunCodeOf(data, u);
        return runCode != 0 && data.RowRunCode[static_cast<std::size_t>(j)] == runCode;
    }
    return true;
}

// Adds one value when it is valid.
void Add(Workspace& ws, double x) {
    if (ws.data.DataValid(x)) ws.sample.Append(x);
}

// The values unit u takes from row j.
void AddRowValues(Workspace& ws, const TRunInfo& run, int u, int j) {
    const TDataList& data = ws.data;
    const int maxCol = data.MaxCol();
    switch (run.ColRefRun) {
        case 1:
            Add(ws, data.Value(u, j));
            break;
        case 2:
        case 3:
        case 20:
            Add(ws, data.Value(run.measure, j));
            break;
        case 5:
            if (u > maxCol) {
                Add(ws, data.Value(u, j));
            } else {
                for (int k = std::max(run.Afirst, 1); k <= std::min(run.Alast, maxCol); ++k)
                    if (data.IncludeCol[static_cast<std::size_t>(k)]) Add(ws, data.Value(k, j));
            }
            break;
        case 6:
        case 7:
            for (int k = 1; k <= maxCol; ++k)
                if (data.IncludeCol[static_cast<std::size_t>(k)]) Add(ws, data.Value(k, j));
            break;
        case 8:
        case 9:
        case 10:
            Add(ws, data.Value(maxCol + 1, j));
            break;
        default:
            break;
    }
}

// The values LoadAllToA_Array takes from row j under layout `code`.
template <typename Take>
void ForEachPooledValue(const TDataList& data, const TRunInfo& run, int code, int j, Take take) {
    const int maxCol = data.MaxCol();
    if (code == 1 || TakesAllMeasures(code)) {
        for (int k = 1; k <= maxCol; ++k)
            if (data.IncludeCol[static_cast<std::size_t>(k)]) take(data.Value(k, j));
    } else if (code == 2 || code == 3 || code == 20) {
        take(data.Value(run.measure, j));
    } else if (TakesRowMeans(code)) {
        take(data.Value(maxCol + 1, j));
    }
}

// --- the index of the rows of every unit ---------------------------------------------

bool IndexMatches(const UnitRowIndex& index, const TDataList& data, const TRunInfo& run) {
    return index.Valid && index.Layout == run.ColRefRun &&
           index.Derivation == data.DerivationCount() &&
           (!IsGroupLayout(run.ColRefRun) || index.Column == run.index);
}

// Groups the rows by their unit key with one sort; rows stay in row order within a unit.
void BuildIndex(UnitRowIndex& index, const std::vector<std::pair<int, int>>& keyedRows) {
    std::vector<std::pair<int, int>> pairs = keyedRows;  // (unit, row), rows ascending
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    index.Units.clear();
    index.Start.clear();
    index.Rows.clear();
    index.Rows.reserve(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i == 0 || pairs[i].first != pairs[i - 1].first) {
            index.Units.push_back(pairs[i].first);
            index.Start.push_back(index.Rows.size());
        }
        index.Rows.push_back(pairs[i].second);
    }
    index.Start.push_back(index.Rows.size());
}

// The index for the run's layout, built when the table or the layout changed; nullptr for
// layouts whose units are not parts of the rows.
const UnitRowIndex* UnitIndex(Workspace& ws, const TRunInfo& run) {
    const int code = run.ColRefRun;
    if (!ws.extraction.UseIndex || !(IsGroupLayout(code) || IsRunLayout(code))) return nullptr;
    const TDataList& data = ws.data;
    UnitRowIndex& index = ws.extraction.Index;
    if (IndexMatches(index, data, run)) return &index;

    std::vector<std::pair<int, int>> keyed;
    keyed.reserve(static_cast<std::size_t>(data.Ncount));
    if (IsGroupLayout(code)) {
        if (run.index < 1 || run.index > data.MaxCol()) return nullptr;
        for (int j = 1; j <= data.Ncount; ++j)
            keyed.emplace_back(RoundHalfEven(data.Value(run.index, j)), j);
    } else {
        const int runs = std::min(run.MaxRun, static_cast<int>(data.RunCodes.size()) - 1);
        const auto first = data.RunCodes.begin() + 1;
        const auto last = data.RunCodes.begin() + 1 + std::max(runs, 0);
        for (int j = 1; j <= data.Ncount; ++j) {
            const std::int64_t runCode = data.RowRunCode[static_cast<std::size_t>(j)];
            if (runCode == 0) continue;
            const auto at = std::lower_bound(first, last, runCode);
            if (at != last && *at == runCode)
                keyed.emplace_back(static_cast<int>(at - first) + 1, j);
        }
    }
    BuildIndex(index, keyed);
    index.Valid = true;
    index.Layout = code;
    index.Column = run.index;
    index.Derivation = data.DerivationCount();
    return &index;
}

// Calls visit(j) for every row of unit u that takes part, in row order.
template <typename Visit>
void ForEachRowOfUnit(Workspace& ws, const TRunInfo& run, int u, Visit visit) {
    const TDataList& data = ws.data;
    if (const UnitRowIndex* index = UnitIndex(ws, run)) {
        const auto at = std::lower_bound(index->Units.begin(), index->Units.end(), u);
        if (at == index->Units.end() || *at != u) return;
        const auto k = static_cast<std::size_t>(at - index->Units.begin());
        for (std::size_t i = index->Start[k]; i < index->Start[k + 1]; ++i) {
            const int j = index->Rows[i];
            if (data.ProcessOK(j)) visit(j);
        }
        return;
    }
    for (int j = 1; j <= data.Ncount; ++j)
        if (data.ProcessOK(j) && RowInUnit(data, run, u, j)) visit(j);
}

// The next unit after u (or before it, step -1) that has rows at all; units without rows
// are skipped at once when the index knows them.
int NextCandidateUnit(Workspace& ws, const TRunInfo& run, int u, int step) {
    const UnitRowIndex* index = UnitIndex(ws, run);
    if (index == nullptr) return u;
    const std::vector<int>& units = index->Units;
    if (step > 0) {
        const auto at = std::lower_bound(units.begin(), units.end(), u);
        return at == units.end() ? run.Alast + 1 : std::max(*at, u);
    }
    const auto at = std::upper_bound(units.begin(), units.end(), u);
    return at == units.begin() ? run.Afirst - 1 : std::min(*(at - 1), u);
}

void UpdateWhenChanged(Workspace& ws) {
    if (ws.data.DataChanged) ws.data.UpdateData();
}

void SaveSeed(Workspace& ws) {
    ws.extraction.SavedSeed = ws.random.SaveState();
    ws.extraction.HaveSavedSeed = true;
}

// Fills A_Array with fill(), then applies the transform unless the values need none. A
// transform that fails part-way is reported and switched off, and the values are taken
// again, untransformed, with the same random draws: the unit is never analysed half
// transformed.
template <typename Fill>
void ExtractAndTransform(Workspace& ws, bool transformable, Fill fill) {
    SaveSeed(ws);
    ws.sample.SampleCount = 0;
    fill();
    if (!transformable || ws.sample.SampleCount == 0 || !ws.transform.On()) return;
    ApplyTransformToArray(ws, ws.sample.SampleCount);
    if (!ws.transform.Error) return;
    TransformFailed(ws);
    ws.random.RestoreState(ws.extraction.SavedSeed);
    ws.sample.SampleCount = 0;
    fill();
}

}  // namespace

void DataToA_Array(Workspace& ws, int u, TRunInfo& run) {
    UpdateWhenChanged(ws);
    TDataList& data = ws.data;
    const int code = run.ColRefRun;
    const int perRow = TakesAllMeasures(code) ? std::max(IncludedCount(data), 1) : 1;
    data.MaxSizeA_Array(perRow * data.Ncount);

    const bool derived = (code == 1 || code == 5) && u > data.MaxCol();
    const bool empty = code == 1 && !Included(data, u);
    ExtractAndTransform(ws, !derived && !TakesRowMeans(code), [&] {
        if (empty) return;
        ForEachRowOfUnit(ws, run, u, [&](int j) { AddRowValues(ws, run, u, j); });
    });
    if (code == 5 || code == 8) run.v = run.Alast;

    if (code == 1)
        data.DescCol = u;
    else if (code == 2 || code == 3 || code == 20)
        data.DescCol = run.measure;
    else if (code == 5)
        data.DescCol = run.Afirst;
    else
        data.DescCol = FirstIncluded(data);
}

void LoadAllToA_Array(Workspace& ws, TRunInfo& run) {
    UpdateWhenChanged(ws);
    TDataList& data = ws.data;
    const int code = run.ColRefRun;
    const bool allColumns = code == 1 || TakesAllMeasures(code);
    data.MaxSizeA_Array((allColumns ? std::max(IncludedCount(data), 1) : 1) * data.Ncount);
    ExtractAndTransform(ws, !TakesRowMeans(code), [&] {
        for (int j = 1; j <= data.Ncount; ++j)
            if (data.ProcessOK(j))
                ForEachPooledValue(data, run, code, j, [&](double x) { Add(ws, x); });
    });
    data.DescCol = code == 2 || code == 3 || code == 20 ? run.measure : FirstIncluded(data);
    run.CurrentName = "(All)";
    run.CurrentTitle = "(All)";
}

void SubgroupStatsToA_Array(Workspace& ws, int m, TRunInfo& run) {
    UpdateWhenChanged(ws);
    TDataList& data = ws.data;
    ws.sample.SampleCount = 0;
    data.MaxSizeA_Array(data.Ncount);
    const int code = run.ColRefRun;
    if (code < 5 || code > 10 || m < 1 || m > DerivedColumnCount) return;
    const int column = data.MaxCol() + m;
    ForEachRowOfUnit(ws, run, run.v, [&](int j) { Add(ws, data.Value(column, j)); });
}

void SetupIndex(TRunInfo& run) {
    run.v = run.Afirst - 1;
    run.ColIndex = run.ColFirst;
}

bool GetAR(Workspace& ws, TRunInfo& run) {
    bool found = false;
    run.v = NextCandidateUnit(ws, run, run.v + 1, 1);
    while (run.v <= run.Alast) {
        DataToA_Array(ws, run.v, run);
        if (ws.sample.SampleCount > 0) {
            found = true;
            break;
        }
        run.v = NextCandidateUnit(ws, run, run.v + 1, 1);
    }
    if (found) SetCurrentTitles(ws, run);
    if (run.v > run.Alast) run.v = run.Alast;
    return found;
}

bool GetLastAR(Workspace& ws, TRunInfo& run) {
    bool found = false;
    run.v = NextCandidateUnit(ws, run, run.v - 1, -1);
    while (run.v >= run.Afirst) {
        DataToA_Array(ws, run.v, run);
        if (ws.sample.SampleCount > 0) {
            found = true;
            break;
        }
        run.v = NextCandidateUnit(ws, run, run.v - 1, -1);
    }
    if (found) SetCurrentTitles(ws, run);
    if (run.v < run.Afirst) run.v = run.Afirst;
    return found;
}

void ReloadAR(Workspace& ws, TRunInfo& run) {
    if (ws.extraction.HaveSavedSeed) ws.random.RestoreState(ws.extraction.SavedSeed);
    DataToA_Array(ws, run.v, run);
}

bool GetARsubgroupStats(Workspace& ws, int m, TRunInfo& run) {
    bool found = false;
    run.v = NextCandidateUnit(ws, run, run.v + 1, 1);
    while (run.v <= run.Alast) {
        SubgroupStatsToA_Array(ws, m, run);
        if (ws.sample.SampleCount >= 1) {
            found = true;
            break;
        }
        run.v = NextCandidateUnit(ws, run, run.v + 1, 1);
    }
    if (found) {
        const int code = run.ColRefRun;
        if (code == 5)
            run.CurrentName = "Group";
        else if (code == 7 || code == 10)
            run.CurrentName = ws.data.GetRunName(run.v, run);
        else if (code == 8)
            run.CurrentName = "Mean";
        else if (code == 6 || code == 9)
            run.CurrentName = std::to_string(run.v);
        run.CurrentTitle = run.CurrentName;
    }
    if (run.v > run.Alast) run.v = run.Alast;
    return found;
}

void GetGroupCount(Workspace& ws, TRunInfo& run) {
    run.NumberOfGroups = 0;
    run.TotalCount = 0;
    run.v = NextCandidateUnit(ws, run, run.Afirst, 1);
    while (run.v <= run.Alast) {
        DataToA_Array(ws, run.v, run);
        if (ws.sample.SampleCount > 0) {
            ++run.NumberOfGroups;
            run.TotalCount += ws.sample.SampleCount;
        }
        run.v = NextCandidateUnit(ws, run, run.v + 1, 1);
    }
    SetupIndex(run);
}

void GetGrandHighLow(Workspace& ws, int code, TRunInfo& run) {
    UpdateWhenChanged(ws);
    TDataList& data = ws.data;
    const bool transform = !TakesRowMeans(code);
    bool any = false;
    double high = 0, low = 0;
    auto take = [&](double x) {
        if (!data.DataValid(x)) return;
        if (transform) x = TransformValue(ws, x);
        if (!any || x > high) high = x;
        if (!any || x < low) low = x;
        any = true;
    };
    for (int j = 1; j <= data.Ncount; ++j)
        if (data.ProcessOK(j)) ForEachPooledValue(data, run, code, j, take);
    data.GrandHigh = high;
    data.GrandLow = low;
}

void SetCurrentTitles(Workspace& ws, TRunInfo& run) {
    const TDataList& data = ws.data;
    const int maxCol = data.MaxCol();
    switch (run.ColRefRun) {
        case 1:
            if (run.v > maxCol) {
                static const char* const kDerived[] = {"Mean", "StdDev", "n"};
                const int k = run.v - maxCol - 1;
                run.CurrentName = k >= 0 && k < DerivedColumnCount ? kDerived[k] : "";
                run.CurrentTitle = run.CurrentName;
            } else {
                run.CurrentName = data.ColumnName(run.v);
                run.CurrentTitle = data.ColumnTitleOrName(run.v);
            }
            break;
        case 2:
        case 6:
        case 9:
            run.CurrentName = data.GetLevelName(run.index, run.v);
            run.CurrentTitle = run.CurrentName;
            break;
        case 3:
        case 7:
        case 10:
        case 20:
            run.CurrentName = data.GetRunName(run.v, run);
            run.CurrentTitle = run.CurrentName;
            break;
        case 5:
            run.CurrentName = "Group";
            run.CurrentTitle = run.CurrentName;
            break;
        case 8: {
            std::string names;
            for (int c = 1; c <= maxCol; ++c) {
                if (!data.IncludeCol[static_cast<std::size_t>(c)]) continue;
                if (!names.empty()) names += ",";
                names += data.ColumnName(c);
            }
            run.CurrentName = "Mean(" + names + ")";
            run.CurrentTitle = run.CurrentName;
            break;
        }
        default:
            break;
    }
}

UnitList SetupVarList(Workspace& ws, TRunInfo& run) {
    UnitList list;
    SetupIndex(run);
    while (GetAR(ws, run)) {
        list.Names.push_back(run.CurrentName);
        list.Numbers.push_back(std::to_string(run.v));
    }
    SetupIndex(run);
    return list;
}

}  // namespace vostrel
