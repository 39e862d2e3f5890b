#pragma once
// The most-recently-used file list that every File menu shows: nine paths in the per-user
// settings, the most recent first.

#include <array>
#include <string>
#include <vector>

namespace vostrel {

class SettingsStore;
class UserInterface;
struct StatContext;

class TMRUFiles {
  public:
    static constexpr int kMaxFiles = 9;

    TMRUFiles(SettingsStore& store, StatContext& ctx);

    std::string KeyStr = "MRU Files";
    int nfiles = kMaxFiles;
    std::array<std::string, kMaxFiles> Flist;  // [0] the most recent

    // Reads "File1".."File9"; an entry that cannot be read is empty.
    void ReadList();
    // Puts the file first, moving the others down; rewrites nothing when it is first already.
    void UpdateList(const std::string& filename);
    // The folder of the most recent file, where open and save dialogs start.
    std::string LastPath() const;

    // What a File menu shows when it opens (after reading the list again).
    struct MenuEntry {
        int number;           // 1..9
        std::string caption;  // "&" + number + two spaces + path
        std::string path;
    };
    std::vector<MenuEntry> FileClick();
    bool SeparatorVisible() const { return !Flist[0].empty(); }

    // A clicked entry: the path when the file exists, else "File Not Found!" and nothing.
    static bool CheckExists(const std::string& path, UserInterface& ui);

  private:
    SettingsStore& store_;
    StatContext& ctx_;
};

}  // namespace vostrel
