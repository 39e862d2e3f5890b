// vostrel-cli chart DATAFILE [options]: the control charts of a data file as the chart
// setup would define them, each with its analysis report and point grid.

#include <algorithm>
#include <charconv>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "engine/control_charts/chart_action.h"
#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/chart_report_source.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/control_charts/point_grid.h"
#include "engine/data/data_file.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

void PrintChartUsage(std::ostream& out) {
    out << "usage: vostrel-cli chart DATAFILE [options]\n"
           "\n"
           "Computes the control charts of a data file as the Variables Chart Setup would\n"
           "define them and prints, for every chart in order, its name, its analysis report\n"
           "and its point grid (tab-separated, with a header row). Columns are given by name\n"
           "or by number; lists are separated by commas. Names of types, limit calculations\n"
           "and centerlines are those the setup lists show; unset choices take the setup's\n"
           "defaults.\n"
           "\n"
           "Variables:\n"
           "  --measures LIST            the chart variables (required)\n"
           "  --groups LIST              chart groups: one chart per group\n"
           "  --sets COLUMN              the analysis set variable\n"
           "  --sample-column COLUMN     subgroups by the value of a sample variable\n"
           "  --sample-size N            subgroups of N consecutive rows (2..999)\n"
           "  --rows                     several measures: subgroups in rows\n"
           "  --labels COLUMN            axis labels from a column instead of order numbers\n"
           "Charts:\n"
           "  --location TYPE            X, Mean, Median or None\n"
           "  --dispersion TYPE          \"Moving Range\", Range, \"Std Dev (s)\",\n"
           "                             \"Variance (s²)\" or None\n"
           "  --location-limits NAME     the location limit calculation\n"
           "  --dispersion-limits NAME   the dispersion limit calculation\n"
           "  --location-centerline NAME\n"
           "  --dispersion-centerline NAME\n"
           "  --std-err K                limits K standard errors from the centerline (3)\n"
           "  --mr-span W                values spanned by one moving range (2..30, 2)\n"
           "  --sigma S                  the known standard deviation\n"
           "  --mu M                     the known mean\n"
           "  --ucl V, --cl V, --lcl V   user-defined location limits (only those given)\n"
           "  --ducl V, --dcl V, --dlcl V  user-defined dispersion limits\n"
           "  --positive-limits          no negative location LCL\n"
           "  --show-breaks              missing data breaks patterns\n"
           "Tests for statistical control:\n"
           "  --tests LIST               enabled tests 1..9 of the standard charts\n"
           "  --mr-tests LIST            enabled tests 1..9 of the moving range chart\n"
           "  --test-values LIST         the 18 run lengths and counts in their stored order\n"
           "Report:\n"
           "  --decimals N               decimals of the report and the grid (0..9, 4)\n"
           "  --date TEXT                the date the report shows\n";
}

struct UsageError {
    std::string message;
};

struct ChartOptions {
    std::string file;
    std::map<std::string, std::string> values;  // option name without "--" -> value
    bool rows = false;
    bool positiveLimits = false;
    bool showBreaks = false;
    bool help = false;

    std::optional<std::string> Value(const std::string& name) const {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

const std::vector<std::string> ValueOptions = {"measures",
                                               "groups",
                                               "sets",
                                               "sample-column",
                                               "sample-size",
                                               "labels",
                                               "location",
                                               "dispersion",
                                               "location-limits",
                                               "dispersion-limits",
                                               "location-centerline",
                                               "dispersion-centerline",
                                               "std-err",
                                               "mr-span",
                                               "sigma",
                                               "mu",
                                               "ucl",
                                               "cl",
                                               "lcl",
                                               "ducl",
                                               "dcl",
                                               "dlcl",
                                               "tests",
                                               "mr-tests",
                                               "test-values",
                                               "decimals",
                                               "date"};

bool IsValueOption(const std::string& name) {
    for (const std::string& option : ValueOptions) {
        if (option == name) return true;
    }
    return false;
}

ChartOptions ParseOptions(const Arguments& args) {
    ChartOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            if (!options.file.empty()) throw UsageError{"more than one data file given"};
            options.file = arg;
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (name == "rows" || name == "positive-limits" || name == "show-breaks") {
            if (value) throw UsageError{"--" + name + " takes no value"};
            if (name == "rows") options.rows = true;
            if (name == "positive-limits") options.positiveLimits = true;
            if (name == "show-breaks") options.showBreaks = true;
            continue;
        }
        if (!IsValueOption(name)) throw UsageError{"unknown option " + arg};
        if (!value) {
            if (i + 1 >= args.size()) throw UsageError{"--" + name + " needs a value"};
            value = args[++i];
        }
        options.values[name] = *value;
    }
    return options;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    if (Trim(text).empty()) return items;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, ',')) items.push_back(Trim(item));
    return items;
}

std::optional<int> ReadInt(const std::string& text) {
    const std::string t = Trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

int ReadIntOption(const std::string& option, const std::string& text, int low, int high) {
    const std::optional<int> value = ReadInt(text);
    if (!value || *value < low || *value > high) {
        throw UsageError{"--" + option + " needs a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high) + ", not \"" + text + "\""};
    }
    return *value;
}

// A column by its name or, when no column has that name, by its number.
int FindColumn(const TDataList& data, const std::string& option, const std::string& text) {
    for (int c = 1; c <= data.MaxCol(); ++c) {
        if (data.ColumnName(c) == text) return c;
    }
    const std::optional<int> number = ReadInt(text);
    if (number && *number >= 1 && *number <= data.MaxCol()) return *number;
    throw UsageError{"--" + option + ": the data file has no column \"" + text + "\""};
}

std::string JoinItems(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "\"" : ", \"") + item + "\"";
    return joined;
}

void SelectByName(const ComboList& list, const std::string& option, const std::string& text,
                  const std::function<void(int)>& select) {
    for (std::size_t i = 0; i < list.Items.size(); ++i) {
        if (list.Items[i] == text) {
            select(static_cast<int>(i));
            return;
        }
    }
    throw UsageError{"--" + option + ": \"" + text + "\" is not offered here; choose one of " +
                     JoinItems(list.Items)};
}

// Applies the options to the setup in the order a user would click through the window:
// variables first, then types, then the calculations and centerlines they offer.
class SetupFromOptions {
  public:
    SetupFromOptions(const ChartOptions& options, const TDataList& data, ChartSetupModel& setup)
        : o_(options), data_(data), setup_(setup) {}

    void Apply() {
        Variables();
        ChartChoices();
        Fields();
        if (!setup_.Visibility().ActionEnabled) {
            throw UsageError{setup_.Items(SetupList::Measures).empty()
                                 ? "choose the chart variables with --measures"
                                 : "both chart types are None: nothing to chart"};
        }
    }

  private:
    void Require(const std::string& option, bool shown, const std::string& why) {
        if (o_.values.count(option) != 0 && !shown) throw UsageError{"--" + option + " " + why};
    }

    std::vector<int> Columns(const std::string& option) {
        std::vector<int> columns;
        for (const std::string& item : SplitList(*o_.Value(option))) {
            const int column = FindColumn(data_, option, item);
            const std::vector<int>& free = setup_.Items(SetupList::DataVariables);
            if (std::find(free.begin(), free.end(), column) == free.end() ||
                std::find(columns.begin(), columns.end(), column) != columns.end()) {
                throw UsageError{"--" + option + ": column \"" + item + "\" is already used"};
            }
            columns.push_back(column);
        }
        return columns;
    }

    void TakeColumns(const std::string& option, const std::function<void()>& include) {
        if (!o_.Value(option)) return;
        const std::vector<int> columns = Columns(option);
        if (columns.empty()) return;
        setup_.Select(SetupList::DataVariables, columns);
        include();
    }

    void Variables() {
        TakeColumns("measures", [this] { setup_.IncludeMeasures(); });
        Require("groups", setup_.Visibility().ChartGroups, "needs a data file of several columns");
        TakeColumns("groups", [this] { setup_.IncludeChartGroups(); });
        Require("sets", setup_.Visibility().Sets, "needs a data file of several columns");
        if (o_.Value("sets")) {
            const std::vector<int> column = Columns("sets");
            if (column.size() != 1) throw UsageError{"--sets takes one column"};
            setup_.Select(SetupList::DataVariables, column);
            setup_.ToggleSetVariable();
        }
        if (o_.rows) {
            if (!setup_.Visibility().Layout) throw UsageError{"--rows needs several measures"};
            setup_.SetSubgroupsInRows(true);
        }
        if (o_.Value("sample-column") && o_.Value("sample-size")) {
            throw UsageError{"give either --sample-column or --sample-size"};
        }
        if (o_.rows && (o_.Value("sample-column") || o_.Value("sample-size"))) {
            throw UsageError{"subgroups in rows take no sample variable or sample size"};
        }
        Require("sample-column", setup_.Visibility().SampleVariable,
                "needs a data file of several columns");
        if (o_.Value("sample-column")) {
            const std::vector<int> column = Columns("sample-column");
            if (column.size() != 1) throw UsageError{"--sample-column takes one column"};
            setup_.Select(SetupList::DataVariables, column);
            setup_.ToggleSampleVariable();
        }
        if (const auto size = o_.Value("sample-size")) {
            const int n = ReadIntOption("sample-size", *size, ChartSetupModel::MinSampleSize,
                                        ChartSetupModel::MaxSampleSize);
            setup_.SetConstantSampleSize(true);
            setup_.SetSampleSize(n);
        }
        if (const auto labels = o_.Value("labels")) {
            setup_.SelectAxisLabel(FindColumn(data_, "labels", *labels));
        }
    }

    void ChartChoices() {
        Select("location", setup_.LocChartTypes(), &ChartSetupModel::SelectLocChartType);
        Select("dispersion", setup_.DispChartTypes(), &ChartSetupModel::SelectDispChartType);
        // Choosing the dispersion calculation also moves the location calculation, so the
        // location calculation comes second; centerlines follow their calculations.
        Require("dispersion-limits", setup_.Visibility().DispCalc,
                "needs a dispersion chart (--dispersion)");
        Select("dispersion-limits", setup_.DispCalcs(), &ChartSetupModel::SelectDispCalc);
        Require("location-limits", setup_.Visibility().LocCalc,
                "needs a location chart (--location)");
        Select("location-limits", setup_.LocLimitCalcs(), &ChartSetupModel::SelectLocLimitCalc);
        Require("location-centerline", setup_.Visibility().LocCenterline,
                "needs location limits other than \"None\" and \"User Defined\"");
        Select("location-centerline", setup_.LocCenterlines(),
               &ChartSetupModel::SelectLocCenterline);
        Require("dispersion-centerline", setup_.Visibility().DispCenterline,
                "needs dispersion limits other than \"None\" and \"User Defined\"");
        Select("dispersion-centerline", setup_.DispCenterlines(),
               &ChartSetupModel::SelectDispCenterline);
    }

    void Select(const std::string& option, const ComboList& list,
                void (ChartSetupModel::*select)(int)) {
        if (const auto text = o_.Value(option)) {
            SelectByName(list, option, *text, [this, select](int i) { (setup_.*select)(i); });
        }
    }

    void Fields() {
        const SetupVisibility& shown = setup_.Visibility();
        Require("std-err", shown.StdErr, "is not used: no limits are calculated");
        if (const auto k = o_.Value("std-err")) setup_.SetStdErrText(*k);
        Require("mr-span", shown.MRSpan, "is not used: no moving ranges are charted or used");
        if (const auto w = o_.Value("mr-span")) {
            setup_.SetMRSpan(ReadIntOption("mr-span", *w, ChartSetupModel::MinMRSpan,
                                           ChartSetupModel::MaxMRSpan));
        }
        if (o_.positiveLimits && !shown.PositiveLimits) {
            throw UsageError{"--positive-limits needs calculated location limits"};
        }
        setup_.SetPositiveLimitsOnly(o_.positiveLimits);
        Require("sigma", shown.Sigma, "needs a \"Known Std Dev\" calculation or centerline");
        if (const auto sigma = o_.Value("sigma")) setup_.SetSigmaText(*sigma);
        Require("mu", shown.Mu, "needs the \"Known Mean\" location centerline");
        if (const auto mu = o_.Value("mu")) setup_.SetMuText(*mu);
        UserLimits({"ucl", "cl", "lcl"}, UserLocUCL, shown.LocUserLimits,
                   "\"User Defined\" location limits");
        UserLimits({"ducl", "dcl", "dlcl"}, UserDispUCL, shown.DispUserLimits,
                   "\"User Defined\" dispersion limits");
    }

    // The limits given are checked, the others not.
    void UserLimits(const std::vector<std::string>& options, UserLimit first, bool shown,
                    const std::string& what) {
        for (std::size_t i = 0; i < options.size(); ++i) {
            Require(options[i], shown, "needs " + what);
            const auto limit = static_cast<UserLimit>(first + static_cast<int>(i));
            const std::optional<std::string> value = o_.Value(options[i]);
            setup_.SetUserLimitChecked(limit, value.has_value());
            setup_.SetUserLimitText(limit, value.value_or(std::string()));
        }
    }

    const ChartOptions& o_;
    const TDataList& data_;
    ChartSetupModel& setup_;
};

ControlTestSettings::TestFlags ReadTestList(const std::string& option, const std::string& text) {
    ControlTestSettings::TestFlags flags{};
    for (const std::string& item : SplitList(text)) {
        flags[static_cast<std::size_t>(ReadIntOption(option, item, 1, ControlTestCount))] = true;
    }
    return flags;
}

void ApplyTestOptions(const ChartOptions& options, ControlTestSettings& settings) {
    if (const auto tests = options.Value("tests")) {
        settings.StdTestEnabled = ReadTestList("tests", *tests);
    }
    if (const auto tests = options.Value("mr-tests")) {
        settings.MRTestEnabled = ReadTestList("mr-tests", *tests);
    }
    if (const auto text = options.Value("test-values")) {
        const std::vector<std::string> items = SplitList(*text);
        if (items.size() != static_cast<std::size_t>(TestValueCount)) {
            throw UsageError{"--test-values needs " + std::to_string(TestValueCount) +
                             " values, not " + std::to_string(items.size())};
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            settings.TestValues[i] = ReadIntOption("test-values", items[i], 0, 99);
        }
        // The same ranges as the tests dialog and the stored defaults.
        NormaliseTestValues(settings.TestValues);
    }
}

void PrintPointGrid(const ChartState& chart, const NumberLocale& locale, std::ostream& out) {
    const PointGrid grid = FillPointGrid(chart, locale);
    std::string text;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        if (c > 0) text += '\t';
        text += grid.Columns()[static_cast<std::size_t>(c)].Header;
    }
    text += '\n';
    for (int p = 1; p <= grid.RowCount(); ++p) {
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            if (c > 0) text += '\t';
            text += grid.DisplayText(p, c, chart.Info.InfoDecimals);
        }
        text += '\n';
        if (text.size() > (1u << 20)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

int RunChart(const ChartOptions& options) {
    CliUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    ws.report.UseUserLocale();
    if (const auto date = options.Value("date")) ws.report.date.fixedText = *date;
    if (FileToDataGrid(ws, options.file) != LoadResult::Loaded) {
        std::cerr << "vostrel-cli: cannot read the data file " << options.file << "\n";
        return 1;
    }

    ChartSetupModel setup;
    setup.ResetChartSetup(DataColumnSource(ws.data));
    SetupFromOptions(options, ws.data, setup).Apply();

    ChartState& chart = ws.chart;
    LoadTestDefaults(ws.settings, chart.TestSettings);
    ApplyTestOptions(options, chart.TestSettings);
    if (const auto decimals = options.Value("decimals")) {
        chart.Info.InfoDecimals = ReadIntOption("decimals", *decimals, 0, 9);
    }
    chart.View.ShowBreaks = options.showBreaks;

    const ChartActionResult action = ChartSetupAction(ws, setup);
    if (!action.Accepted) return 1;
    if (chart.ChartNames.empty()) {
        std::cerr << "vostrel-cli: no chart has any points\n";
        return 1;
    }
    for (int i = 0; i < static_cast<int>(chart.ChartNames.size()); ++i) {
        SelectChart(ws, i);
        WriteCurrentChartReport(ws, std::string());
        if (i > 0) std::cout << "\n";
        std::cout << "Chart: " << chart.RunInfo.CurrentName << "\n\n"
                  << ReportToPlainText(chart.InfoReport, LineEnd::Lf) << "\n";
        PrintPointGrid(chart, ws.report.numberLocale, std::cout);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace

int ChartCommand(const Arguments& args) {
    try {
        const ChartOptions options = ParseOptions(args);
        if (options.help) {
            PrintChartUsage(std::cout);
            return 0;
        }
        if (options.file.empty()) throw UsageError{"no data file given"};
        return RunChart(options);
    } catch (const UsageError& error) {
        std::cerr << "vostrel-cli chart: " << error.message << "\n"
                  << "Try vostrel-cli chart --help.\n";
        return 2;
    }
}

}  // namespace vostrel::cli
