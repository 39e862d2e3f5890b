// vostrel-cli info FILE: what the program reads from a data file.

#include <iostream>

#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "engine/data/data_file.h"
#include "engine/helpers/text_helpers.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

void PrintInfoUsage(std::ostream& out) {
    out << "usage: vostrel-cli info FILE\n"
           "\n"
           "Prints the number of rows and columns of a data file and, for every column, its\n"
           "name, title, USL, Target and LSL (blank when absent), whether it holds numbers or\n"
           "text, its lowest and highest value and its number of text levels, tab-separated.\n";
}

std::string LimitText(double x) { return x == MissingValue ? std::string() : ShortestText(x); }

}  // namespace

int InfoCommand(const Arguments& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        PrintInfoUsage(std::cout);
        return 0;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        PrintInfoUsage(std::cerr);
        return 2;
    }
    const std::string& file = args[0];
    CliUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    if (FileToDataGrid(ws, file) != LoadResult::Loaded) {
        std::cerr << "vostrel-cli: cannot read the data file " << file << "\n";
        return 1;
    }

    const TDataList& data = ws.data;
    std::cout << "File:\t" << file << "\n"
              << "Rows:\t" << (ws.table.HaveData() ? data.Ncount : 0) << "\n"
              << "Columns:\t" << (ws.table.HaveData() ? data.MaxCol() : 0) << "\n"
              << "\n"
              << "Column\tName\tTitle\tUSL\tTarget\tLSL\tType\tLow\tHigh\tLevels\n";
    if (!ws.table.HaveData()) return 0;
    for (int c = 1; c <= data.MaxCol(); ++c) {
        const auto i = static_cast<std::size_t>(c);
        const bool text = data.StringVar[i];
        std::cout << c << "\t" << data.ColumnName(c) << "\t" << data.ColumnTitle(c) << "\t"
                  << LimitText(data.ColumnUSL(c)) << "\t" << LimitText(data.ColumnTarget(c)) << "\t"
                  << LimitText(data.ColumnLSL(c)) << "\t" << (text ? "text" : "numeric") << "\t";
        if (data.Highlow[i] && !text)
            std::cout << ShortestText(data.ColumnLow[i]) << "\t"
                      << ShortestText(data.ColumnHigh[i]);
        else
            std::cout << "\t";
        std::cout << "\t" << (text && data.Highlow[i] ? static_cast<int>(data.ColumnHigh[i]) : 0)
                  << "\n";
    }
    return 0;
}

}  // namespace vostrel::cli
