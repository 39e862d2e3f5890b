#include "engine/data/data_list.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "engine/data/cell_value.h"
#include "engine/data/parallel_columns.h"
#include "engine/data/text_rules.h"
#include "engine/core/user_interface.h"

namespace vostrel {

int RoundHalfEven(double x) {
    const double r = std::nearbyint(x);  // the default rounding mode: halves to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

bool FitsUnitNumbers(double low, double high) {
    constexpr double lowest = std::numeric_limits<int>::min() + 2.0;
    constexpr double highest = std::numeric_limits<int>::max() - 2.0;
    return std::nearbyint(low) >= lowest && std::nearbyint(high) <= highest;
}

TDataList::TDataList(DataTable& table, SampleArray& sample, const CaseRules& rules,
                     UserInterface& ui)
    : table_(table), sample_(sample), rules_(rules), ui_(ui) {
    InitData();
}

void TDataList::InitData() {
    Highlow.fill(false);
    derivedCols_ = -1;
    Ncount = 0;
    Ccount = 0;
    Rcount = 0;
}

void TDataList::Cleardata() {
    BusyCursor busy(ui_);
    CellValues.clear();
    LevelFirstRow.clear();
    RowModified.clear();
    RowRunCode.clear();
    RunCodes.clear();
    RunRows.clear();
    ColumnHigh.fill(0);
    ColumnLow.fill(0);
    IncludeCol.fill(false);
    StringVar.fill(false);
    SetColumn = 0;
    SetValues.assign(1, 0.0);
    SetCount = 0;
    SetIndex = 0;
    DataChanged = false;
    DescCol = 0;
    InitData();
}

std::string TDataList::ColumnName(int c) const {
    if (c < 1 || c > MaxCol()) return {};
    return table_.DataGrid.CellString(c, 0);
}

std::string TDataList::ColumnTitle(int c) const {
    if (c < 1 || c > MaxCol()) return {};
    return table_.DescGrid.CellString(c, DescTitleRow);
}

std::string TDataList::ColumnTitleOrName(int c) const {
    std::string title = ColumnTitle(c);
    return title.empty() ? ColumnName(c) : title;
}

double TDataList::DescNumber(int c, int descRow) const {
    if (c < 1 || c > MaxCol()) return MissingValue;
    std::optional<double> value = ReadNumber(TrimSpaces(table_.DescGrid.Cell(c, descRow)));
    return value ? *value : MissingValue;
}

void TDataList::SetRowModifiedTrue(int r) {
    if (r >= 1 && r <= Rcount) {
        RowModified[static_cast<std::size_t>(r)] = 1;
        DataChanged = true;
    }
}

void TDataList::RecordModifiedRows(int first, int last) {
    modifiedFirst_ = first;
    modifiedLast_ = last;
}

void TDataList::SetRowsModified() {
    for (int r = modifiedFirst_; r <= modifiedLast_; ++r) SetRowModifiedTrue(r);
}

void TDataList::SetAllRowsModified() {
    const int rows = table_.CaseRows();
    for (int r = 1; r <= rows; ++r) SetRowModifiedTrue(r);
}

void TDataList::MaxSizeCellArray() {
    const int cols = MaxCol();
    const int rows = table_.CaseRows();
    MaxSizeCellChange = cols > Ccount || rows > Rcount;
    if (!MaxSizeCellChange) return;
    const auto rowSize = static_cast<std::size_t>(rows) + 1;
    CellValues.resize(static_cast<std::size_t>(cols) + 1 + DerivedColumnCount);
    LevelFirstRow.resize(static_cast<std::size_t>(cols) + 1);
    // Growing a large table's stores is mostly the kernel's work of handing out fresh
    // pages, which the cores can share: each store is grown by one of them.
    std::vector<std::function<void()>> grow;
    for (auto& column : CellValues)
        grow.emplace_back([&column, rowSize] { column.resize(rowSize, MissingValue); });
    if (rows > Rcount) {
        grow.emplace_back([this, rowSize] { RowRunCode.resize(rowSize, 0); });
        grow.emplace_back([this, rowSize] { RunCodes.resize(rowSize, 0); });
        grow.emplace_back([this, rowSize] { RunRows.resize(rowSize, 0); });
        grow.emplace_back([this, rowSize] { RowModified.resize(rowSize, 0); });
        Rcount = rows;
    }
    ForEachColumnInParallel(static_cast<int>(grow.size()), rowSize * grow.size(),
                            [&grow](int k) { grow[static_cast<std::size_t>(k) - 1](); });
    SetAllRowsModified();
}

// The value of one cell from its text; text cells get TextMarker until levels are coded.
double TDataList::DeriveCell(int col, int row) {
    double value = 0;
    switch (ReadCell(table_.DataGrid.Cell(col, row), value)) {
        case CellKind::Number:
            return value;
        case CellKind::Missing:
            return MissingValue;
        case CellKind::Text:
            StringVar[static_cast<std::size_t>(col)] = true;
            return TextMarker;
    }
    return MissingValue;
}

void TDataList::SetRow(int row) {
    if (row < 1 || row > Rcount) return;
    RowModified[static_cast<std::size_t>(row)] = 0;
    RowRunCode[static_cast<std::size_t>(row)] = 0;
    for (int col = 1; col <= MaxCol(); ++col) Value(col, row) = DeriveCell(col, row);
    ++derivationCount_;
}

void TDataList::CodeTextColumn(int col, int rows) {
    const TextGrid& grid = table_.DataGrid;
    std::vector<int>& firstRow = LevelFirstRow[static_cast<std::size_t>(col)];
    firstRow.assign(1, 0);
    // Levels are numbered in the order of first appearance; equal texts share a level.
    std::unordered_map<std::string, int> levels;
    for (int j = 1; j <= rows; ++j) {
        std::string_view text = grid.Cell(col, j);
        if (text.empty()) {
            Value(col, j) = MissingValue;
            continue;
        }
        auto [it, inserted] = levels.try_emplace(std::string(text), 0);
        if (inserted) {
            firstRow.push_back(j);
            it->second = static_cast<int>(firstRow.size()) - 1;
        }
        Value(col, j) = it->second;
    }
}

void TDataList::DeriveColumn(int col, int rows) {
    for (int row = 1; row <= rows; ++row) {
        if (row > Ncount || MaxSizeCellChange || RowModified[static_cast<std::size_t>(row)])
            Value(col, row) = DeriveCell(col, row);
    }
    FinishColumn(col, rows);
}

// Once a column's values are known: its text levels, or none, and its range.
void TDataList::FinishColumn(int col, int rows) {
    if (StringVar[static_cast<std::size_t>(col)])
        CodeTextColumn(col, rows);
    else
        LevelFirstRow[static_cast<std::size_t>(col)].clear();
    for (int row = 1; row <= rows; ++row) SetHighLow(Value(col, row), col);
}

void TDataList::ClearColumnFlags(int cols) {
    for (int i = 1; i <= cols; ++i) {
        Highlow[static_cast<std::size_t>(i)] = false;
        StringVar[static_cast<std::size_t>(i)] = false;
    }
}

void TDataList::FinishDerivation(int rows) {
    for (int row = 1; row <= rows; ++row) {
        RowModified[static_cast<std::size_t>(row)] = 0;
        RowRunCode[static_cast<std::size_t>(row)] = 0;
    }
    Ncount = rows;
    MaxSizeA_Array(rows);
    DataChanged = false;
    ++derivationCount_;
    derivedCols_ = MaxCol();
    derivedRows_ = rows;
}

void TDataList::UpdateEditedRows() {
    BusyCursor busy(ui_);
    if (!UpdateModifiedRows()) UpdateData();
}

// The edited rows of a table whose shape is the one last derived.
bool TDataList::UpdateModifiedRows() {
    const int cols = MaxCol();
    const int rows = table_.CaseRows();
    if (cols != derivedCols_ || rows != derivedRows_ || Ncount != rows || Rcount < rows ||
        CellValues.size() != static_cast<std::size_t>(cols) + 1 + DerivedColumnCount)
        return false;
    std::vector<int> modified;
    for (int r = 1; r <= rows; ++r)
        if (RowModified[static_cast<std::size_t>(r)]) modified.push_back(r);
    ForEachColumnInParallel(cols, static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows),
                            [&](int col) { RederiveColumn(col, modified, rows); });
    for (int r : modified) {
        RowModified[static_cast<std::size_t>(r)] = 0;
        RowRunCode[static_cast<std::size_t>(r)] = 0;
    }
    DataChanged = false;
    ++derivationCount_;
    return true;
}

void TDataList::RederiveColumn(int col, const std::vector<int>& modified, int rows) {
    const auto c = static_cast<std::size_t>(col);
    const bool wasText = StringVar[c];
    StringVar[c] = false;
    for (int r : modified) Value(col, r) = DeriveCell(col, r);
    // A text column whose edited rows hold no text may have lost its last text cell; its
    // other rows hold level numbers, so they are read again.
    if (wasText && !StringVar[c])
        for (int r = 1; r <= rows; ++r)
            if (!RowModified[static_cast<std::size_t>(r)]) Value(col, r) = DeriveCell(col, r);
    if (StringVar[c])
        CodeTextColumn(col, rows);
    else
        LevelFirstRow[c].clear();
    Highlow[c] = false;
    for (int r = 1; r <= rows; ++r) SetHighLow(Value(col, r), col);
}

void TDataList::UpdateData() {
    BusyCursor busy(ui_);
    MaxSizeCellArray();
    const int cols = MaxCol();
    const int rows = table_.CaseRows();
    ClearColumnFlags(cols);
    // Each column is derived on its own (its values, its text levels, its range), so large
    // tables share the columns out among the processor's cores. The results do not depend
    // on how they are shared.
    ForEachColumnInParallel(cols, static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows),
                            [this, rows](int col) { DeriveColumn(col, rows); });
    FinishDerivation(rows);
}

void TDataList::UpdateDataFromValues(LoadedValues loaded) {
    BusyCursor busy(ui_);
    const int cols = MaxCol();
    const int rows = table_.CaseRows();
    // The values stand in for the cells' text; rows they do not reach are missing.
    CellValues.resize(static_cast<std::size_t>(cols) + 1 + DerivedColumnCount);
    for (int col = 1; col <= cols; ++col) {
        ValueColumn& values = CellValues[static_cast<std::size_t>(col)];
        values.clear();
        if (static_cast<std::size_t>(col) < loaded.columns.size())
            values = std::move(loaded.columns[static_cast<std::size_t>(col)]);
        values.resize(std::min(values.size(), static_cast<std::size_t>(rows) + 1));
    }
    MaxSizeCellArray();
    ClearColumnFlags(cols);
    for (int col = 1; col <= cols; ++col)
        StringVar[static_cast<std::size_t>(col)] =
            static_cast<std::size_t>(col) < loaded.textColumns.size() &&
            loaded.textColumns[static_cast<std::size_t>(col)] != 0;
    ForEachColumnInParallel(cols, static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows),
                            [this, rows](int col) { FinishColumn(col, rows); });
    FinishDerivation(rows);
}

bool TDataList::ProcessOK(int row) const {
    // A set is one distinct value of the set column, compared exactly as the charts do:
    // 1.5 and 2.5 are two sets, and a rounded row value would match neither.
    if (SetColumn > 0 && SetIndex > 0 && SetIndex < static_cast<int>(SetValues.size()) &&
        Value(SetColumn, row) != SetValues[static_cast<std::size_t>(SetIndex)])
        return false;
    const ProcessIfRec& p = rules_.ProcessIf;
    if (!p.Active) return true;
    auto cell = [&](const ProcessIfCondition& c) {
        return c.On() && c.PiIndex <= MaxCol() ? Value(c.PiIndex, row) : MissingValue;
    };
    return p.Passes(cell(p.Condition1), cell(p.Condition2));
}

void TDataList::SetHighLow(double x, int i) {
    if (x == MissingValue) return;
    const auto c = static_cast<std::size_t>(i);
    if (!Highlow[c]) {
        ColumnHigh[c] = x;
        ColumnLow[c] = x;
        Highlow[c] = true;
    } else if (x > ColumnHigh[c]) {
        ColumnHigh[c] = x;
    } else if (x < ColumnLow[c]) {
        ColumnLow[c] = x;
    }
}

std::int64_t TDataList::CalcLineRun(int r, const TRunInfo& runInfo) const {
    const int n = runInfo.RefArray[0];
    // Unsigned arithmetic: place values that do not fit wrap instead of overflowing.
    std::uint64_t code = 1;
    for (int i = 1; i <= n; ++i) {
        const int g = runInfo.RefArray[static_cast<std::size_t>(i)];
        const double x = Value(g, r);
        if (x == MissingValue) return 0;
        const std::int64_t digit =
            std::int64_t{RoundHalfEven(x)} - RoundHalfEven(ColumnLow[static_cast<std::size_t>(g)]);
        code += static_cast<std::uint64_t>(digit) *
                static_cast<std::uint64_t>(runInfo.Cpower[static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int64_t>(code);
}

void TDataList::SetRunData(TRunInfo& runInfo) {
    const int n = std::clamp(runInfo.RefArray[0], 0, MaxColumns);
    // Mixed-radix codes need every group's values to be unit numbers.
    bool groupsFit = true;
    for (int i = 1; i <= n; ++i) {
        const auto g = static_cast<std::size_t>(runInfo.RefArray[static_cast<std::size_t>(i)]);
        if (!FitsUnitNumbers(ColumnLow[g], ColumnHigh[g])) groupsFit = false;
        const double levels = std::nearbyint(ColumnHigh[g]) - std::nearbyint(ColumnLow[g]) + 1;
        runInfo.MaxLevel[static_cast<std::size_t>(i)] = levels < std::numeric_limits<int>::max()
                                                            ? static_cast<int>(levels)
                                                            : std::numeric_limits<int>::max();
    }
    // Place values, saturated: the codes are only used when every product fits.
    if (n >= 1) runInfo.Cpower[static_cast<std::size_t>(n)] = 1;
    for (int i = n - 1; i >= 1; --i) {
        std::int64_t product = 0;
        const auto next = static_cast<std::size_t>(i) + 1;
        if (__builtin_mul_overflow(runInfo.Cpower[next], std::int64_t{runInfo.MaxLevel[next]},
                                   &product))
            product = std::numeric_limits<std::int64_t>::max();
        runInfo.Cpower[static_cast<std::size_t>(i)] = product;
    }
    if (Ncount < 2) {
        runInfo.MinRun = 1;
        runInfo.MaxRun = 1;
    } else {
        NumberRunsByCode(runInfo, n, groupsFit);
    }
    runInfo.Afirst = runInfo.MinRun;
    runInfo.Alast = runInfo.MaxRun;
    ++derivationCount_;
}

// Runs are the distinct groupings present, in increasing code order. Sorting the rows by
// their rounded group values, first group most significant, gives exactly that order
// without computing codes that could overflow; the code of a run is its mixed-radix
// number when the group values and the place values fit, else its run number.
void TDataList::NumberRunsByCode(TRunInfo& runInfo, int n, bool groupsFit) {
    std::vector<int> groups;
    for (int i = 1; i <= n; ++i) groups.push_back(runInfo.RefArray[static_cast<std::size_t>(i)]);

    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(Ncount));
    for (int r = 1; r <= Ncount; ++r) {
        RowRunCode[static_cast<std::size_t>(r)] = 0;
        RunCodes[static_cast<std::size_t>(r)] = 0;
        bool present = true;
        for (int g : groups)
            if (Value(g, r) == MissingValue) present = false;
        if (present) rows.push_back(r);
    }
    // Rounded as doubles, so that codes beyond 32 bits stay apart.
    auto key = [&](int r, std::size_t i) { return std::nearbyint(Value(groups[i], r)); };
    auto less = [&](int a, int b) {
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const double ka = key(a, i), kb = key(b, i);
            if (ka != kb) return ka < kb;
        }
        return false;
    };
    // Stable, so that the first row of each run names it.
    std::stable_sort(rows.begin(), rows.end(), less);

    bool codesFit = groupsFit;
    for (int i = 1; i <= n; ++i)
        if (runInfo.Cpower[static_cast<std::size_t>(i)] == std::numeric_limits<std::int64_t>::max())
            codesFit = false;
    std::int64_t allCodes = 0;
    if (n >= 1 &&
        __builtin_mul_overflow(runInfo.Cpower[1], std::int64_t{runInfo.MaxLevel[1]}, &allCodes))
        codesFit = false;
    int runCount = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int r = rows[k];
        if (k == 0 || less(rows[k - 1], r)) {
            ++runCount;
            RunRows[static_cast<std::size_t>(runCount)] = r;
            RunCodes[static_cast<std::size_t>(runCount)] =
                codesFit ? CalcLineRun(r, runInfo) : runCount;
        }
        RowRunCode[static_cast<std::size_t>(r)] = RunCodes[static_cast<std::size_t>(runCount)];
    }
    runInfo.v = runCount > 0 ? static_cast<int>(RunCodes[static_cast<std::size_t>(runCount)]) : 0;
    runInfo.MinRun = 1;
    runInfo.MaxRun = runCount;
}

std::string TDataList::GetRunName(int rn, const TRunInfo& runInfo) const {
    if (rn < 1 || rn >= static_cast<int>(RunRows.size())) return {};
    const int row = RunRows[static_cast<std::size_t>(rn)];
    std::string name;
    for (int i = 1; i <= runInfo.RefArray[0]; ++i) {
        if (i > 1) name += ", ";
        name += table_.DataGrid.Cell(runInfo.RefArray[static_cast<std::size_t>(i)], row);
    }
    return name;
}

void TDataList::SetGlobalIndexData() {
    SetIndex = 0;
    if (SetColumn < 1 || SetColumn > MaxCol()) {
        SetCount = 1;
        SetValues.assign(2, MissingValue);
        return;
    }
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(Ncount));
    for (int r = 1; r <= Ncount; ++r) values.push_back(Value(SetColumn, r));
    std::sort(values.begin(), values.end());
    SetValues.assign(1, 0.0);
    for (double x : values)
        if (SetValues.size() == 1 || x > SetValues.back()) SetValues.push_back(x);
    // A table with no rows still has its one analysis set.
    if (SetValues.size() == 1) SetValues.push_back(MissingValue);
    SetCount = static_cast<int>(SetValues.size()) - 1;
}

std::string TDataList::GetLevelName(int c, int level) const {
    if (c >= 1 && c <= MaxCol() && StringVar[static_cast<std::size_t>(c)]) {
        const std::vector<int>& firstRow = LevelFirstRow[static_cast<std::size_t>(c)];
        if (level >= 1 && level < static_cast<int>(firstRow.size()))
            return table_.DataGrid.CellString(c, firstRow[static_cast<std::size_t>(level)]);
    }
    return std::to_string(level);
}

}  // namespace vostrel
