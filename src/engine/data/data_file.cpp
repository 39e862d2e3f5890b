#include "engine/data/data_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "engine/data/chunked_file.h"
#include "engine/data/data_file_chunk.h"
#include "engine/data/data_file_lines.h"
#include "engine/data/line_reader.h"
#include "engine/data/parallel_chunks.h"
#include "engine/data/table_commands.h"
#include "engine/data/text_rules.h"
#include "engine/helpers/atomic_file.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

constexpr int kGrowRows = 100;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Fills the new, empty table from the lines of a file, whichever reader splits them: the
// progress gauge, the names, the descriptions and the columns they call for.
class TableFiller {
  public:
    TableFiller(Workspace& ws, std::uintmax_t fileSize)
        : ws_(ws), table_(ws.table), fileSize_(fileSize) {}

    int Cases() const { return cases_; }
    bool ColumnsDropped() const { return dropped_; }
    bool Cancelled() const { return cancelled_; }

  protected:
    // Every line counts its length and two bytes for its end. False when the user cancelled
    // the load.
    bool ReportProgress(std::uintmax_t lineLength) {
        bytesRead_ += lineLength + 2;
        if (bytesRead_ < nextPercentAt_) return true;  // the gauge would not move
        const int percent =
            fileSize_ == 0
                ? 100
                : static_cast<int>(std::min<std::uintmax_t>(bytesRead_ * 100 / fileSize_, 100));
        // The fewest bytes that show the next percent.
        nextPercentAt_ = percent >= 100
                             ? UINTMAX_MAX
                             : (static_cast<std::uintmax_t>(percent + 1) * fileSize_ + 99) / 100;
        if (percent != lastPercent_) {
            lastPercent_ = percent;
            ws_.ui.Progress(percent);
            ws_.ui.ProcessPendingMessages();
            if (ws_.ui.ProgressCancelled()) cancelled_ = true;
        }
        return !cancelled_;
    }

    void StoreNames(const HeaderFields& names) {
        if (names.truncated) dropped_ = true;
        EnsureColumns(static_cast<int>(names.fields.size()));
        for (std::size_t k = 0; k < names.fields.size(); ++k)
            table_.SetColumnName(static_cast<int>(k) + 1, names.fields[k]);
        table_.HasNames = true;
    }

    void StoreDescription(int row, const HeaderFields& fields) {
        if (fields.truncated) dropped_ = true;
        EnsureColumns(static_cast<int>(fields.fields.size()));
        for (std::size_t k = 0; k < fields.fields.size(); ++k)
            table_.DescGrid.SetCell(static_cast<int>(k) + 1, row, fields.fields[k]);
        table_.HasDescriptions = true;
    }

    // Columns beyond the known ones are added and named "Col" + their number.
    void EnsureColumns(int count) {
        if (count > table_.MaxCol()) table_.SetMaxCol(count);
    }

    Workspace& ws_;
    DataTable& table_;
    std::uintmax_t fileSize_;
    std::uintmax_t bytesRead_ = 0;
    std::uintmax_t nextPercentAt_ = 0;
    int lastPercent_ = -1;
    int cases_ = 0;
    bool dropped_ = false;
    bool cancelled_ = false;
};

// The plain reader: one line after the other, each case's cells stored as text; the
// numbers are derived from the text afterwards (UpdateData).
class PlainFileReader : public TableFiller {
  public:
    using TableFiller::TableFiller;

    void Read(std::FILE* file) {
        LineReader reader(file);
        std::string_view line;
        bool first = true;
        while (reader.Next(line)) {
            if (!ReportProgress(line.size())) return;
            InterpretLine(line, first, *this);
            first = false;
        }
        table_.SetCaseRows(std::max(cases_, 1));
    }

    void NameLine(const HeaderFields& names) { StoreNames(names); }
    void DescriptionLine(int row, const HeaderFields& fields) { StoreDescription(row, fields); }
    void CaseLine(std::string_view line) {
        SplitCaseLine(line, fields_, dropped_);
        if (fields_.empty()) return;
        EnsureColumns(static_cast<int>(fields_.size()));
        ++cases_;
        if (cases_ >= table_.DataGrid.RowCount()) table_.SetCaseRows(cases_ + kGrowRows - 1);
        for (std::size_t k = 0; k < fields_.size(); ++k)
            table_.DataGrid.SetCell(static_cast<int>(k) + 1, cases_, fields_[k]);
    }

  private:
    std::vector<std::string_view> fields_;
};

// The chunked reader's second half: takes the chunks, split on several threads, in file
// order, and keeps the value of every cell so that no cell is read twice.
class ChunkJoiner : public TableFiller {
  public:
    using TableFiller::TableFiller;

    // False when the user cancelled the load.
    bool Join(const DataFileChunk& chunk) {
        for (std::size_t length : chunk.LineLengths())
            if (!ReportProgress(length)) return false;
        if (chunk.Names()) StoreNames(*chunk.Names());
        for (const ChunkDescription& description : chunk.Descriptions())
            StoreDescription(description.row, description.fields);
        if (chunk.ColumnsDropped()) dropped_ = true;
        if (chunk.Cases() == 0) return true;

        EnsureColumns(chunk.ColumnCount());
        const int firstRow = cases_ + 1;
        cases_ += chunk.Cases();
        table_.SetCaseRows(cases_);
        for (int k = 0; k < chunk.ColumnCount(); ++k) {
            const ChunkColumn& column = chunk.Column(k);
            table_.DataGrid.AppendCells(k + 1, firstRow, column.text.View(), column.ends);
            AppendValues(k + 1, firstRow, column);
        }
        return true;
    }

    void Finish() { table_.SetCaseRows(std::max(cases_, 1)); }
    LoadedValues TakeValues() { return std::move(values_); }

  private:
    void AppendValues(int col, int firstRow, const ChunkColumn& column) {
        const auto c = static_cast<std::size_t>(col);
        if (values_.columns.size() <= c) {
            values_.columns.resize(c + 1);
            values_.textColumns.resize(c + 1, 0);
        }
        auto& values = values_.columns[c];
        if (values.capacity() == 0) values.reserve(EstimatedRows() + 1);
        values.resize(static_cast<std::size_t>(firstRow), MissingValue);  // rows without a cell
        values.insert(values.end(), column.values.begin(), column.values.end());
        if (column.hasText) values_.textColumns[c] = 1;
    }

    // The rows the whole file will hold, judged from the part read so far, with a margin:
    // a column reserved for them grows without copying.
    std::size_t EstimatedRows() const {
        const double share = static_cast<double>(bytesRead_) / static_cast<double>(fileSize_);
        if (share <= 0 || share >= 1) return static_cast<std::size_t>(cases_);
        return static_cast<std::size_t>(cases_ / share * 1.1) + 64;
    }

    LoadedValues values_;
};

int ReadingThreads(const FileReading& reading) {
    if (reading.threads > 0) return reading.threads;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

bool ReadsInChunks(const FileReading& reading, std::uintmax_t fileSize) {
    switch (reading.method) {
        case FileReading::Method::Plain:
            return false;
        case FileReading::Method::Chunked:
            return true;
        case FileReading::Method::Automatic:
            break;
    }
    return fileSize >= reading.chunkBytes;
}

// What reading the lines leaves for the rest of the load.
struct ReadOutcome {
    int cases = 0;
    bool dropped = false;  // fields or names beyond the columns kept
    bool cancelled = false;
    std::optional<LoadedValues> values;  // kept while splitting, when the file came in chunks
};

ReadOutcome ReadLines(Workspace& ws, std::FILE* file, std::uintmax_t size,
                      const FileReading& reading) {
    if (ReadsInChunks(reading, size)) {
        ChunkJoiner joiner(ws, size);
        ChunkedFile chunks(file, reading.chunkBytes);
        SplitChunksInParallel(chunks, ReadingThreads(reading),
                              [&joiner](const DataFileChunk& chunk) { return joiner.Join(chunk); });
        joiner.Finish();
        return {joiner.Cases(), joiner.ColumnsDropped(), joiner.Cancelled(), joiner.TakeValues()};
    }
    PlainFileReader reader(ws, size);
    reader.Read(file);
    return {reader.Cases(), reader.ColumnsDropped(), reader.Cancelled(), std::nullopt};
}

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

LoadResult FileToDataGrid(Workspace& ws, const std::string& filename, const FileReading& reading) {
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
    ReadOutcome read;
    {
        ProgressWindow progress(ws.ui, "Loading File...");
        BusyCursor busy(ws.ui);
        read = ReadLines(ws, file.get(), *size, reading);
    }
    file.reset();
    table.LoadInProgress = false;
    if (read.cancelled) {
        // Half a file is not the file: the table is the new, empty one, with no name to
        // save over the file.
        ws.data.Cleardata();
        table.Clear();
        table.DataFilename.clear();
        return LoadResult::Cancelled;
    }

    if (read.dropped)
        ws.ui.Warning("The Maximum Number of Columns was Exceeded. Columns Truncated.");

    table.SetCaseRows(std::max(read.cases, 1));
    table.Modified = false;
    if (read.values)
        ws.data.UpdateDataFromValues(std::move(*read.values));
    else
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

// One line of cells joined by tabs: the readers give the cells of the next row.
void AppendLine(std::vector<TextGrid::ColumnReader>& readers, std::string& out) {
    for (std::size_t k = 0; k < readers.size(); ++k) {
        if (k > 0) out += '\t';
        out += readers[k].Next();
    }
    out += "\r\n";
}

std::vector<TextGrid::ColumnReader> ReadersOfRows(const TextGrid& grid, const GridRect& block,
                                                  int firstRow) {
    std::vector<TextGrid::ColumnReader> readers;
    for (int c = block.Left; c <= block.Right; ++c) readers.emplace_back(grid, c, firstRow);
    return readers;
}

// Writes the lines of the table in pieces of a few megabytes, so that a large table never
// needs its whole text in memory at once and is written in few large writes. Cells are
// written as their text stands.
constexpr std::size_t kWritePiece = std::size_t{4} << 20;

template <typename Sink>
void WriteDataFile(const DataTable& table, bool varnames, bool descriptions, bool selection,
                   Sink&& sink) {
    static const char* const kLabels[] = {"", "Title:", "USL:", "Target:", "LSL:"};
    const GridRect block = SavedBlock(table, selection);
    std::string out;
    if (varnames && table.HasOwnNames()) {
        std::vector<TextGrid::ColumnReader> names = ReadersOfRows(table.DataGrid, block, 0);
        AppendLine(names, out);
    }
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
    std::vector<TextGrid::ColumnReader> rows = ReadersOfRows(table.DataGrid, block, block.Top);
    for (int row = block.Top; row <= block.Bottom; ++row) {
        AppendLine(rows, out);
        if (out.size() > kWritePiece) {
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
