#include "engine/analysis/config_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/data/data_file.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/helpers/atomic_file.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

template <typename Items, typename Text>
std::string JoinWithSpaces(const Items& items, Text text) {
    std::string joined;
    bool first = true;
    for (const auto& item : items) {
        if (!first) joined += ' ';
        joined += text(item);
        first = false;
    }
    return joined;
}

std::string JoinColumns(const std::vector<int>& columns) {
    return JoinWithSpaces(columns, [](int c) { return std::to_string(c); });
}

std::string ColumnNames(const Workspace& ws) {
    std::vector<int> columns;
    for (int c = 1; c <= ws.table.MaxCol(); ++c) columns.push_back(c);
    return JoinWithSpaces(columns, [&](int c) { return ws.table.ColumnName(c); });
}

std::string UserSetText(const UserSetSD& box) { return box.InUse ? box.Text : std::string(); }

std::string MissingLine(const MissingRec& m, int k) {
    const int sign = k == 1 ? m.Sign1 : m.Sign2;
    if (!m.Active || sign == 0) return {};
    return std::to_string(sign) + " " + (k == 1 ? m.Xstr1 : m.Xstr2);
}

std::string ProcessIfLine(const ProcessIfRec& p, int k) {
    const ProcessIfCondition& c = k == 1 ? p.Condition1 : p.Condition2;
    if (!p.Active || !c.On()) return {};
    std::string line = std::to_string(c.PiIndex) + " " + std::to_string(c.Sign) + " " + c.XV;
    if (k == 2 && p.AndOr == 1) line += " 1";
    return line;
}

std::string TransformLine(const TransformRec& t) {
    if (!t.On()) return {};
    return std::to_string(t.no) + " " + t.astr + " " + t.Bstr + " " + t.Cstr;
}

std::string FullPath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

// Lines end with CR LF, LF or CR.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The column numbers of a list key: every run of decimal digits. Numbers too large for a
// column become 0, which names no column.
std::vector<int> DigitRuns(std::string_view value) {
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < value.size()) {
        if (!std::isdigit(static_cast<unsigned char>(value[i]))) {
            ++i;
            continue;
        }
        long long number = 0;
        while (i < value.size() && std::isdigit(static_cast<unsigned char>(value[i]))) {
            if (number <= 1000000) number = number * 10 + (value[i] - '0');
            ++i;
        }
        numbers.push_back(number <= 1000000 ? static_cast<int>(number) : 0);
    }
    return numbers;
}

// A field's number, 0 when it did not convert.
double Number(const NumberField& field) { return field.value == MissingValue ? 0.0 : field.value; }
std::string Text(const NumberField& field) {
    return field.text.empty() ? std::string("0") : field.text;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return FullPath(a) == FullPath(b);
}

class ConfigReader {
  public:
    ConfigReader(Workspace& ws, const std::string& path) : ws_(ws), path_(path) {}

    bool Read(std::string_view text) {
        for (std::string_view line : SplitLines(text)) ReadLine(line);
        return ok_;
    }

  private:
    void ReadLine(std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return;
        const std::string key = Upper(TrimSpaces(line.substr(0, colon + 1)));
        // Values are read whole: the writer writes them whole (a list of 1,000 values,
        // 512 long column names).
        const std::string value(TrimSpaces(line.substr(colon + 1)));
        AnalysisSettings& s = ws_.analysis.Settings;
        LegacySpecifications& specs = ws_.analysis.SpecsFound;
        if (key == "TITLE:") {
            // Trimmed again after the cut to 80 characters, so that the title reads back
            // as it is written.
            s.SetTitle(value);
            s.Title = std::string(TrimSpaces(s.Title));
        } else if (key == "USL:" || key == "TARGET:" || key == "LSL:") {
            (key == "USL:" ? specs.USL : key == "TARGET:" ? specs.Target : specs.LSL) = value;
            specs.Seen = true;
        } else if (key == "DATAFILE:") {
            DataFile(value);
        } else if (key == "COLNAMES:" || key == "MEASURES:" || key == "MULTIPLE:" ||
                   key == "GROUPS:") {
            if (ok_) ListKey(key, value);
        } else {
            NumberKey(key, value);
        }
    }

    void DataFile(const std::string& value) {
        AnalysisSettings& s = ws_.analysis.Settings;
        std::string file = value;
        if (!file.empty() && !std::filesystem::path(file).has_parent_path()) {
            const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
            if (!folder.empty()) file = (folder / file).string();
        }
        std::error_code ec;
        if (SameFile(file, ws_.table.DataFilename)) {
            s.RebuildVariableLists(ws_.data, ws_.table.HaveData());
        } else if (!file.empty() && std::filesystem::is_regular_file(file, ec)) {
            LoadData(file);
        } else if (ws_.ui.Confirm("Data File Not Found. Do you wish to Search for file?", false) ==
                   Answer::Yes) {
            const std::string chosen = ws_.ui.RequestOpenFileName();
            if (chosen.empty())
                DataFileSkipped(file);
            else
                LoadData(chosen);
        } else {
            DataFileSkipped(file);
        }
    }

    // Says why the lists stay empty, so that a moved data file is not taken for a bad file.
    void DataFileSkipped(const std::string& file) {
        ok_ = false;
        ws_.ui.Warning("The data file of this configuration was not opened:\n\n" + file +
                       "\n\nThe settings were read, but no variables were chosen.");
    }

    void LoadData(const std::string& file) {
        if (FileToDataGrid(ws_, file) != LoadResult::Loaded) {
            ok_ = false;
            return;
        }
        ws_.analysis.Settings.RebuildVariableLists(ws_.data, ws_.table.HaveData());
    }

    void ListKey(const std::string& key, const std::string& value) {
        AnalysisSettings& s = ws_.analysis.Settings;
        if (key == "COLNAMES:") {
            ColumnNamesKey(value);
        } else if (key == "MULTIPLE:") {
            const std::vector<int> numbers = DigitRuns(value);
            const int code = numbers.empty() ? 0 : numbers.front();
            s.Multiple = code == 1   ? MultipleMeasures::RepeatedMeasures
                         : code == 2 ? MultipleMeasures::MultipleStreams
                                     : MultipleMeasures::SampleItems;
            s.ApplyListRules();
        } else {
            const bool measures = key == "MEASURES:";
            std::vector<int> selected;
            for (int c : DigitRuns(value)) {
                const int i = s.DataVariables.IndexOfColumn(c);
                if (i < 0) {
                    Fail(measures ? "Vostrel Config File Measures Do Not Match Data!"
                                  : "Vostrel Config File Group Variables Do Not Match Data!");
                    return;
                }
                selected.push_back(i);
            }
            if (measures)
                s.IncludeMeasures(selected);
            else
                s.IncludeStreams(selected);
        }
    }

    void ColumnNamesKey(const std::string& value) {
        DataTable& table = ws_.table;
        // The current names need no renaming. Checked first: names with spaces or commas
        // split into more names, which must neither fail nor rename the columns.
        if (value == TrimSpaces(ColumnNames(ws_))) return;
        const HeaderFields split = SplitHeaderLine(value, false, false);
        const std::vector<std::string>& names = split.fields;
        if (split.truncated || static_cast<int>(names.size()) != table.MaxCol()) {
            Fail("Vostrel Config File Columns Do Not Match Data!");
            return;
        }
        for (int c = 1; c <= table.MaxCol(); ++c) {
            const std::string& name = names[static_cast<std::size_t>(c - 1)];
            table.SetColumnName(c, name);
            ws_.analysis.Settings.DataVariables.Rename(c, name);
        }
    }

    void NumberKey(const std::string& key, const std::string& value) {
        const std::vector<NumberField> f = ParseNumberList(value, ws_.ui, ws_.blankCommas);
        AnalysisSettings& s = ws_.analysis.Settings;
        if (key == "USERMEAS:" || key == "USERPOT:" || key == "USERSTREAM:") {
            UserSetSD& box = key == "USERMEAS:"  ? s.Measurement
                             : key == "USERPOT:" ? s.Potential
                                                 : s.Stream;
            if (!f.empty() && Number(f[0]) > 0)
                box.Set(f[0].text, Number(f[0]));
            else
                box.Reset();
        } else if (key == "MISSING1:" || key == "MISSING2:") {
            const int k = key == "MISSING1:" ? 1 : 2;
            const int sign = f.size() >= 2 ? RoundHalfEven(Number(f[0])) : 0;
            if (sign >= 1 && sign <= 5)
                ws_.rules.SetMissingRule(k, sign, Text(f[1]), Number(f[1]));
            else
                ws_.rules.SetMissingRule(k, 0, "0", 0);
        } else if (key == "PROCESSIF1:" || key == "PROCESSIF2:") {
            ProcessIfKey(key == "PROCESSIF1:" ? 1 : 2, value, f);
        } else if (key == "TRANSFORM:") {
            const int kind = f.size() >= 4 ? RoundHalfEven(Number(f[0])) : 0;
            if (kind >= 1 && kind < TransformKindCount)
                SetTransform(ws_.transform, kind, Text(f[1]), Text(f[2]), Text(f[3]), Number(f[1]),
                             Number(f[2]), Number(f[3]));
            else
                ws_.transform = TransformRec();
        } else if (key == "DECIMALS:") {
            const int decimals = f.empty() ? -1 : RoundHalfEven(Number(f[0]));
            if (decimals >= 0 && decimals < 10) s.DecimalsBox = decimals;
        }
    }

    void ProcessIfKey(int k, const std::string& value, const std::vector<NumberField>& f) {
        CaseRules& rules = ws_.rules;
        // A list is written in brackets; its entries are separated by the commas the
        // fields are split at, so it is taken whole. A list of blank entries ("[,]") adds
        // no field, so the column and the relation are all the fields it needs.
        const std::size_t open = value.find('[');
        const std::size_t close = value.find(']', open == std::string::npos ? 0 : open);
        const bool bracketed = open != std::string::npos && close != std::string::npos;
        const int column = f.size() >= 2 ? RoundHalfEven(Number(f[0])) : 0;
        const int sign = f.size() >= 2 ? RoundHalfEven(Number(f[1])) : 0;
        const bool list = (sign == 7 || sign == 8) && bracketed;
        if (column < 1 || column > ws_.table.MaxCol() || sign < 1 || sign > 8 ||
            (!list && f.size() < 3)) {
            ClearProcessIf(k);
            return;
        }
        std::string valueText;
        double number = 0;
        bool orJoin = false;
        if (list) {
            valueText = value.substr(open, close - open + 1);
            const std::vector<NumberField> rest =
                ParseNumberList(std::string_view(value).substr(close + 1), ws_.ui, ws_.blankCommas);
            orJoin = !rest.empty() && Number(rest[0]) == 1;
        } else {
            valueText = f[2].text;
            number = Number(f[2]);
            orJoin = f.size() >= 4 && Number(f[3]) == 1;
        }
        const int slot = k == 1 ? 1 : (orJoin ? 3 : 2);
        if (!rules.SetProcessIfRule(slot, column, sign, ws_.table.ColumnName(column), number,
                                    valueText))
            ClearProcessIf(k);
    }

    void ClearProcessIf(int k) {
        ProcessIfCondition& c =
            k == 1 ? ws_.rules.ProcessIf.Condition1 : ws_.rules.ProcessIf.Condition2;
        c = ProcessIfCondition();
        if (k == 2) ws_.rules.ProcessIf.AndOr = 0;
    }

    void Fail(const std::string& message) {
        ws_.ui.ErrorBox(message);
        ok_ = false;
    }

    Workspace& ws_;
    std::string path_;
    bool ok_ = true;
};

}  // namespace

std::string MainWindowCaption(const Workspace& ws) {
    std::string caption = "Vostrel";
    if (!ws.analysis.ConfigFileName.empty()) caption += " - " + ws.analysis.ConfigFileName;
    if (!ws.table.DataFilename.empty()) caption += " - " + ws.table.DataFilename;
    return caption;
}

std::vector<std::string> SpecificationsFoundText() {
    return {"Specifications were found in the VOSTREL Configure",
            "file. This is obsolete for the current version of VOSTREL.",
            "You may now enter these specifications directly into",
            "the Data Editor on the Descriptions tab.",
            "",
            "You may copy the values from the table below."};
}

bool IsConfigFileName(const std::string& path) {
    return Upper(std::filesystem::path(path).extension().string()) == ".VOS";
}

std::string ConfigFileText(const Workspace& ws) {
    const AnalysisSettings& s = ws.analysis.Settings;
    const CaseRules& rules = ws.rules;
    const std::vector<std::pair<const char*, std::string>> lines = {
        {"TITLE:", s.Title},
        {"DECIMALS:", std::to_string(s.DecimalsBox)},
        {"DATAFILE:", FullPath(ws.table.DataFilename)},
        {"COLNAMES:", ColumnNames(ws)},
        {"MEASURES:", JoinColumns(s.Measures.Columns())},
        {"MULTIPLE:",
         s.Measures.Count() >= 2 ? std::to_string(static_cast<int>(s.Multiple)) : std::string()},
        {"GROUPS:", JoinColumns(s.Streams.Columns())},
        {"USERMEAS:", UserSetText(s.Measurement)},
        {"USERPOT:", UserSetText(s.Potential)},
        {"USERSTREAM:", UserSetText(s.Stream)},
        {"MISSING1:", MissingLine(rules.Missing, 1)},
        {"MISSING2:", MissingLine(rules.Missing, 2)},
        {"PROCESSIF1:", ProcessIfLine(rules.ProcessIf, 1)},
        {"PROCESSIF2:", ProcessIfLine(rules.ProcessIf, 2)},
        {"TRANSFORM:", TransformLine(ws.transform)},
    };
    std::string text;
    for (const auto& [key, value] : lines) text += key + value + "\r\n";
    return text;
}

bool SaveConfig(Workspace& ws, const std::string& path) {
    DataTable& table = ws.table;
    if (table.DataFilename.empty()) {
        if (table.HaveData() &&
            ws.ui.Confirm("Do you wish to save Data File first?", false) == Answer::Yes)
            ws.ui.RequestSaveAs();
    } else if (table.Modified) {
        const SaveOptions options = PrepareSaveOptions(table);
        SaveFile(ws, table.DataFilename, options.VarNamesEnabled, options.DescriptionsEnabled,
                 false);
    }
    const WriteResult written = WriteFileAtomically(path, ConfigFileText(ws));
    if (!written.ok) {
        ws.ui.ErrorBox(written.message);
        return false;
    }
    ws.analysis.ConfigFileName = path;
    ws.mru.UpdateList(path);
    return true;
}

bool SaveConfigOrData(Workspace& ws, const std::string& path, bool varnames, bool descriptions) {
    if (IsConfigFileName(path)) return SaveConfig(ws, path);
    return SaveFile(ws, path, varnames, descriptions, false);
}

bool LoadConfig(Workspace& ws, const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        ws.ui.ErrorBox("Cannot read the configuration file " + path);
        return false;
    }
    PerformanceAnalysis& a = ws.analysis;
    a.SpecsFound = LegacySpecifications();
    a.Settings.ResetForNew(ws.rules, ws.transform);
    a.ConfigFileName = path;
    ws.rules.Missing.Active = false;
    ws.rules.ProcessIf.Active = false;
    return ConfigReader(ws, path).Read(*text);
}

bool OpenAnyFile(Workspace& ws, const std::string& path) {
    ws.mru.UpdateList(path);
    if (IsConfigFileName(path)) return LoadConfig(ws, path);
    if (FileToDataGrid(ws, path) != LoadResult::Loaded) return false;
    ws.analysis.Settings.RebuildVariableLists(ws.data, ws.table.HaveData());
    return true;
}

}  // namespace vostrel
