// Fuzzes the data file readers: any bytes must load into a consistent table (or fail with
// a message) without crashing, the chunked reader must give exactly what the plain one
// gives, and the table must be writable.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "support/loaded_table_text.h"
#include "support/scripted_ui.h"

namespace {

struct Load {
    vostrel::testing::ScriptedUserInterface ui;
    vostrel::MemorySettingsStore settings;
    std::unique_ptr<vostrel::Workspace> ws = std::make_unique<vostrel::Workspace>(ui, settings);
    vostrel::LoadResult result;
    std::string text;

    Load(const std::string& path, const vostrel::FileReading& reading) {
        ui.defaultAnswer = vostrel::Answer::Yes;
        result = vostrel::FileToDataGrid(*ws, path, reading);
        text = vostrel::testing::LoadedTableText(*ws, ui, result);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/vostrel-fuzz-" + std::to_string(getpid()) + ".dat";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    using Method = vostrel::FileReading::Method;
    const Load plain(path, {Method::Plain});
    // Chunk sizes from the input itself, so that the fuzzer moves the chunk boundaries.
    const std::size_t chunkBytes = 1 + (size == 0 ? 0 : data[size / 2] % 48);
    const Load chunked(path, {Method::Chunked, chunkBytes, 2});
    if (plain.text != chunked.text) __builtin_trap();
    if (plain.result != vostrel::LoadResult::Loaded) return 0;

    // Every cell of a text column must have become a level or missing.
    const vostrel::Workspace& ws = *plain.ws;
    const vostrel::TDataList& list = ws.data;
    if (list.Ncount != ws.table.CaseRows()) __builtin_trap();
    if (ws.table.MaxCol() > vostrel::MaxColumns) __builtin_trap();
    for (int c = 1; c <= list.MaxCol(); ++c)
        for (int r = 1; r <= list.Ncount; ++r)
            if (list.StringVar[static_cast<std::size_t>(c)] &&
                list.Value(c, r) == vostrel::TextMarker)
                __builtin_trap();

    std::string text = vostrel::DataFileText(ws.table, true, true, false);
    (void)text;
    return 0;
}
