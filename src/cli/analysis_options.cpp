#include "cli/analysis_options.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/rule_options.h"
#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

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
