#pragma once
// Builds a data table from rows of cell texts, for tests.

#include <string>
#include <vector>

#include "engine/workspace.h"

namespace vostrel::testing {

// names[c] names column c + 1; rows[r][c] is the cell of row r + 1, column c + 1.
inline void FillTable(Workspace& ws, const std::vector<std::string>& names,
                      const std::vector<std::vector<std::string>>& rows) {
    ws.table.Clear();
    ws.table.SetMaxCol(static_cast<int>(names.size()));
    ws.table.SetCaseRows(static_cast<int>(rows.size()));
    for (std::size_t c = 0; c < names.size(); ++c)
        ws.table.SetColumnName(static_cast<int>(c) + 1, names[c]);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            ws.table.DataGrid.SetCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    ws.data.UpdateData();
}

// The values now in A_Array.
inline std::vector<double> Sample(const Workspace& ws) {
    std::vector<double> values;
    for (int i = 1; i <= ws.sample.SampleCount; ++i) values.push_back(ws.sample[i]);
    return values;
}

}  // namespace vostrel::testing
