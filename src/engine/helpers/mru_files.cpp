#include "engine/helpers/mru_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "engine/helpers/registry.h"
#include "engine/stats/stat_context.h"
#include "engine/core/user_interface.h"

namespace vostrel {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string EntryName(int i) { return "File" + std::to_string(i); }

}  // namespace

TMRUFiles::TMRUFiles(SettingsStore& store, StatContext& ctx) : store_(store), ctx_(ctx) {
    ReadList();
}

void TMRUFiles::ReadList() {
    for (int i = 1; i <= kMaxFiles; ++i) {
        std::string value = ReadRegStringCreate(store_, ctx_, KeyStr, EntryName(i));
        Flist[static_cast<std::size_t>(i - 1)] = ctx_.StatErrorCode == 0 ? value : std::string();
    }
}

void TMRUFiles::UpdateList(const std::string& filename) {
    ReadList();
    if (ctx_.StatErrorCode != 0) return;
    if (SameIgnoringCase(Flist[0], filename)) return;
    // The last of entries 1..8 holding the name; entry 9 drops out otherwise.
    int found = -1;
    for (int i = 0; i < kMaxFiles - 1; ++i)
        if (SameIgnoringCase(Flist[static_cast<std::size_t>(i)], filename)) found = i;
    const int last = found >= 0 ? found : kMaxFiles - 1;
    for (int i = last; i > 0; --i)
        Flist[static_cast<std::size_t>(i)] = Flist[static_cast<std::size_t>(i - 1)];
    Flist[0] = filename;
    for (int i = 1; i <= kMaxFiles; ++i)
        WriteRegString(store_, ctx_, KeyStr, EntryName(i), Flist[static_cast<std::size_t>(i - 1)]);
}

std::string TMRUFiles::LastPath() const {
    return std::filesystem::path(Flist[0]).parent_path().string();
}

std::vector<TMRUFiles::MenuEntry> TMRUFiles::FileClick() {
    ReadList();
    std::vector<MenuEntry> entries;
    for (int i = 1; i <= kMaxFiles; ++i) {
        const std::string& path = Flist[static_cast<std::size_t>(i - 1)];
        if (!path.empty()) entries.push_back({i, "&" + std::to_string(i) + "  " + path, path});
    }
    return entries;
}

bool TMRUFiles::CheckExists(const std::string& path, UserInterface& ui) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return true;
    ui.ErrorBox("File Not Found!\n\n" + path);
    return false;
}

}  // namespace vostrel
