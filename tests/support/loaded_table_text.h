#pragma once
// Everything a data file load leaves behind that the rest of the program can see (the
// grids, the flags, every derived store, the messages and the progress), as text, so that
// two ways of reading one file can be compared whole.

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"

namespace vostrel::testing {

inline std::string Bits(double x) {
    std::ostringstream out;
    out << std::hex << std::bit_cast<std::uint64_t>(x);
    return out.str();
}

inline std::string LoadedTableText(const Workspace& ws, const ScriptedUserInterface& ui,
                                   LoadResult result) {
    std::ostringstream out;
    const DataTable& table = ws.table;
    const TDataList& data = ws.data;
    out << "result " << static_cast<int>(result) << " cols " << table.MaxCol() << " rows "
        << table.CaseRows() << " names " << table.HasNames << " descriptions "
        << table.HasDescriptions << " modified " << table.Modified << "\n";
    for (int r = 0; r <= table.CaseRows(); ++r) {
        for (int c = 0; c <= table.MaxCol(); ++c) out << "[" << table.DataGrid.Cell(c, r) << "]";
        out << "\n";
    }
    for (int r = 0; r < table.DescGrid.RowCount(); ++r) {
        for (int c = 0; c < table.DescGrid.ColCount(); ++c)
            out << "[" << table.DescGrid.Cell(c, r) << "]";
        out << "\n";
    }
    out << "Ncount " << data.Ncount << " Rcount " << data.Rcount << " changed " << data.DataChanged
        << " Acount " << data.Acount() << "\n";
    for (std::size_t c = 0; c < data.CellValues.size(); ++c) {
        out << "column " << c;
        if (c < data.StringVar.size())
            out << " text " << data.StringVar[c] << " range " << data.Highlow[c] << " "
                << Bits(data.ColumnLow[c]) << " " << Bits(data.ColumnHigh[c]);
        out << ":";
        for (double x : data.CellValues[c]) out << " " << Bits(x);
        if (c < data.LevelFirstRow.size()) {
            out << " levels:";
            for (int row : data.LevelFirstRow[c]) out << " " << row;
        }
        out << "\n";
    }
    out << "modified rows:";
    for (std::uint8_t m : data.RowModified) out << " " << int{m};
    out << "\nrun codes:";
    for (std::int64_t code : data.RowRunCode) out << " " << code;
    out << "\nprogress:";
    for (int p : ui.progress) out << " " << p;
    out << "\nwarnings:";
    for (const std::string& w : ui.warnings) out << " " << w;
    out << "\nerrors:";
    for (const std::string& e : ui.errors) out << " " << e;
    out << "\nbusy " << ui.busyDepth << " progress ends " << ui.progressEnds << "\n";
    return out.str();
}

}  // namespace vostrel::testing
