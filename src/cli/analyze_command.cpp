// vostrel-cli analyze: the process performance Action without windows, from a
// configuration file or from a data file and options.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/analysis_options.h"
#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "cli/rule_options.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/config_file.h"
#include "engine/analysis/performance_chart_sink.h"
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
           "\n";
    PrintSettingsUsage(out);
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

struct Options : AnalysisOptions {
    std::optional<std::string> date, txt, rtf, saveConfig;
    bool charts = false;
};

Options ParseOptions(const Arguments& args) {
    Options o;
    const std::vector<std::pair<std::string, std::optional<std::string>*>> files = {
        {"--date", &o.date},
        {"--txt", &o.txt},
        {"--rtf", &o.rtf},
        {"--save-config", &o.saveConfig}};
    static_cast<AnalysisOptions&>(o) = ParseAnalysisOptions(args, [&](OptionReader& option) {
        if (option.Name() == "--charts") {
            option.Flag();
            o.charts = true;
            return true;
        }
        for (const auto& [name, value] : files)
            if (option.Name() == name) {
                if (*value) throw UsageError{name + " is given twice"};
                *value = option.Value();
                return true;
            }
        return false;
    });
    return o;
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

    if (!LoadAnalysisSettings(ws, o)) return 1;

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
