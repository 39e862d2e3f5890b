#pragma once
// Writes the large data files the loading and saving benchmarks measure: a name line
// (X1, X2, ...), then rows of tab-separated numbers with four decimals between 0 and
// 1000, CR LF line ends. The same seed gives the same file, so runs compare.

#include <cstdio>
#include <random>
#include <string>

namespace vostrel::bench {

// The text of one row: `cols` numbers like "517.0392" joined by tabs, with CR LF.
inline void AppendGeneratedRow(std::mt19937_64& random, int cols, std::string& line) {
    std::uniform_int_distribution<int> whole(0, 999);
    std::uniform_int_distribution<int> decimals(0, 9999);
    char number[16];
    for (int c = 0; c < cols; ++c) {
        if (c > 0) line += '\t';
        const int length =
            std::snprintf(number, sizeof number, "%d.%04d", whole(random), decimals(random));
        line.append(number, static_cast<std::size_t>(length));
    }
    line += "\r\n";
}

// Writes the file; false when it cannot be written.
inline bool WriteGeneratedFile(const std::string& path, long long rows, int cols) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    std::string text;
    for (int c = 1; c <= cols; ++c) text += (c > 1 ? "\tX" : "X") + std::to_string(c);
    text += "\r\n";
    std::mt19937_64 random(20240611);
    for (long long r = 0; r < rows; ++r) {
        AppendGeneratedRow(random, cols, text);
        if (text.size() > (1u << 20)) {
            std::fwrite(text.data(), 1, text.size(), f);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), f);
    return std::fclose(f) == 0;
}

}  // namespace vostrel::bench
