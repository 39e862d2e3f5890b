#pragma once
// Crash recovery: while the table has unsaved changes, a copy of it is kept in the user's
// data folder, written atomically, so that after a crash the next start can offer it back.
// The copy holds both grids exactly (names, descriptions, every cell), which a data file
// cannot promise: a name line with a number in it, say, would read back as a case.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vostrel {

class DataTable;
class Workspace;

struct RecoveryCopy {
    std::string Path;
    std::int64_t SavedAt = 0;  // seconds since 1970
    std::string DataFilename;  // the file the table came from; empty for a new table
};

// Writes the copy; false when it could not be written (the old copy, if any, is whole).
bool WriteRecoveryFile(const DataTable& table, const std::string& path, std::int64_t savedAt);
// What a copy says about itself; nothing when the file is not a readable copy.
std::optional<RecoveryCopy> ReadRecoveryHeader(const std::string& path);
// Loads a copy as a new table, modified and without a file name, so that the user saves
// it where they choose. False, with the table untouched, when the copy cannot be read.
bool LoadRecoveryFile(Workspace& ws, const std::string& path);

// The copy this process keeps in `folder`.
std::string RecoveryPath(const std::string& folder);
// Copies left in `folder` by processes that are no longer running, newest first.
std::vector<RecoveryCopy> FindRecoveryFiles(const std::string& folder);
void RemoveRecoveryFile(const std::string& path);

// Keeps this process's copy current: Tick() writes it when the table has changes that the
// copy lacks, and removes it once the table is saved (not modified).
class RecoveryKeeper {
  public:
    RecoveryKeeper(Workspace& ws, std::string folder);
    void Tick(std::int64_t now);
    // A clean save or close: the copy goes.
    void Discard();
    const std::string& Path() const { return path_; }

  private:
    Workspace& ws_;
    std::string folder_;
    std::string path_;
    std::optional<std::uint64_t> written_;  // the history revision the copy holds
};

}  // namespace vostrel
