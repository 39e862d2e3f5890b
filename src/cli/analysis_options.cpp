#include "cli/analysis_options.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel::cli {

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

double NumberOption(const std::string& text, const std::string& option) {
    const std::optional<double> value = ReadNumber(TrimSpaces(text));
    if (!value) throw UsageError{option + ": \"" + text + "\" is not a number"};
    return *value;
}

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A column by its name, or by its 1-based number when no column has that name.
int FindColumn(const Workspace& ws, const std::string& token) {
    const std::string name(TrimSpaces(token));
    for (int c = 1; c <= ws.table.MaxCol(); ++c)
        if (ws.table.ColumnName(c) == name) return c;
    if (AllDigits(name) && name.size() <= 6) {
        const int c = std::stoi(name);
        if (c >= 1 && c <= ws.table.MaxCol()) return c;
    }
    throw UsageError{"no column \"" + name + "\" in the data file"};
}

std::vector<int> FindColumns(const Workspace& ws, const std::string& list,
                             const std::string& option) {
    std::vector<int> columns;
    for (std::string_view token : SplitAt(list, ',')) {
        if (token.empty()) throw UsageError{option + ": an empty column name"};
        columns.push_back(FindColumn(ws, std::string(token)));
    }
    if (columns.empty()) throw UsageError{option + " names no column"};
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

std::vector<int> ItemsOf(const VariableList& list, const std::vector<int>& columns,
                         const std::string& option) {
    std::vector<int> items;
    for (int c : columns) {
        const int i = list.IndexOfColumn(c);
        if (i < 0)
            throw UsageError{option + ": column " + std::to_string(c) +
                             " is already chosen elsewhere"};
        items.push_back(i);
    }
    return items;
}

// A relation at the start of the text: its code and the rest of the text.
std::optional<std::pair<int, std::string>> SplitRelation(const std::string& text, bool lists) {
    const std::string trimmed(TrimSpaces(text));
    const std::string lower = Lower(trimmed);
    static const std::vector<std::pair<std::string, int>> symbols = {
        {">=", 3}, {"<=", 5}, {"<>", 6}, {"=", 1}, {">", 2}, {"<", 4}};
    for (const auto& [symbol, code] : symbols)
        if (lower.rfind(symbol, 0) == 0 && (lists || code != 6))
            return std::make_pair(
                code, std::string(TrimSpaces(std::string_view(trimmed).substr(symbol.size()))));
    if (!lists) return std::nullopt;
    for (const auto& [word, code] :
         std::vector<std::pair<std::string, int>>{{"not in", 8}, {"in", 7}})
        if (lower.rfind(word + " ", 0) == 0 || lower.rfind(word + "[", 0) == 0)
            return std::make_pair(
                code, std::string(TrimSpaces(std::string_view(trimmed).substr(word.size()))));
    return std::nullopt;
}

void ApplyMissing(Workspace& ws, const std::vector<std::string>& rules) {
    MissingDialogInput input;
    for (std::size_t k = 0; k < rules.size(); ++k) {
        const auto relation = SplitRelation(rules[k], false);
        if (!relation || relation->second.empty())
            throw UsageError{"--missing \"" + rules[k] +
                             "\": expected a relation (= > >= < <=) and a value"};
        NumberOption(relation->second, "--missing");
        (k == 0 ? input.Sign1 : input.Sign2) = relation->first;
        (k == 0 ? input.Text1 : input.Text2) = relation->second;
    }
    ApplyMissingDialog(ws.rules, input);
}

void ApplyProcessIf(Workspace& ws, const std::vector<std::string>& conditions, bool orJoin) {
    if (orJoin && conditions.size() < 2) throw UsageError{"--or needs two --process-if conditions"};
    ProcessIfDialogInput input;
    input.AndOr = orJoin ? 1 : 0;
    for (std::size_t k = 0; k < conditions.size(); ++k) {
        const std::string text(TrimSpaces(conditions[k]));
        const std::size_t space = text.find_first_of(" \t<>=");
        if (space == std::string::npos || space == 0)
            throw UsageError{"--process-if \"" + text + "\": expected COLUMN REL VALUE"};
        const int column = FindColumn(ws, text.substr(0, space));
        const auto relation = SplitRelation(text.substr(space), true);
        if (!relation || relation->second.empty())
            throw UsageError{"--process-if \"" + text + "\": expected COLUMN REL VALUE"};
        if (relation->first != 7 && relation->first != 8)
            NumberOption(relation->second, "--process-if");
        else if (!IsNumberListText(relation->second))
            throw UsageError{"--process-if \"" + text + "\": \"" + relation->second +
                             "\" is not a list of numbers"};
        ProcessIfDialogCondition& c = k == 0 ? input.Condition1 : input.Condition2;
        c.Column = column;
        c.Name = ws.table.ColumnName(column);
        c.Sign = relation->first;
        c.ValueText = relation->second;
    }
    ApplyProcessIfDialog(ws.rules, input, ws.ui, ws.blankCommas);
}

void ApplyTransformOption(Workspace& ws, const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    if (fields.empty() || fields.size() > 4 || !AllDigits(fields[0]) || fields[0].size() > 2)
        throw UsageError{"--transform \"" + text + "\": expected KIND A B C"};
    const int kind = std::stoi(fields[0]);
    const std::string a = fields.size() > 1 ? fields[1] : "1";
    const std::string b = fields.size() > 2 ? fields[2] : "0";
    const std::string c = fields.size() > 3 ? fields[3] : "1";
    if (kind >= TransformKindCount || !TransformOkEnabled(kind, a, b, c))
        throw UsageError{"--transform \"" + text +
                         "\": not a transform kind 0 to 12 with numeric constants"};
    AcceptTransformDialog(ws.transform, kind, a, b, c, false);
}

// The settings of the data-file form. False after an error box.
bool ApplySettings(Workspace& ws, const AnalysisOptions& o) {
    AnalysisSettings& s = ws.analysis.Settings;
    if (!o.measures) throw UsageError{"--measures is needed with a data file"};
    const std::vector<int> measures = FindColumns(ws, *o.measures, "--measures");
    const std::vector<int> streams =
        o.streams ? FindColumns(ws, *o.streams, "--streams") : std::vector<int>();
    std::optional<int> setColumn;
    if (o.sets) setColumn = FindColumn(ws, *o.sets);

    if (setColumn) s.ToggleSetColumn(ItemsOf(s.DataVariables, {*setColumn}, "--sets").front());
    s.IncludeMeasures(ItemsOf(s.DataVariables, measures, "--measures"));
    s.IncludeStreams(ItemsOf(s.DataVariables, streams, "--streams"));

    const std::string mode = o.mode.value_or("items");
    if (mode == "items")
        s.Multiple = MultipleMeasures::SampleItems;
    else if (mode == "repeated")
        s.Multiple = MultipleMeasures::RepeatedMeasures;
    else if (mode == "streams")
        s.Multiple = MultipleMeasures::MultipleStreams;
    else
        throw UsageError{"--mode must be items, repeated or streams"};
    if (s.Multiple == MultipleMeasures::MultipleStreams && !streams.empty())
        throw UsageError{"--mode streams cannot be combined with --streams"};

    if (o.decimals) {
        if (!AllDigits(*o.decimals) || o.decimals->size() > 1)
            throw UsageError{"--decimals must be 0 to 9"};
        s.SetDecimals(std::stoi(*o.decimals));
    }
    if (o.title) {
        s.SetTitle(*o.title);
        if (s.Title != *o.title) throw UsageError{"--title: at most 80 characters on one line"};
    }

    UserSetDialogInput user;
    if (o.userMeasurement) {
        user.WantMeasurement = true;
        user.MeasurementText = *o.userMeasurement;
    }
    if (o.userStream) {
        user.WantStream = true;
        user.StreamText = *o.userStream;
    }
    if (o.userPotential) {
        user.WantPotential = true;
        user.PotentialText = *o.userPotential;
    }
    for (const auto& [given, option] :
         {std::pair{o.userMeasurement, "--user-measurement"},
          std::pair{o.userStream, "--user-stream"}, std::pair{o.userPotential, "--user-potential"}})
        if (given && NumberOption(*given, option) < 0)
            throw UsageError{std::string(option) + " must not be negative"};
    if (!s.AcceptUserSetDialog(user, ws.ui)) return false;

    ApplyMissing(ws, o.missing);
    ApplyProcessIf(ws, o.processIf, o.orJoin);
    if (o.transform) ApplyTransformOption(ws, *o.transform);
    return true;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

void NoteLegacySpecifications(const LegacySpecifications& specs) {
    if (!specs.Seen) return;
    std::string text;
    for (const std::string& line : SpecificationsFoundText())
        if (!line.empty()) text += (text.empty() ? "" : " ") + line;
    std::cerr << "vostrel-cli: warning: " << text << "\n"
              << "vostrel-cli: warning: USL: " << specs.USL << "  Target: " << specs.Target
              << "  LSL: " << specs.LSL << "\n";
}

}  // namespace

std::string OptionReader::Value() {
    if (inline_) return *inline_;
    if (i_ + 1 >= args_.size()) throw UsageError{name_ + " needs a value"};
    return args_[++i_];
}

void OptionReader::Flag() const {
    if (inline_) throw UsageError{name_ + " takes no value"};
}

AnalysisOptions ParseAnalysisOptions(const Arguments& args, const CommandOptions& own) {
    AnalysisOptions o;
    const std::vector<std::pair<std::string, std::optional<std::string>*>> single = {
        {"--measures", &o.measures},
        {"--streams", &o.streams},
        {"--mode", &o.mode},
        {"--sets", &o.sets},
        {"--decimals", &o.decimals},
        {"--title", &o.title},
        {"--user-measurement", &o.userMeasurement},
        {"--user-potential", &o.userPotential},
        {"--user-stream", &o.userStream},
        {"--transform", &o.transform},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                inlineValue = arg.substr(equals + 1);
                arg.resize(equals);
            }
        }
        OptionReader option(args, i, arg, inlineValue);
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (own && own(option)) {
            continue;
        } else if (arg == "--or") {
            option.Flag();
            o.orJoin = true;
        } else if (arg == "--missing" || arg == "--process-if") {
            std::vector<std::string>& list = arg == "--missing" ? o.missing : o.processIf;
            if (list.size() == 2) throw UsageError{arg + " may be given twice at most"};
            list.push_back(option.Value());
        } else if (const auto it = std::find_if(single.begin(), single.end(),
                                                [&](const auto& s) { return s.first == arg; });
                   it != single.end()) {
            if (*it->second) throw UsageError{arg + " is given twice"};
            *it->second = option.Value();
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else {
            if (!o.file.empty()) throw UsageError{"only one file can be analysed"};
            if (arg.empty()) throw UsageError{"the file name is empty"};
            o.file = arg;
        }
    }
    if (!o.help && o.file.empty()) throw UsageError{"no file given"};
    return o;
}

void PrintSettingsUsage(std::ostream& out) {
    out << "Settings (data file only):\n"
           "  --measures LIST          measure columns: names or 1-based numbers, comma-separated\n"
           "  --streams LIST           stream (group) variables, the same way\n"
           "  --mode items|repeated|streams\n"
           "                           what several measures represent: sample items (default),\n"
           "                           repeated measures, or multiple streams\n"
           "  --sets COLUMN            one report for every value of this column\n"
           "  --decimals N             decimals of the report numbers, 0 to 9 (default 4)\n"
           "  --title TEXT             title of the analysis, at most 80 characters\n"
           "  --user-measurement SD    user-set measurement standard deviation\n"
           "  --user-potential SD      user-set potential standard deviation\n"
           "  --user-stream SD         user-set between-stream standard deviation\n"
           "  --missing \"REL VALUE\"    a value is missing when it meets the relation\n"
           "                           (REL one of = > >= < <=); at most twice\n"
           "  --process-if \"COLUMN REL VALUE\"\n"
           "                           analyse only the rows that meet the condition (REL one of\n"
           "                           = > >= < <= <> in \"not in\"; lists as 1,2,5); at most "
           "twice\n"
           "  --or                     either condition suffices (default: both must hold)\n"
           "  --transform \"KIND A B C\" transform every value with constants A, B, C; KIND is one "
           "of\n";
    for (int kind = 1; kind < TransformKindCount; ++kind)
        out << "                             " << kind << (kind < 10 ? "  " : " ")
            << TransformKindName(kind) << "\n";
    for (int kind = 1; kind < TransformKindCount; ++kind)
        out << "                             " << kind << (kind < 10 ? "  " : " ")
            << TransformKindName(kind) << "\n";
}

bool LoadAnalysisSettings(Workspace& ws, const AnalysisOptions& o) {
    const std::string file = AbsolutePath(o.file);
    if (IsConfigFileName(file)) {
        if (o.HasDataSettings())
            throw UsageError{"the settings options apply to a data file, not to a configuration"};
        const bool loaded = LoadConfig(ws, file);
        NoteLegacySpecifications(ws.analysis.SpecsFound);
        if (!loaded) return false;
        if (ws.analysis.Settings.Measures.Empty()) {
            std::cerr << "vostrel-cli: the configuration " << o.file << " names no measure\n";
            return false;
        }
        return true;
    }
    if (FileToDataGrid(ws, file) != LoadResult::Loaded) {
        std::cerr << "vostrel-cli: cannot read the data file " << o.file << "\n";
        return false;
    }
    ws.analysis.Settings.RebuildVariableLists(ws.data, ws.table.HaveData());
    return ApplySettings(ws, o);
}

}  // namespace vostrel::cli
