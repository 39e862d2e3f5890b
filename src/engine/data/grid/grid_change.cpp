#include "engine/data/grid/grid_change.h"

#include <algorithm>
#include <set>
#include <type_traits>
#include <utility>

#include "engine/data/parallel_columns.h"

namespace vostrel {

TextGrid& GridOf(DataTable& table, GridId grid) {
    return grid == GridId::Data ? table.DataGrid : table.DescGrid;
}

const TextGrid& GridOf(const DataTable& table, GridId grid) {
    return grid == GridId::Data ? table.DataGrid : table.DescGrid;
}

namespace {

void FlipChange(BlockChange& c, DataTable& table) {
    GridOf(table, c.Grid).SwapBlock(c.Left, c.Top, c.Cells);
}

void FlipChange(CellsChange& c, DataTable& table) {
    GridOf(table, c.Grid).SwapCells(c.Col, c.Rows, c.Texts);
}

void FlipChange(ColumnsChange& c, DataTable& table) {
    if (c.Present) {
        c.Data = table.DataGrid.TakeColumns(c.At, c.Count);
        c.Desc = table.DescGrid.TakeColumns(c.At, c.Count);
    } else {
        table.DataGrid.PutColumns(c.At, std::exchange(c.Data, TextGrid(1, 1, false)));
        table.DescGrid.PutColumns(c.At, std::exchange(c.Desc, TextGrid(1, 1, false)));
    }
    c.Present = !c.Present;
}

void FlipChange(RowsChange& c, DataTable& table) {
    if (c.Present)
        c.Rows = table.DataGrid.TakeRows(c.At, c.Count);
    else
        table.DataGrid.PutRows(c.At, std::exchange(c.Rows, TextGrid(1, 1, false)));
    c.Present = !c.Present;
}

void FlipChange(GridsChange& c, DataTable& table) {
    std::swap(table.DataGrid, c.Data);
    std::swap(table.DescGrid, c.Desc);
}

std::size_t Held(const BlockChange& c) { return c.Cells.StoredBytes(); }
std::size_t Held(const CellsChange& c) { return c.Rows.capacity() * sizeof(int) + c.Texts.Bytes(); }
std::size_t Held(const ColumnsChange& c) { return c.Data.StoredBytes() + c.Desc.StoredBytes(); }
std::size_t Held(const RowsChange& c) { return c.Rows.StoredBytes(); }
std::size_t Held(const GridsChange& c) { return c.Data.StoredBytes() + c.Desc.StoredBytes(); }

}  // namespace

void Flip(GridChange& change, DataTable& table) {
    std::visit([&table](auto& c) { FlipChange(c, table); }, change);
}

namespace {

// Flips the changes at the given places one after the other, except that consecutive
// changes of scattered cells in different columns share out among the cores.
void FlipInOrder(std::vector<GridChange>& changes, const std::vector<std::size_t>& order,
                 DataTable& table) {
    std::size_t i = 0;
    while (i < order.size()) {
        std::set<std::pair<GridId, int>> columns;
        std::size_t cells = 0;
        std::size_t j = i;
        while (j < order.size()) {
            const auto* c = std::get_if<CellsChange>(&changes[order[j]]);
            if (c == nullptr || !columns.insert({c->Grid, c->Col}).second) break;
            cells += c->Rows.size();
            ++j;
        }
        if (j - i > 1) {
            ForEachColumnInParallel(static_cast<int>(j - i), cells, [&](int k) {
                Flip(changes[order[i + static_cast<std::size_t>(k) - 1]], table);
            });
            i = j;
        } else {
            Flip(changes[order[i]], table);
            ++i;
        }
    }
}

}  // namespace

void FlipAll(std::vector<GridChange>& changes, std::size_t first, DataTable& table) {
    std::vector<std::size_t> order;
    for (std::size_t k = first; k < changes.size(); ++k) order.push_back(k);
    FlipInOrder(changes, order, table);
}

void FlipAllReversed(std::vector<GridChange>& changes, DataTable& table) {
    std::vector<std::size_t> order;
    for (std::size_t k = changes.size(); k > 0; --k) order.push_back(k - 1);
    FlipInOrder(changes, order, table);
}

bool ChangesShape(const GridChange& change) {
    return !std::holds_alternative<BlockChange>(change) &&
           !std::holds_alternative<CellsChange>(change);
}

std::size_t HeldBytes(const GridChange& change) {
    return std::visit([](const auto& c) { return Held(c); }, change);
}

RowSpan TouchedDataRows(const GridChange& change, const DataTable& table) {
    return std::visit(
        [&table](const auto& c) -> RowSpan {
            using Change = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<Change, BlockChange>) {
                if (c.Grid != GridId::Data) return {};
                return {std::max(c.Top, 1), c.Top + c.Cells.RowCount() - 1};
            } else if constexpr (std::is_same_v<Change, CellsChange>) {
                if (c.Grid != GridId::Data || c.Rows.empty()) return {};
                return {std::max(c.Rows.front(), 1), c.Rows.back()};
            } else if constexpr (std::is_same_v<Change, RowsChange>) {
                return {std::max(c.At, 1), table.CaseRows()};
            } else {
                return {1, table.CaseRows()};
            }
        },
        change);
}

}  // namespace vostrel
