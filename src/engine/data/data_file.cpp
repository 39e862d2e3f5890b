#include "engine/data/data_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/data/line_reader.h"
#include "engine/data/table_commands.h"
#include "engine/data/text_rules.h"
#include "engine/helpers/atomic_file.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

constexpr int kGrowRows = 100;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The description row a line's key names ("TITLE:", "USL:", "TARGET:", "LSL:" in any
// case), or 0 when the line is not a description line.
int DescriptionRow(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return 0;
    std::string key(line.substr(0, colon + 1));
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (key == "TITLE:") return DescTitleRow;
    if (key == "USL:") return DescUSLRow;
    if (key == "TARGET:") return DescTargetRow;
    if (key == "LSL:") return DescLSLRow;
    return 0;
}

// The first line is the name line when it holds text and none of its fields is a number.
bool IsNameLine(std::string_view line, HeaderFields& names) {
    if (line.empty() || !IsText(line)) return false;
    names = SplitHeaderLine(line, true, line.find('\t') != std::string_view::npos);
    for (const std::string& field : names.fields)
        if (ReadNumber(field)) return false;
    return true;
}

// Reads the lines of an open file into the (new, empty) table.
class DataFileReader {
  public:
    DataFileReader(Workspace& ws, std::uintmax_t fileSize)
        : ws_(ws), table_(ws.table), fileSize_(fileSize) {}

    void Read(std::FILE* file) {
        LineReader reader(file);
        std::string_view line;
        bool first = true;
        while (reader.Next(line)) {
            if (!ReportProgress(line.size() + 2)) {
                cancelled_ = true;
                return;
            }
            if (first && line.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
                line.remove_prefix(kUtf8ByteOrderMark.size());
            ReadLine(line, first);
            first = false;
        }
        table_.SetCaseRows(std::max(cases_, 1));
    }

    int Cases() const { return cases_; }
    bool ColumnsDropped() const { return dropped_; }
    bool Cancelled() const { return cancelled_; }

  private:
    // False when the user cancelled the load.
    bool ReportProgress(std::uintmax_t lineBytes) {
        bytesRead_ += lineBytes;
        const int percent =
            fileSize_ == 0
                ? 100
                : static_cast<int>(std::min<std::uintmax_t>(bytesRead_ * 100 / fileSize_, 100));
        if (percent != lastPercent_) {
            lastPercent_ = percent;
            ws_.ui.Progress(percent);
            ws_.ui.ProcessPendingMessages();
            return !ws_.ui.ProgressCancelled();
        }
        return true;
    }

    void ReadLine(std::string_view line, bool first) {
        if (!line.empty() && line[0] == '*') return;  // a comment
        if (const int row = DescriptionRow(line)) {
            ReadDescriptionLine(line, row);
            return;
        }
        HeaderFields names;
        if (first && IsNameLine(line, names)) {
            ReadNameLine(names);
            return;
        }
        if (!line.empty()) ReadCaseLine(line);
    }

    void ReadDescriptionLine(std::string_view line, int row) {
        // The key and its colon, then one separator when there is one: "USL:510" keeps
        // its first digit.
        std::string_view value = line.substr(line.find(':') + 1);
        if (!value.empty() && (value[0] == '\t' || value[0] == ' ' || value[0] == ','))
            value.remove_prefix(1);
        HeaderFields fields = SplitHeaderLine(value, false, true);
        if (fields.truncated) dropped_ = true;
        EnsureColumns(static_cast<int>(fields.fields.size()));
        for (std::size_t k = 0; k < fields.fields.size(); ++k)
            table_.DescGrid.SetCell(static_cast<int>(k) + 1, row, fields.fields[k]);
        table_.HasDescriptions = true;
    }

    void ReadNameLine(const HeaderFields& names) {
        if (names.truncated) dropped_ = true;
        EnsureColumns(static_cast<int>(names.fields.size()));
        for (std::size_t k = 0; k < names.fields.size(); ++k)
            table_.SetColumnName(static_cast<int>(k) + 1, names.fields[k]);
        table_.HasNames = true;
    }

    void ReadCaseLine(std::string_view line) {
        SplitDataLine(line, fields_);
        if (fields_.size() > static_cast<std::size_t>(MaxColumns)) {
            fields_.resize(MaxColumns);
            dropped_ = true;
        }
        if (fields_.empty()) return;
        EnsureColumns(static_cast<int>(fields_.size()));
        ++cases_;
        if (cases_ >= table_.DataGrid.RowCount()) table_.SetCaseRows(cases_ + kGrowRows - 1);
        for (std::size_t k = 0; k < fields_.size(); ++k)
            table_.DataGrid.SetCell(static_cast<int>(k) + 1, cases_, fields_[k]);
    }

    // Columns beyond the known ones are added and named "Col" + their number.
    void EnsureColumns(int count) {
        if (count > table_.MaxCol()) table_.SetMaxCol(count);
    }

    Workspace& ws_;
    DataTable& table_;
    std::uintmax_t fileSize_;
    std::uintmax_t bytesRead_ = 0;
    int lastPercent_ = -1;
    int cases_ = 0;
    bool dropped_ = false;
    bool cancelled_ = false;
    std::vector<std::string_view> fields_;
};

// Ends the progress window however the load ends.
class ProgressWindow {
  public:
    ProgressWindow(UserInterface& ui, const std::string& caption) : ui_(ui) {
        ui_.ProgressStart(caption);
        ui_.Progress(0);
    }
    ~ProgressWindow() { ui_.ProgressEnd(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

  private:
    UserInterface& ui_;
};

}  // namespace

std::optional<std::uintmax_t> GetFileLength(const std::string& filename) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(filename, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(filename, ec);
    if (ec) return std::nullopt;
    return size;
}

LoadResult FileToDataGrid(Workspace& ws, const std::string& filename) {
    DataTable& table = ws.table;
    if (table.LoadInProgress) return LoadResult::Cancelled;  // never re-entered
    if (!NewTable(ws)) return LoadResult::Cancelled;

    table.DataFilename = filename;
    const std::optional<std::uintmax_t> size = GetFileLength(filename);
    if (!size) {
        ws.ui.ErrorBox("File Error");
        table.DataFilename.clear();
        return LoadResult::Failed;
    }
    FilePtr file(std::fopen(filename.c_str(), "rb"));
    if (!file) {
        ws.ui.Beep();
        ws.ui.ErrorBox("File Error!");
        table.DataFilename.clear();
        return LoadResult::Failed;
    }

    table.LoadInProgress = true;
    DataFileReader reader(ws, *size);
    {
        ProgressWindow progress(ws.ui, "Loading File...");
        BusyCursor busy(ws.ui);
        reader.Read(file.get());
    }
    file.reset();
    table.LoadInProgress = false;
    if (reader.Cancelled()) {
        // Half a file is not the file: the table is the new, empty one, with no name to
        // save over the file.
        ws.data.Cleardata();
        table.Clear();
        table.DataFilename.clear();
        return LoadResult::Cancelled;
    }

    if (reader.ColumnsDropped())
        ws.ui.Warning("The Maximum Number of Columns was Exceeded. Columns Truncated.");

    table.SetCaseRows(std::max(reader.Cases(), 1));
    table.Modified = false;
    ws.data.UpdateData();
    table.DataEdited = true;
    ws.history.Reset();
    ws.blankCommas.Rearm();
    ws.mru.UpdateList(filename);
    return LoadResult::Loaded;
}

namespace {

GridRect SavedBlock(const DataTable& table, bool selection) {
    if (selection) {
        GridRect block = table.Selection;
        block.Left = std::clamp(block.Left, 1, table.MaxCol());
        block.Right = std::clamp(block.Right, block.Left, table.MaxCol());
        block.Top = std::clamp(block.Top, 1, std::max(table.CaseRows(), 1));
        block.Bottom = std::clamp(block.Bottom, block.Top, std::max(table.CaseRows(), 1));
        return block;
    }
    return GridRect{1, 1, table.MaxCol(), table.CaseRows()};
}

void AppendRowOfBlock(const TextGrid& grid, int row, const GridRect& block, std::string& out) {
    for (int c = block.Left; c <= block.Right; ++c) {
        if (c > block.Left) out += '\t';
        out += grid.Cell(c, row);
    }
    out += "\r\n";
}

// Writes the lines of the table in pieces, so that a large table never needs its whole
// text in memory at once.
template <typename Sink>
void WriteDataFile(const DataTable& table, bool varnames, bool descriptions, bool selection,
                   Sink&& sink) {
    static const char* const kLabels[] = {"", "Title:", "USL:", "Target:", "LSL:"};
    const GridRect block = SavedBlock(table, selection);
    std::string out;
    if (varnames && table.HasOwnNames()) AppendRowOfBlock(table.DataGrid, 0, block, out);
    if (descriptions && !selection) {
        for (int r = DescTitleRow; r <= DescLSLRow; ++r) {
            bool any = false;
            for (int c = 1; c <= table.MaxCol(); ++c)
                if (!table.DescGrid.Cell(c, r).empty()) any = true;
            if (!any) continue;
            out += kLabels[r];
            for (int c = 1; c <= table.MaxCol(); ++c) {
                out += '\t';
                out += table.DescGrid.Cell(c, r);
            }
            out += "\r\n";
        }
    }
    for (int row = block.Top; row <= block.Bottom; ++row) {
        AppendRowOfBlock(table.DataGrid, row, block, out);
        if (out.size() > (1u << 20)) {
            sink(out);
            out.clear();
        }
    }
    sink(out);
}

}  // namespace

std::string DataFileText(const DataTable& table, bool varnames, bool descriptions, bool selection) {
    std::string text;
    WriteDataFile(table, varnames, descriptions, selection,
                  [&text](const std::string& piece) { text += piece; });
    return text;
}

bool SaveFile(Workspace& ws, const std::string& filename, bool varnames, bool descriptions,
              bool selection) {
    BusyCursor busy(ws.ui);
    DataTable& table = ws.table;
    AtomicFileWriter writer(filename);
    WriteDataFile(table, varnames, descriptions, selection,
                  [&writer](const std::string& piece) { writer.Write(piece); });
    if (!writer.Commit()) {
        ws.ui.ErrorBox("Error Writing File");
        return false;
    }
    table.DataFilename = filename;
    table.Modified = false;
    if (!selection) table.HasNames = varnames;
    ws.mru.UpdateList(filename);
    return true;
}

SaveOptions PrepareSaveOptions(const DataTable& table) {
    SaveOptions options;
    options.SelectionEnabled = table.Selection.MoreThanOneCell();
    options.VarNamesEnabled = table.HasOwnNames();
    options.DescriptionsEnabled = table.HasAnyDescription();
    return options;
}

}  // namespace vostrel
