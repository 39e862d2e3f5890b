#pragma once
// Every cell of both grids of a table, for comparing a table with what it was.

#include <string>
#include <vector>

#include "engine/data/data_table.h"

namespace vostrel::testing {

using GridCells = std::vector<std::vector<std::string>>;  // [row][col]

inline GridCells CellsOf(const TextGrid& grid) {
    GridCells cells(static_cast<std::size_t>(grid.RowCount()));
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            cells[static_cast<std::size_t>(r)].push_back(grid.CellString(c, r));
    return cells;
}

struct TableSnapshot {
    GridCells Data, Desc;
    bool operator==(const TableSnapshot&) const = default;
};

inline TableSnapshot Snapshot(const DataTable& table) {
    return {CellsOf(table.DataGrid), CellsOf(table.DescGrid)};
}

}  // namespace vostrel::testing
