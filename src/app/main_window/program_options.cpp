#include "app/main_window/program_options.h"

#include <iostream>
#include <string_view>

#include "engine/core/version.h"

namespace vostrel::app {
namespace {

void PrintVersion(std::ostream& out) { out << "vostrel (Vostrel) " << kProgramVersion << "\n"; }

void PrintUsage(std::ostream& out) {
    out << "Usage: vostrel [OPTION]... [FILE]\n"
           "Process performance analysis: the desktop program, opening FILE when given.\n"
           "\n"
           "FILE is a data file (.dat, .txt, .zqx, .zqxs) or an analysis configuration\n"
           "file (.vos). The word @LAST, in any case, opens the most recently used file.\n"
           "\n"
           "      --help     display this help and exit\n"
           "      --version  output version information and exit\n"
           "\n"
           "The options of Qt programs, such as -platform NAME or -style NAME, are also\n"
           "accepted. vostrel-cli runs the same analyses without windows.\n";
}

}  // namespace

int AnswerProgramOptions(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--version") {
            PrintVersion(out);
            return 0;
        }
        if (option == "--help" || option == "-h") {
            PrintUsage(out);
            return 0;
        }
    }
    return -1;
}

int AnswerProgramOptions(int argc, const char* const* argv) {
    return AnswerProgramOptions(argc, argv, std::cout);
}

}  // namespace vostrel::app
