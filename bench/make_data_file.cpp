// make_data_file ROWS COLS FILE: writes a generated data file for the loading figures
// (for example 1000000 10 /tmp/1m.dat gives the 86 MB file).

#include <cstdio>
#include <cstdlib>
#include <string>

#include "generated_data_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_data_file ROWS COLS FILE\n");
        return 2;
    }
    const long long rows = std::atoll(argv[1]);
    const int cols = std::atoi(argv[2]);
    if (rows < 0 || cols < 1) {
        std::fprintf(stderr, "make_data_file: ROWS must be 0 or more and COLS 1 or more\n");
        return 2;
    }
    if (!vostrel::bench::WriteGeneratedFile(argv[3], rows, cols)) {
        std::fprintf(stderr, "make_data_file: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
