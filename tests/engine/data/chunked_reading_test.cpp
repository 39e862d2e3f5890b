// The chunked reader (chunks split on several threads, values kept as the lines are split)
// against the plain one (line by line, values derived from the text afterwards): random
// files must give identical tables, derived stores, messages and progress.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "engine/data/chunked_file.h"
#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "support/loaded_table_text.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

using vostrel::testing::ScriptedUserInterface;
using vostrel::testing::TempDir;

// Random data files with everything a reader meets: names or none, descriptions anywhere,
// comments, blank lines, ragged rows of numbers in many spellings, text, missing cells,
// the three line ends (mixed), a byte-order mark, colons, very wide and very long lines.
class RandomDataFile {
  public:
    explicit RandomDataFile(unsigned seed) : random_(seed) {}

    std::string Make() {
        std::string file;
        if (Chance(10)) file += "\xEF\xBB\xBF";
        lineEnd_ = Pick({"\n", "\r\n", "\r", ""});  // "": a different end on every line
        const int lines = static_cast<int>(random_() % 120);
        for (int i = 0; i < lines; ++i) {
            file += Line(i == 0);
            if (i + 1 < lines || !Chance(30)) file += LineEnd();
        }
        return file;
    }

  private:
    bool Chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    std::string Pick(std::initializer_list<const char*> choices) {
        return *(choices.begin() + random_() % choices.size());
    }
    std::string LineEnd() { return lineEnd_.empty() ? Pick({"\n", "\r\n", "\r"}) : lineEnd_; }

    std::string Field() {
        switch (random_() % 6) {
            case 0:
                return Pick({"",
                             ".",
                             "..",
                             "-",
                             "-.",
                             "n/a",
                             "b",
                             "a",
                             "B",
                             "Height",
                             "3-4",
                             "1e999",
                             "2147483647",
                             "-2147483647",
                             "+4",
                             "-0",
                             " 7 ",
                             "7 ",
                             " -3.5",
                             "0.",
                             "-.5",
                             "1,234",
                             "$12",
                             "12:30",
                             "2.5E3",
                             "1e-5",
                             "00012.50",
                             "9007199254740993",
                             "0.1234567890123456789",
                             "12345678901234567890.5",
                             "1.2.3",
                             "é"});
            case 1:
                return std::to_string(static_cast<int>(random_() % 2001) - 1000);
            default: {
                // Plain decimals with up to nine decimals, some with a point at either end.
                std::string number = std::to_string(random_() % 100000);
                if (Chance(80)) number += "." + std::to_string(random_() % 1000000000);
                if (Chance(5)) number = "." + std::to_string(random_() % 1000);
                if (Chance(5)) number += ".";
                if (Chance(30)) number.insert(0, "-");
                return number;
            }
        }
    }

    std::string CaseLine() {
        const std::string separator = Pick({"\t", "\t", "\t", ",", " ", "  "});
        int fields = static_cast<int>(random_() % 9);
        if (Chance(2)) fields = 510 + static_cast<int>(random_() % 8);  // around the limit
        std::string line;
        for (int k = 0; k < fields; ++k) {
            if (k > 0) line += separator;
            line += Field();
        }
        if (Chance(5)) line += separator;                                  // a trailing separator
        if (Chance(2)) line += std::string(3000 + random_() % 3000, 'x');  // a long cell
        return line;
    }

    std::string DescriptionLine() {
        std::string line = Pick({"Title:", "USL:", "usl:", "Target:", "LSL:", "lsl:", "TITLE:"});
        line += Pick({"\t", " ", "", ","});
        const int fields = static_cast<int>(random_() % 6);
        for (int k = 0; k < fields; ++k) line += (k > 0 ? "\t" : "") + Field();
        return line;
    }

    std::string Line(bool first) {
        const int kind = static_cast<int>(random_() % 100);
        if (kind < 8) return first ? "Height\tWeight\tAge" : "";
        if (kind < 12) return first ? "A B C D" : " \t ";
        if (kind < 16) return "* a comment\twith\ttabs";
        if (kind < 24) return DescriptionLine();
        if (kind < 27) return "   ";
        return CaseLine();
    }

    std::mt19937 random_;
    std::string lineEnd_;
};

std::string LoadAndDescribe(const std::string& path, const FileReading& reading) {
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    auto ws = std::make_unique<Workspace>(ui, settings);
    const LoadResult result = FileToDataGrid(*ws, path, reading);
    return LoadedTableText(*ws, ui, result);
}

TEST(ChunkedReading, GivesWhatThePlainReaderGivesOnRandomFiles) {
    TempDir dir("chunked");
    std::mt19937 random(2024);
    for (unsigned seed = 1; seed <= 150; ++seed) {
        const std::string bytes = RandomDataFile(seed).Make();
        const std::string path = dir.Write("random.dat", bytes);
        const std::string plain =
            LoadAndDescribe(path, {FileReading::Method::Plain, std::size_t{1} << 20, 1});
        // Small chunks put chunk boundaries everywhere, between a CR and its LF too.
        FileReading chunked{FileReading::Method::Chunked, 1 + random() % 64,
                            1 + static_cast<int>(random() % 3)};
        ASSERT_EQ(LoadAndDescribe(path, chunked), plain)
            << "seed " << seed << ", chunks of " << chunked.chunkBytes << " bytes on "
            << chunked.threads << " threads";
    }
}

TEST(ChunkedReading, ChunksAreWholeLinesAndKeepEveryByte) {
    TempDir dir("chunks");
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::string bytes = RandomDataFile(seed).Make();
        const std::string path = dir.Write("random.dat", bytes);
        for (std::size_t size : {1, 2, 3, 7, 100, 5000}) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            ASSERT_NE(file, nullptr);
            ChunkedFile chunks(file, size);
            std::string chunk, joined;
            while (chunks.Next(chunk)) {
                ASSERT_FALSE(chunk.empty());
                joined += chunk;
                if (joined.size() < bytes.size()) {
                    // A chunk before the last ends a line, and never between a CR and its LF.
                    const char last = chunk.back();
                    ASSERT_TRUE(last == '\n' || last == '\r') << "seed " << seed;
                    ASSERT_FALSE(last == '\r' && bytes[joined.size()] == '\n') << "seed " << seed;
                }
            }
            std::fclose(file);
            EXPECT_FALSE(chunks.Failed());
            ASSERT_EQ(joined, bytes) << "seed " << seed << ", chunks of " << size;
        }
    }
}

TEST(ChunkedReading, LargeFilesGoInChunksAndSmallOnesPlainlyWithTheSameResult) {
    TempDir dir("large");
    std::string bytes = "Width\tNote\r\nUSL:\t9\r\n";
    for (int r = 0; r < 30000; ++r)
        bytes += std::to_string(r % 97) + "." + std::to_string(r % 10) + "\t" +
                 (r % 1000 == 0 ? "odd" : "") + "\r\n";
    const std::string path = dir.Write("large.dat", bytes);
    const std::string plain = LoadAndDescribe(path, {FileReading::Method::Plain});
    EXPECT_EQ(LoadAndDescribe(path, {FileReading::Method::Automatic, 64 * 1024}), plain);
    EXPECT_EQ(LoadAndDescribe(path, {FileReading::Method::Chunked, 4096, 4}), plain);
}

}  // namespace
}  // namespace vostrel
