#include "engine/data/recovery/recovery_file.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/data/data_table.h"
#include "engine/data/table_commands.h"
#include "engine/helpers/atomic_file.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

const char* const kMagic = "VOSTREL RECOVERY 1";
const char* const kPrefix = "unsaved-";
const char* const kSuffix = ".vrec";

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

void AppendRow(std::string& out, const TextGrid& grid, int row) {
    for (int c = 0; c < grid.ColCount(); ++c) {
        if (c > 0) out += '\t';
        AppendEscaped(out, grid.Cell(c, row));
    }
    out += '\n';
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(std::string_view(line).substr(start, tab - start)));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

bool ProcessRunning(long pid) {
    if (pid <= 0) return false;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

struct Header {
    RecoveryCopy Copy;
    int Cols = 0, Rows = 0;
};

// Reads "key<TAB>value" lines of the header.
std::optional<Header> ReadHeader(std::istream& in, const std::string& path) {
    std::string line;
    if (!std::getline(in, line) || line != kMagic) return std::nullopt;
    Header h;
    h.Copy.Path = path;
    for (int i = 0; i < 3; ++i) {
        if (!std::getline(in, line)) return std::nullopt;
        const std::vector<std::string> f = SplitTabs(line);
        if (f.size() >= 2 && f[0] == "Saved") {
            h.Copy.SavedAt = std::stoll(f[1]);
        } else if (f.size() >= 2 && f[0] == "File") {
            h.Copy.DataFilename = f[1];
        } else if (f.size() >= 3 && f[0] == "Size") {
            h.Cols = std::stoi(f[1]);
            h.Rows = std::stoi(f[2]);
        } else {
            return std::nullopt;
        }
    }
    if (h.Cols < 1 || h.Cols > MaxColumns || h.Rows < 0) return std::nullopt;
    return h;
}

bool ReadGridRows(std::istream& in, TextGrid& grid, int rows) {
    std::string line;
    for (int r = 0; r < rows; ++r) {
        if (!std::getline(in, line)) return false;
        const std::vector<std::string> fields = SplitTabs(line);
        for (std::size_t c = 0; c < fields.size(); ++c)
            grid.SetCell(static_cast<int>(c), r, fields[c]);
    }
    return true;
}

}  // namespace

bool WriteRecoveryFile(const DataTable& table, const std::string& path, std::int64_t savedAt) {
    AtomicFileWriter writer(path);
    std::string out = std::string(kMagic) + "\nSaved\t" + std::to_string(savedAt) + "\nFile\t";
    AppendEscaped(out, table.DataFilename);
    out += "\nSize\t" + std::to_string(table.MaxCol()) + "\t" + std::to_string(table.CaseRows()) +
           "\n";
    for (int r = 0; r < table.DescGrid.RowCount(); ++r) AppendRow(out, table.DescGrid, r);
    for (int r = 0; r < table.DataGrid.RowCount(); ++r) {
        AppendRow(out, table.DataGrid, r);
        if (out.size() > (1u << 20)) {
            writer.Write(out);
            out.clear();
        }
    }
    out += "End\n";
    writer.Write(out);
    return writer.Commit();
}

std::optional<RecoveryCopy> ReadRecoveryHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    try {
        const std::optional<Header> h = ReadHeader(in, path);
        if (!h) return std::nullopt;
        return h->Copy;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool LoadRecoveryFile(Workspace& ws, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    TextGrid data(2, 2, true);
    TextGrid desc(2, 5, false);
    try {
        const std::optional<Header> h = ReadHeader(in, path);
        if (!h) return false;
        data.Reset(h->Cols + 1, h->Rows + 1);
        desc.Reset(h->Cols + 1, 5);
        std::string end;
        if (!ReadGridRows(in, desc, 5) || !ReadGridRows(in, data, h->Rows + 1) ||
            !std::getline(in, end) || end != "End")
            return false;
    } catch (const std::exception&) {
        return false;
    }
    // The unsaved table becomes the current one, as a new table that is modified.
    DataTable& table = ws.table;
    if (!NewTable(ws)) return false;
    std::swap(table.DataGrid, data);
    std::swap(table.DescGrid, desc);
    table.HasNames = table.HasOwnNames();
    table.HasDescriptions = table.HasAnyDescription();
    table.Modified = true;
    ws.data.UpdateData();
    ws.history.Reset();
    return true;
}

std::string RecoveryPath(const std::string& folder) {
    return (std::filesystem::path(folder) /
            (kPrefix + std::to_string(static_cast<long>(getpid())) + kSuffix))
        .string();
}

std::vector<RecoveryCopy> FindRecoveryFiles(const std::string& folder) {
    std::vector<RecoveryCopy> copies;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0 || name.size() <= std::string(kSuffix).size() ||
            name.substr(name.size() - std::string(kSuffix).size()) != kSuffix)
            continue;
        const std::string number =
            name.substr(std::string(kPrefix).size(),
                        name.size() - std::string(kPrefix).size() - std::string(kSuffix).size());
        long pid = 0;
        try {
            pid = std::stol(number);
        } catch (const std::exception&) {
            continue;
        }
        if (ProcessRunning(pid)) continue;  // its own program still keeps it
        if (std::optional<RecoveryCopy> copy = ReadRecoveryHeader(entry.path().string()))
            copies.push_back(*copy);
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.SavedAt > b.SavedAt; });
    return copies;
}

void RemoveRecoveryFile(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

RecoveryKeeper::RecoveryKeeper(Workspace& ws, std::string folder)
    : ws_(ws), folder_(std::move(folder)), path_(RecoveryPath(folder_)) {}

void RecoveryKeeper::Tick(std::int64_t now) {
    if (!ws_.table.Modified) {
        Discard();
        return;
    }
    const std::uint64_t revision = ws_.history.Revision();
    if (written_ && *written_ == revision) return;
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (WriteRecoveryFile(ws_.table, path_, now)) written_ = revision;
}

void RecoveryKeeper::Discard() {
    if (!written_) return;
    RemoveRecoveryFile(path_);
    written_.reset();
}

}  // namespace vostrel
