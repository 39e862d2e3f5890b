#pragma once
// Reading a data file into the table and writing the table back.
//
// Format: an optional first line of names; optional description lines "Title:", "USL:",
// "Target:", "LSL:" (a key, a colon, one separator, then fields separated by tabs);
// comment lines starting with "*"; one case per other line, fields separated by tabs,
// commas or spaces. Lines end with CR LF (LF and CR alone are read too).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vostrel {

class Workspace;
class DataTable;

// Size of the file in bytes; nothing when it is not a regular file that can be examined.
std::optional<std::uintmax_t> GetFileLength(const std::string& filename);

enum class LoadResult { Loaded, Cancelled, Failed };

// How a file is read. The plain reader takes one line after the other and derives the
// numbers from the stored text afterwards. The chunked reader splits chunks of whole lines
// on several threads, keeping each cell's value as it splits it, and joins them in order.
// Both give the same table, messages and progress; by default files smaller than one
// chunk are read plainly.
struct FileReading {
    enum class Method { Automatic, Plain, Chunked };
    Method method = Method::Automatic;
    std::size_t chunkBytes = std::size_t{1} << 20;
    int threads = 0;  // 0: one per processor core
};

// Loads a file into a new table (asking first whether to save a modified one). On
// failure the table is the new, empty one and the user has seen "File Error" or
// "File Error!".
LoadResult FileToDataGrid(Workspace& ws, const std::string& filename,
                          const FileReading& reading = {});

// Writes the table (or its selected block) with CR LF line ends. On success the table
// takes the file name and is no longer modified; on failure the user sees
// "Error Writing File", any old file is whole and the table is unchanged.
bool SaveFile(Workspace& ws, const std::string& filename, bool varnames, bool descriptions,
              bool selection);

// The text SaveFile writes.
std::string DataFileText(const DataTable& table, bool varnames, bool descriptions, bool selection);

// The "Configure Save" dialog: each box is enabled, and ticked, when it applies.
struct SaveOptions {
    bool SelectionEnabled = false;     // the selection covers more than one cell
    bool VarNamesEnabled = false;      // at least one name differs from its default
    bool DescriptionsEnabled = false;  // any title or limit cell holds text

    // The dialog is shown only when one of the boxes is enabled.
    bool ShowDialog() const { return SelectionEnabled || VarNamesEnabled || DescriptionsEnabled; }
};
// What the dialog hands back on OK; all off when it is not shown.
struct SaveChoices {
    bool WantSelection = false;
    bool WantVarNames = false;
    bool WantDescriptions = false;
};
SaveOptions PrepareSaveOptions(const DataTable& table);

}  // namespace vostrel
