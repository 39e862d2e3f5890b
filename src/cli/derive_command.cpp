// vostrel-cli derive: the commands that add computed columns or rows to a data table,
// without windows. The table with its new columns is written as a data file.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "cli/rule_options.h"
#include "engine/data/data_file.h"
#include "engine/derived/compute_variables.h"
#include "engine/derived/derived_statistics.h"
#include "engine/derived/run_numbers.h"
#include "engine/derived/weight_cases.h"
#include "engine/helpers/atomic_file.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

void PrintDeriveUsage(std::ostream& out) {
    out << "usage: vostrel-cli derive DATAFILE [rules] COMMAND -o OUT\n"
           "\n"
           "Adds computed columns or rows to the data table and writes the table as a data\n"
           "file to OUT (replaced only when it is written whole), or to standard output\n"
           "when OUT is \"-\".\n"
           "\n"
           "Commands (exactly one):\n"
           "  --statistic NAME --dependent COLUMN [--by LIST] [--name NEW]\n"
           "                           a column of NAME over the samples of COLUMN: the whole\n"
           "                           column, or a sample for each combination of the values\n"
           "                           of the columns in LIST. NAME is one of\n";
    for (int code = 0; code < SampleStatisticCount; ++code)
        out << "                             \"" << SampleStatisticInfo(code).Caption << "\"\n";
    out << "    --subgroups K          Bartlett-Kendall-Box: subgroups per sample (default: the\n"
           "                           proposed number)\n"
           "    --min-range R          Bartlett-Kendall: the minimum range used for a sample of\n"
           "                           zero variance (without it such a sample is an error)\n"
           "    --seed N               seed of the random draws (Bartlett-Kendall-Box,\n"
           "                           Combinable Distributions); default: the clock\n"
           "  --across LIST --statistic NAME [--name NEW]\n"
           "                           a column of NAME over the columns in LIST in each row;\n"
           "                           NAME is one of";
    for (int item = 0; item < AcrossRowsStatisticCount; ++item)
        out << (item == 0 ? " " : ", ") << "\"" << AcrossRowsStatisticText(item) << "\"";
    out << "\n"
           "  --run-numbers LIST       a column \"Run\" numbering the combinations of LIST\n"
           "  --recode LIST            for each column in LIST a column NAME_R holding the order\n"
           "                           number of each distinct value (lowest = 1)\n"
           "  --weight COLUMN          repeat every row as often as its rounded weight says;\n"
           "                           rows whose weight is missing or below 0.5 are removed\n"
           "\n"
           "Columns are given by name or 1-based number; lists are comma-separated.\n"
           "\n"
           "Rules, applied as in the windows:\n"
           "  --missing \"REL VALUE\"    a value is missing when it meets the relation\n"
           "                           (REL one of = > >= < <=); at most twice\n"
           "  --process-if \"COLUMN REL VALUE\"\n"
           "                           use only the rows that meet the condition (REL one of\n"
           "                           = > >= < <= <> in \"not in\"); at most twice\n"
           "  --or                     either condition suffices (default: both must hold)\n"
           "  --transform \"KIND A B C\" transform the values of the samples (kinds as in\n"
           "                           vostrel-cli analyze --help)\n"
           "\n"
           "Errors go to standard error: exit status 1 for an error of the command or its\n"
           "files, 2 for a usage error.\n";
}

struct DeriveOptions {
    std::string file;
    std::optional<std::string> output, statistic, dependent, by, name, across;
    std::optional<std::string> runNumbers, recode, weight, subgroups, minRange, seed;
    RuleOptions rules;
    bool help = false;
};

DeriveOptions ParseDeriveOptions(const Arguments& args) {
    DeriveOptions o;
    const std::vector<std::pair<std::string, std::optional<std::string>*>> valued = {
        {"-o", &o.output},
        {"--output", &o.output},
        {"--statistic", &o.statistic},
        {"--dependent", &o.dependent},
        {"--by", &o.by},
        {"--name", &o.name},
        {"--across", &o.across},
        {"--run-numbers", &o.runNumbers},
        {"--recode", &o.recode},
        {"--weight", &o.weight},
        {"--subgroups", &o.subgroups},
        {"--min-range", &o.minRange},
        {"--seed", &o.seed},
        {"--transform", &o.rules.transform}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const CommandArgument split = SplitArgument(args[i]);
        const std::string& arg = split.name;
        auto value = [&] { return OptionValue(args, i, split); };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--or") {
            if (split.inlineValue) throw UsageError{"--or takes no value"};
            o.rules.orJoin = true;
            continue;
        }
        if (arg == "--missing" || arg == "--process-if") {
            std::vector<std::string>& list =
                arg == "--missing" ? o.rules.missing : o.rules.processIf;
            if (list.size() == 2) throw UsageError{arg + " may be given twice at most"};
            list.push_back(value());
            continue;
        }
        bool known = false;
        for (const auto& [option, target] : valued) {
            if (option != arg) continue;
            if (*target) throw UsageError{arg + " is given twice"};
            *target = value();
            known = true;
        }
        if (known) continue;
        if (arg.size() > 1 && arg[0] == '-') throw UsageError{"unknown option " + arg};
        if (!o.file.empty()) throw UsageError{"only one data file can be read"};
        if (arg.empty()) throw UsageError{"the file name is empty"};
        o.file = arg;
    }
    if (o.help) return o;
    if (o.file.empty()) throw UsageError{"no data file given"};
    if (!o.output) throw UsageError{"-o OUT is needed (\"-\" for standard output)"};
    if (o.output->empty()) throw UsageError{"-o: the output file name is empty"};
    const int commands = (o.dependent ? 1 : 0) + (o.across ? 1 : 0) + (o.runNumbers ? 1 : 0) +
                         (o.recode ? 1 : 0) + (o.weight ? 1 : 0);
    if (commands != 1)
        throw UsageError{
            "give exactly one of --dependent, --across, --run-numbers, --recode and "
            "--weight"};
    if ((o.dependent || o.across) != o.statistic.has_value())
        throw UsageError{"--statistic goes with --dependent or --across"};
    if (o.by && !o.dependent) throw UsageError{"--by goes with --dependent"};
    if (o.name && !(o.dependent || o.across)) throw UsageError{"--name goes with --statistic"};
    if ((o.subgroups || o.minRange || o.seed) && !o.dependent)
        throw UsageError{"--subgroups, --min-range and --seed go with --dependent"};
    return o;
}

// Answers the Bartlett-Kendall-Box questions from the options.
class DeriveUserInterface : public CliUserInterface {
  public:
    DeriveUserInterface(std::optional<int> subgroups, std::optional<double> minimumRange)
        : subgroups_(subgroups), minimumRange_(minimumRange) {
        SetAnswer(Answer::Yes);  // the command line asked for the change already
    }
    std::optional<int> AskSubgroupsPerRun(const SubgroupsQuestion& question) override {
        return subgroups_.value_or(question.Proposed);
    }
    std::optional<double> AskMinimumRange(const std::string& label) override {
        if (!minimumRange_) ErrorBox(label + ": give --min-range R");
        return minimumRange_;
    }

  private:
    std::optional<int> subgroups_;
    std::optional<double> minimumRange_;
};

int WholeNumberOption(const std::string& text, const std::string& option) {
    if (!AllDigits(text) || text.size() > 9) throw UsageError{option + " needs a whole number"};
    return std::stoi(text);
}

DeriveResult RunDeriveCommand(Workspace& ws, const DeriveOptions& o) {
    if (o.dependent) {
        SampleVariableRequest request;
        request.Statistic = SampleStatisticCode(*o.statistic);
        if (request.Statistic < 0)
            throw UsageError{"--statistic \"" + *o.statistic +
                             "\" is not a statistic of samples (see --help)"};
        request.Dependent = FindColumn(ws, *o.dependent);
        if (o.by) request.Independent = FindColumns(ws, *o.by, "--by");
        for (int c : request.Independent)
            if (c == request.Dependent) throw UsageError{"--by names the dependent column"};
        request.NewName = o.name.value_or("");
        if (o.seed) {
            if (!AllDigits(*o.seed) || o.seed->size() > 19)
                throw UsageError{"--seed needs a whole number"};
            request.Seed = std::stoull(*o.seed);
            ws.random.Seed(*request.Seed);
        }
        TRunInfo run;
        return ComputeSampleVariable(ws, run, request, nullptr);
    }
    if (o.across) {
        AcrossRowsRequest request;
        request.Statistic = AcrossRowsStatisticItem(*o.statistic);
        if (request.Statistic < 0)
            throw UsageError{"--statistic \"" + *o.statistic +
                             "\" is not a statistic across rows (see --help)"};
        request.Columns = FindColumns(ws, *o.across, "--across");
        if (request.Columns.size() < 2) throw UsageError{"--across needs two columns or more"};
        request.NewName = o.name.value_or("");
        return ComputeAcrossRows(ws, request, nullptr);
    }
    if (o.runNumbers)
        return GenerateRunNumbers(ws, FindColumns(ws, *o.runNumbers, "--run-numbers"));
    if (o.recode) return AutoRecode(ws, FindColumns(ws, *o.recode, "--recode"));
    return WeightCases(ws, FindColumn(ws, *o.weight));
}

// The table as a data file: names and descriptions when it has them.
std::string TableText(const Workspace& ws) {
    const DataTable& table = ws.table;
    return DataFileText(table, table.HasNames || table.HasOwnNames(),
                        table.HasDescriptions || table.HasAnyDescription(), false);
}

std::string WithLfLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

int Derive(const DeriveOptions& o) {
    std::optional<int> subgroups;
    if (o.subgroups) subgroups = WholeNumberOption(*o.subgroups, "--subgroups");
    std::optional<double> minRange;
    if (o.minRange) {
        minRange = NumberOption(*o.minRange, "--min-range");
        if (!(*minRange > 0)) throw UsageError{"--min-range must be above 0"};
    }
    DeriveUserInterface ui(subgroups, minRange);
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    if (FileToDataGrid(ws, o.file) != LoadResult::Loaded) {
        std::cerr << "vostrel-cli: cannot read the data file " << o.file << "\n";
        return 1;
    }
    ApplyRuleOptions(ws, o.rules);
    if (RunDeriveCommand(ws, o) != DeriveResult::Added) return 1;

    const std::string text = TableText(ws);
    if (*o.output == "-") {
        std::cout << WithLfLineEnds(text);
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    const WriteResult written = WriteFileAtomically(*o.output, text);
    if (!written.ok) {
        std::cerr << "vostrel-cli: " << written.message << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int DeriveCommand(const Arguments& args) {
    return WithUsageErrors("derive", [&] {
        const DeriveOptions options = ParseDeriveOptions(args);
        if (options.help) {
            PrintDeriveUsage(std::cout);
            return 0;
        }
        return Derive(options);
    });
}

}  // namespace vostrel::cli
