// vostrel-cli: the engine from the command line.

#include <iostream>
#include <string>

#include "cli/commands.h"
#include "engine/core/version.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: vostrel-cli COMMAND [options]\n"
           "\n"
           "Commands:\n"
           "  info FILE     describe a data file: rows, columns, names, titles, limits, ranges\n"
           "  analyze FILE  run the process performance analysis on a configuration (.vos) or\n"
           "                a data file and print its report\n"
           "  chart FILE    control charts: each chart's analysis report and point grid\n"
           "  graph KIND FILE  the numbers behind the performance charts (ppa), box plots\n"
           "                (box), histogram or frequency table\n"
           "  derive FILE   add computed columns or rows to a data table and write it\n"
           "\n"
           "vostrel-cli COMMAND --help describes the options of a command.\n"
           "vostrel-cli --version prints the version.\n";
}

int PrintVersion(std::ostream& out) {
    out << "vostrel-cli (Vostrel) " << vostrel::kProgramVersion << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vostrel::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string command = argv[1];
    Arguments args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    if (command == "--version") return PrintVersion(std::cout);
    if (command == "info") return InfoCommand(args);
    if (command == "analyze") return AnalyzeCommand(args);
    if (command == "chart") return ChartCommand(args);
    if (command == "graph") return GraphCommand(args);
    if (command == "derive") return DeriveCommand(args);
    std::cerr << "vostrel-cli: unknown command \"" << command << "\"\n";
    PrintUsage(std::cerr);
    return 2;
}
