// Fuzzes the configuration reader: any bytes, read as a configuration file that names a
// small data file beside it, must set the settings or fail with a message, never crash.
// Whatever was read must be written again, read back to the same text, and analysed.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/workspace.h"

namespace {

// A folder of its own holding the data file the seeds name ("DATAFILE:data.dat").
const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("vostrel-fuzz-config-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        std::FILE* f = std::fopen((path / "data.dat").c_str(), "wb");
        if (f != nullptr) {
            const char data[] =
                "Id\tHead\tA\tB\tShift\r\nUSL:\t\t\t5.5\t5.5\r\nTarget:\t\t\t5\t5\r\nLSL:\t\t\t4."
                "5\t4.5\r\n"
                "1\t1\t5.1\t5.3\tDay\r\n2\t2\t4.9\t5.0\tNight\r\n3\t1\t5.2\t\tDay\r\n"
                "4\t2\t5.0\t4.8\tNight\r\n5\t1\t4.7\t5.1\tDay\r\n";
            std::fwrite(data, 1, sizeof data - 1, f);
            std::fclose(f);
        }
        return path;
    }();
    return folder;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    std::fwrite(data, 1, size, f);
    return std::fclose(f) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string config = (Folder() / "run.vos").string();
    if (!WriteFile(config, data, size)) return 0;

    vostrel::SilentUserInterface ui(vostrel::Answer::No);
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws(ui, settings);
    // Half the inputs find their data already loaded, as in the desktop program.
    if (size % 2 == 1 && vostrel::FileToDataGrid(ws, (Folder() / "data.dat").string()) ==
                             vostrel::LoadResult::Loaded)
        ws.analysis.Settings.RebuildVariableLists(ws.data, ws.table.HaveData());
    vostrel::LoadConfig(ws, config);

    // What was read is written whole and reads back to the same text.
    const std::string text = vostrel::ConfigFileText(ws);
    const std::string again = (Folder() / "again.vos").string();
    if (!WriteFile(again, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
        return 0;
    vostrel::SilentUserInterface readerUi(vostrel::Answer::No);
    vostrel::MemorySettingsStore readerSettings;
    vostrel::Workspace reader(readerUi, readerSettings);
    if (vostrel::LoadConfig(reader, again) && vostrel::ConfigFileText(reader) != text)
        __builtin_trap();

    // The settings must also run (without charts to hand the results to).
    (void)vostrel::RunPerformanceAnalysis(ws);
    return 0;
}
