#include "engine/derived/run_numbers.h"

#include <algorithm>

#include "engine/workspace.h"

namespace vostrel {

namespace {

// The distinct columns of the table among `columns`, in column order.
std::vector<int> ColumnsInOrder(const Workspace& ws, std::vector<int> columns) {
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    std::erase_if(columns, [&](int c) { return c < 1 || c > ws.table.MaxCol(); });
    return columns;
}

}  // namespace

DeriveResult GenerateRunNumbers(Workspace& ws, const std::vector<int>& chosen) {
    const std::vector<int> columns = ColumnsInOrder(ws, chosen);
    if (columns.empty()) return DeriveResult::Refused;
    BusyCursor busy(ws.ui);
    TDataList& data = ws.data;
    data.UpdateData();
    if (data.Ncount < 2) {
        ws.ui.ErrorBox("Run Numbers need at least two rows.");
        return DeriveResult::Refused;
    }
    if (!RoomForColumns(ws, 1)) return DeriveResult::Refused;

    TRunInfo run;
    run.RefArray[0] = static_cast<int>(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) run.RefArray[i + 1] = columns[i];
    data.SetRunData(run);

    std::vector<std::string> texts(static_cast<std::size_t>(data.Ncount) + 1);
    const auto first = data.RunCodes.begin() + 1;
    const auto last = first + run.MaxRun;
    for (int row = 1; row <= data.Ncount; ++row) {
        const std::int64_t code = data.RowRunCode[static_cast<std::size_t>(row)];
        if (code == 0) continue;
        const auto at = std::lower_bound(first, last, code);
        if (at != last && *at == code)
            texts[static_cast<std::size_t>(row)] = std::to_string(at - first + 1);
    }
    AppendDerivedColumns(ws, "Generate Run Numbers", {{"Run", std::move(texts)}});
    return DeriveResult::Added;
}

DeriveResult AutoRecode(Workspace& ws, const std::vector<int>& chosen) {
    const std::vector<int> columns = ColumnsInOrder(ws, chosen);
    if (columns.empty()) return DeriveResult::Refused;
    if (!RoomForColumns(ws, static_cast<int>(columns.size()))) return DeriveResult::Refused;
    BusyCursor busy(ws.ui);
    TDataList& data = ws.data;
    data.UpdateData();
    // Every code is computed before the first column is added, from the table as it was.
    std::vector<NewColumnText> recoded;
    for (int c : columns) {
        std::vector<double> values;
        for (int row = 1; row <= data.Ncount; ++row)
            if (data.DataValid(data.Value(c, row))) values.push_back(data.Value(c, row));
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        std::vector<std::string> column(static_cast<std::size_t>(data.Ncount) + 1);
        for (int row = 1; row <= data.Ncount; ++row) {
            const double x = data.Value(c, row);
            if (!data.DataValid(x)) continue;
            const auto at = std::lower_bound(values.begin(), values.end(), x);
            column[static_cast<std::size_t>(row)] = std::to_string(at - values.begin() + 1);
        }
        recoded.push_back({data.ColumnName(c) + "_R", std::move(column)});
    }
    AppendDerivedColumns(ws, "Auto Recode", recoded);
    return DeriveResult::Added;
}

}  // namespace vostrel
