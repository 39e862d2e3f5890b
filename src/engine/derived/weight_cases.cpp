#include "engine/derived/weight_cases.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/data/grid/table_edit.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// The largest table a grid holds: rows are counted in int, the header row included.
constexpr std::int64_t kMaxRows = std::numeric_limits<int>::max() - 1;

// Each row's rounded weight; 0 for a missing weight or one that rounds below 0.
std::vector<std::int64_t> RoundedWeights(const TDataList& data, int column) {
    std::vector<std::int64_t> weights(static_cast<std::size_t>(data.Ncount) + 1, 0);
    for (int row = 1; row <= data.Ncount; ++row) {
        const double x = data.Value(column, row);
        if (!data.DataValid(x)) continue;
        // Saturated, so that an absurd weight is refused as too many rows, not overflowed.
        const double w = std::min(std::nearbyint(x), static_cast<double>(kMaxRows) + 1);
        weights[static_cast<std::size_t>(row)] = w > 0 ? static_cast<std::int64_t>(w) : 0;
    }
    return weights;
}

WeightPlan PlanFromWeights(const std::vector<std::int64_t>& weights) {
    WeightPlan plan;
    for (std::size_t row = 1; row < weights.size(); ++row) {
        if (weights[row] == 0) ++plan.RemovedRows;
        plan.NewRowCount = std::min(plan.NewRowCount + weights[row], kMaxRows + 1);
    }
    return plan;
}

// Appends w - 1 copies of every row of weight w >= 2, then removes the rows of weight 0,
// as one undoable step.
void ApplyWeights(Workspace& ws, const std::vector<std::int64_t>& weights) {
    const DataTable& table = ws.table;
    const TextGrid& grid = table.DataGrid;
    const int oldRows = table.CaseRows();
    const int maxCol = table.MaxCol();
    std::int64_t copyCount = 0;
    for (std::size_t row = 1; row < weights.size(); ++row)
        copyCount += std::max<std::int64_t>(weights[row] - 1, 0);
    TextGrid copies(grid.ColCount(), static_cast<int>(copyCount), false);
    int next = 0;
    for (int row = 1; row <= oldRows; ++row) {
        for (std::int64_t k = 1; k < weights[static_cast<std::size_t>(row)]; ++k, ++next)
            for (int c = 1; c <= maxCol; ++c) copies.SetCell(c, next, grid.Cell(c, row));
    }
    TableEdit edit(ws.history, "Weight Cases");
    if (copyCount > 0) edit.InsertRows(oldRows + 1, std::move(copies));
    // Bottom up, a run of removed rows at a time, so that the rows above keep their numbers.
    int row = oldRows;
    while (row >= 1) {
        if (weights[static_cast<std::size_t>(row)] != 0) {
            --row;
            continue;
        }
        int first = row;
        while (first > 1 && weights[static_cast<std::size_t>(first) - 1] == 0) --first;
        edit.DeleteRows(first, row - first + 1);
        row = first - 1;
    }
    edit.Effects().Layout = true;
    edit.Effects().Data = true;
    edit.SetArea(GridId::Data, GridRect{1, 1, maxCol, std::max(table.CaseRows(), 1)});
    edit.Commit();
    ws.data.UpdateData();
}

}  // namespace

WeightPlan PlanWeightCases(Workspace& ws, int column) {
    ws.data.UpdateData();
    return PlanFromWeights(RoundedWeights(ws.data, column));
}

std::string WeightCasesQuestion(const WeightPlan& plan) {
    std::string text = "New Row Count = " + std::to_string(plan.NewRowCount) + ", Continue?";
    if (plan.RemovedRows > 0)
        text += "\n(" + std::to_string(plan.RemovedRows) +
                (plan.RemovedRows == 1 ? " row whose weight is" : " rows whose weight is") +
                " missing or below 0.5 will be removed.)";
    return text;
}

DeriveResult WeightCases(Workspace& ws, int column) {
    if (column < 1 || column > ws.table.MaxCol()) return DeriveResult::Refused;
    TDataList& data = ws.data;
    data.UpdateData();
    if (data.StringVar[static_cast<std::size_t>(column)]) {
        ws.ui.ErrorBox("Weight Variable " + data.ColumnName(column) + " must hold numbers.");
        return DeriveResult::Refused;
    }
    const std::vector<std::int64_t> weights = RoundedWeights(data, column);
    const WeightPlan plan = PlanFromWeights(weights);
    if (plan.NewRowCount == 0) {
        ws.ui.ErrorBox("No row has a weight of 1 or more.");
        return DeriveResult::Refused;
    }
    if (plan.NewRowCount > kMaxRows) {
        ws.ui.ErrorBox("New Row Count is too large.");
        return DeriveResult::Refused;
    }
    if (ws.ui.Confirm(WeightCasesQuestion(plan), false) != Answer::Yes)
        return DeriveResult::Cancelled;

    BusyCursor busy(ws.ui);
    ApplyWeights(ws, weights);
    return DeriveResult::Added;
}

}  // namespace vostrel
