// vostrel-cli analyze: the process performance Action without windows, from a
// configuration file or from a data file and options.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "cli/rule_options.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/config_file.h"
#include "engine/analysis/performance_chart_sink.h"
#include "engine/data/data_file.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/helpers/atomic_file.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

void PrintAnalyzeUsage(std::ostream& out) {
    out << "usage: vostrel-cli analyze CONFIG.vos [options]\n"
           "       vostrel-cli analyze DATAFILE --measures LIST [options]\n"
           "\n"
           "Runs the process performance analysis and prints its report as plain text.\n"
           "A .vos configuration file brings its data file and every setting; with a data\n"
           "file the settings come from the options below.\n"
           "\n"
           "Settings (data file only):\n"
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
    out << "\n"
           "Both forms:\n"
           "  --date TEXT              print TEXT where the report prints today's date\n"
           "  --txt FILE               also save the report as plain text\n"
           "  --rtf FILE               also save the report as rich text\n"
           "  --save-config FILE       write the settings as a configuration file\n"
           "  --charts                 after the report, print the values handed to the\n"
           "                           performance charts, one line per call\n"
           "\n"
           "Errors go to standard error: exit status 1 for an error of the analysis or its\n"
           "files, 2 for a usage error.\n";
}

struct Options {
    std::string file;
    std::optional<std::string> measures, streams, mode, sets, decimals, title;
    std::optional<std::string> userMeasurement, userPotential, userStream, transform;
    std::vector<std::string> missing, processIf;
    bool orJoin = false;
    std::optional<std::string> date, txt, rtf, saveConfig;
    bool charts = false;
    bool help = false;

    bool HasDataSettings() const {
        return measures || streams || mode || sets || decimals || title || userMeasurement ||
               userPotential || userStream || transform || !missing.empty() || !processIf.empty() ||
               orJoin;
    }
};

Options ParseOptions(const Arguments& args) {
    Options o;
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
        {"--date", &o.date},
        {"--txt", &o.txt},
        {"--rtf", &o.rtf},
        {"--save-config", &o.saveConfig},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const CommandArgument split = SplitArgument(args[i]);
        const std::string& arg = split.name;
        const std::optional<std::string>& inlineValue = split.inlineValue;
        auto value = [&] { return OptionValue(args, i, split); };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--or" || arg == "--charts") {
            if (inlineValue) throw UsageError{arg + " takes no value"};
            (arg == "--or" ? o.orJoin : o.charts) = true;
        } else if (arg == "--missing" || arg == "--process-if") {
            std::vector<std::string>& list = arg == "--missing" ? o.missing : o.processIf;
            if (list.size() == 2) throw UsageError{arg + " may be given twice at most"};
            list.push_back(value());
        } else if (const auto it = std::find_if(single.begin(), single.end(),
                                                [&](const auto& s) { return s.first == arg; });
                   it != single.end()) {
            if (*it->second) throw UsageError{arg + " is given twice"};
            *it->second = value();
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
bool ApplySettings(Workspace& ws, const Options& o) {
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

bool WriteOutput(const std::string& path, const std::string& bytes) {
    const WriteResult result = WriteFileAtomically(path, bytes);
    if (!result.ok) std::cerr << "vostrel-cli: " << result.message << "\n";
    return result.ok;
}

int Analyze(const Options& o) {
    CliUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    ws.report.UseUserLocale();
    if (o.date) ws.report.date.fixedText = *o.date;

    const std::string file = AbsolutePath(o.file);
    if (IsConfigFileName(file)) {
        if (o.HasDataSettings())
            throw UsageError{"the settings options apply to a data file, not to a configuration"};
        const bool loaded = LoadConfig(ws, file);
        NoteLegacySpecifications(ws.analysis.SpecsFound);
        if (!loaded) return 1;
        if (ws.analysis.Settings.Measures.Empty()) {
            std::cerr << "vostrel-cli: the configuration " << o.file << " names no measure\n";
            return 1;
        }
    } else {
        if (FileToDataGrid(ws, file) != LoadResult::Loaded) {
            std::cerr << "vostrel-cli: cannot read the data file " << o.file << "\n";
            return 1;
        }
        ws.analysis.Settings.RebuildVariableLists(ws.data, ws.table.HaveData());
        if (!ApplySettings(ws, o)) return 1;
    }

    RecordingChartSink charts;
    ws.analysis.Charts = &charts;
    switch (RunPerformanceAnalysis(ws)) {
        case ActionResult::Completed:
            break;
        case ActionResult::InvalidLimits:
            return 1;
        case ActionResult::NoData:
        case ActionResult::Busy:
            std::cerr << "vostrel-cli: the data file " << o.file << " holds no data to analyse\n";
            return 1;
    }

    const ReportDocument& report = ws.report.output;
    std::cout << ReportToPlainText(report, LineEnd::Lf);
    if (o.charts)
        for (const std::string& line : charts.Lines()) std::cout << line << "\n";
    std::cout.flush();

    bool ok = ui.ErrorCount() == 0;
    if (o.txt) ok = WriteOutput(*o.txt, ReportToPlainText(report, LineEnd::CrLf)) && ok;
    if (o.rtf) ok = WriteOutput(*o.rtf, ReportToRtf(report)) && ok;
    if (o.saveConfig) ok = SaveConfig(ws, *o.saveConfig) && ok;
    return ok ? 0 : 1;
}

}  // namespace

int AnalyzeCommand(const Arguments& args) {
    return WithUsageErrors("analyze", [&] {
        const Options options = ParseOptions(args);
        if (options.help) {
            PrintAnalyzeUsage(std::cout);
            return 0;
        }
        return Analyze(options);
    });
}

}  // namespace vostrel::cli
