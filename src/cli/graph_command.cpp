// vostrel-cli graph KIND FILE [options]: the numbers behind the performance charts, the
// box plots, the histogram and the frequency table, as tab-separated tables.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/analysis_options.h"
#include "cli/cli_user_interface.h"
#include "cli/commands.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/graphs/box_plot.h"
#include "engine/graphs/frequency_table.h"
#include "engine/graphs/graph_text.h"
#include "engine/graphs/histogram.h"
#include "engine/graphs/ppa_charts.h"
#include "engine/helpers/text_helpers.h"
#include "engine/workspace.h"

namespace vostrel::cli {

namespace {

void PrintGraphUsage(std::ostream& out) {
    out << "usage: vostrel-cli graph KIND CONFIG.vos [options]\n"
           "       vostrel-cli graph KIND DATAFILE --measures LIST [options]\n"
           "\n"
           "Prints the numbers behind a graph as tab-separated tables with a header row.\n"
           "KIND is one of:\n"
           "  ppa        the performance charts of the analysis: one block per page, rows\n"
           "             Page, Label, Series, Value in the order the bars and slices are added\n"
           "  box        box-and-whisker plots: one row per group\n"
           "  histogram  the interval size and first midpoint used, the bars (or polygon\n"
           "             points), the specification and process lines, the normal curve\n"
           "  frequency  the frequency table: MidPoint and one column per group\n"
           "\n";
    PrintSettingsUsage(out);
    out << "\n"
           "Graph options:\n"
           "  --set VALUE              box, histogram, frequency: only the analysis set VALUE\n"
           "                           (\"All\", the default, for every set)\n"
           "  --plot outliers|whisker  box: with mild and far outliers (default), or from\n"
           "                           minimum to maximum\n"
           "  --no-specs               box, histogram: no specification limits\n"
           "  --group NAME             histogram: the group to show (default \"(All)\")\n"
           "  --interval-size S        histogram, frequency: the interval size (0: automatic)\n"
           "  --first-midpoint C       histogram, frequency: the first midpoint\n"
           "  --normal-curve           histogram: the fitted normal curve\n"
           "  --relative               histogram: relative frequencies\n"
           "  --polygon                histogram: a frequency polygon instead of bars\n"
           "  --process-limits         histogram: lines at the mean and mean +- 3 std dev\n"
           "  --fix-x                  histogram: the x range of all groups\n"
           "  --type frequencies|relative|cumulative\n"
           "                           frequency: what the cells hold (default frequencies)\n"
           "  --decimals N             frequency: decimals of relative values, 0 to 9 (4)\n"
           "\n"
           "Errors go to standard error: exit status 1 for an error of the analysis or its\n"
           "files, 2 for a usage error.\n";
}

enum class GraphKind { PPA, Box, Histogram, Frequency };

struct GraphOptions : AnalysisOptions {
    GraphKind Kind = GraphKind::PPA;
    std::optional<std::string> set, group;
    BoxPlotOptions box;
    HistogramOptions histogram;
    FrequencyOptions frequency;
};

GraphKind ParseKind(const std::string& word) {
    if (word == "ppa") return GraphKind::PPA;
    if (word == "box") return GraphKind::Box;
    if (word == "histogram") return GraphKind::Histogram;
    if (word == "frequency") return GraphKind::Frequency;
    throw UsageError{"KIND must be ppa, box, histogram or frequency, not \"" + word + "\""};
}

// The options of the kind, checked against it.
class KindOptions {
  public:
    explicit KindOptions(GraphOptions& o) : o_(o) {}

    bool operator()(OptionReader& option) {
        const std::string& name = option.Name();
        if (name == "--set")
            return Take(option, {GraphKind::Box, GraphKind::Histogram, GraphKind::Frequency},
                        o_.set);
        if (name == "--group") return Take(option, {GraphKind::Histogram}, o_.group);
        if (name == "--plot") return Plot(option);
        if (name == "--no-specs") {
            Allow(option, {GraphKind::Box, GraphKind::Histogram});
            option.Flag();
            o_.box.DisplaySpecifications = o_.histogram.DisplaySpecifications = false;
            return true;
        }
        if (name == "--interval-size" || name == "--first-midpoint") return Interval(option);
        if (name == "--type") return Type(option);
        if (name == "--decimals" && o_.Kind == GraphKind::Frequency) return Decimals(option);
        return HistogramFlag(option);
    }

  private:
    void Allow(const OptionReader& option, std::initializer_list<GraphKind> kinds) const {
        for (GraphKind kind : kinds)
            if (kind == o_.Kind) return;
        throw UsageError{option.Name() + " does not apply to this kind of graph"};
    }
    bool Take(OptionReader& option, std::initializer_list<GraphKind> kinds,
              std::optional<std::string>& value) {
        Allow(option, kinds);
        if (value) throw UsageError{option.Name() + " is given twice"};
        value = option.Value();
        return true;
    }
    bool Plot(OptionReader& option) {
        Allow(option, {GraphKind::Box});
        const std::string value = option.Value();
        if (value == "outliers")
            o_.box.Kind = BoxPlotKind::Outliers;
        else if (value == "whisker")
            o_.box.Kind = BoxPlotKind::BoxWhisker;
        else
            throw UsageError{"--plot must be outliers or whisker"};
        return true;
    }
    bool Interval(OptionReader& option) {
        Allow(option, {GraphKind::Histogram, GraphKind::Frequency});
        const std::string value = option.Value();
        if (option.Name() == "--interval-size") {
            o_.histogram.UseIntervalSize = o_.frequency.UseIntervalSize = true;
            o_.histogram.IntervalSizeText = o_.frequency.IntervalSizeText = value;
        } else {
            o_.histogram.UseFirstMidpoint = o_.frequency.UseFirstMidpoint = true;
            o_.histogram.FirstMidpointText = o_.frequency.FirstMidpointText = value;
        }
        return true;
    }
    bool Type(OptionReader& option) {
        Allow(option, {GraphKind::Frequency});
        const std::string value = option.Value();
        if (value == "frequencies")
            o_.frequency.Type = FrequencyType::Frequencies;
        else if (value == "relative")
            o_.frequency.Type = FrequencyType::RelativeFrequencies;
        else if (value == "cumulative")
            o_.frequency.Type = FrequencyType::CumulativeFrequencies;
        else
            throw UsageError{"--type must be frequencies, relative or cumulative"};
        return true;
    }
    bool Decimals(OptionReader& option) {
        const std::string value = option.Value();
        if (!AllDigits(value) || value.size() > 1) throw UsageError{"--decimals must be 0 to 9"};
        o_.frequency.Decimals = std::stoi(value);
        return true;
    }
    bool HistogramFlag(OptionReader& option) {
        const std::vector<std::pair<std::string, bool*>> flags = {
            {"--normal-curve", &o_.histogram.NormalCurve},
            {"--relative", &o_.histogram.Relative},
            {"--process-limits", &o_.histogram.ProcessLimits},
            {"--fix-x", &o_.histogram.FixX},
        };
        for (const auto& [name, flag] : flags)
            if (option.Name() == name) {
                Allow(option, {GraphKind::Histogram});
                option.Flag();
                *flag = true;
                return true;
            }
        if (option.Name() == "--polygon") {
            Allow(option, {GraphKind::Histogram});
            option.Flag();
            o_.histogram.Type = HistogramType::FrequencyPolygons;
            return true;
        }
        return false;
    }

    GraphOptions& o_;
};

GraphOptions ParseGraphOptions(const Arguments& args) {
    GraphOptions o;
    if (args.empty()) throw UsageError{"no KIND given"};
    if (args[0] == "--help" || args[0] == "-h") {
        o.help = true;
        return o;
    }
    o.Kind = ParseKind(args[0]);
    KindOptions kindOptions(o);
    static_cast<AnalysisOptions&>(o) =
        ParseAnalysisOptions(Arguments(args.begin() + 1, args.end()),
                             [&](OptionReader& option) { return kindOptions(option); });
    return o;
}

// Numbers as the graphs' point texts show them: 12 significant digits.
class TableWriter {
  public:
    explicit TableWriter(const Workspace& ws) : locale_(ws.report.numberLocale) {}
    std::string Number(double x) const { return FormatGeneralDigits(locale_, 12, x); }
    std::string Number(const std::optional<double>& x) const { return x ? Number(*x) : ""; }
    std::string Numbers(const std::vector<double>& values) const {
        std::vector<std::string> texts;
        for (double v : values) texts.push_back(Number(v));
        return JoinStrings(texts, " ");
    }
    static void Row(const std::vector<std::string>& cells) {
        std::cout << JoinStrings(cells, "\t") << "\n";
    }

  private:
    NumberLocale locale_;
};

// Makes the analysis set of --set current. False after a message.
bool ChooseSet(Workspace& ws, const std::optional<std::string>& set) {
    const std::vector<std::string> entries = SetSelectorEntries(ws.data, ws.report.numberLocale);
    const std::string value = set.value_or("All");
    const int index = entries.empty() && value == "All" ? 0 : FindSetEntry(entries, value);
    if (index < 0) {
        std::cerr << "vostrel-cli: no analysis set \"" << value << "\""
                  << (entries.empty() ? " (the analysis uses no sets)"
                                      : " (the entries are " + JoinStrings(entries, ", ") + ")")
                  << "\n";
        return false;
    }
    SelectAnalysisSet(ws.data, index);
    return true;
}

void PrintStackedChart(const TableWriter& w, PPAPage page, const PPAStackedChart& chart) {
    for (const PPABar& bar : chart.Bars)
        for (std::size_t s = 0; s < bar.Values.size(); ++s)
            if (bar.Values[s])
                w.Row({PPAPageCaption(page), bar.Label, chart.Series[s].Title,
                       w.Number(*bar.Values[s])});
}

int PrintPPA(Workspace& ws) {
    PPAChartFeed feed(ws);
    ws.analysis.Charts = &feed;
    switch (RunPerformanceAnalysis(ws)) {
        case ActionResult::Completed:
            break;
        case ActionResult::InvalidLimits:
            return 1;
        case ActionResult::NoData:
        case ActionResult::Busy:
            std::cerr << "vostrel-cli: the data holds nothing to analyse\n";
            return 1;
    }
    const TableWriter w(ws);
    const PPACharts& charts = feed.Charts;
    for (PPAPage page :
         {PPAPage::IndexBars, PPAPage::Opportunity, PPAPage::VariancePie, PPAPage::VarianceBars}) {
        if (page != PPAPage::IndexBars) std::cout << "\n";
        TableWriter::Row({"Page", "Label", "Series", "Value"});
        if (page == PPAPage::VariancePie) {
            for (const PPAPieSlice& slice : charts.VariancePie.Slices)
                w.Row({PPAPageCaption(page), slice.Label, "Variance", w.Number(slice.Value)});
        } else {
            PrintStackedChart(w, page, charts.Stacked(page));
        }
    }
    return 0;
}

int PrintBox(Workspace& ws, const GraphOptions& o) {
    const BoxPlot plot = BuildBoxPlot(ws, ws.analysis.GraphRunInfo, o.box);
    const TableWriter w(ws);
    TableWriter::Row({"Group", "n", "Low", "Q1", "Median", "Q3", "High", "LowWhisker",
                      "HighWhisker", "MildOutliers", "FarOutliers", "USL", "Target", "LSL"});
    for (const BoxGroup& g : plot.Groups)
        w.Row({g.Label, std::to_string(g.n), w.Number(g.Low), w.Number(g.Q1), w.Number(g.Median),
               w.Number(g.Q3), w.Number(g.High), w.Number(g.LowWhisker), w.Number(g.HighWhisker),
               w.Numbers(g.MildOutliers), w.Numbers(g.FarOutliers), w.Number(g.USL),
               w.Number(g.Target), w.Number(g.LSL)});
    return 0;
}

int PrintHistogram(Workspace& ws, const GraphOptions& o) {
    TRunInfo& run = ws.analysis.GraphRunInfo;
    SelectAnalysisSet(ws.data, 0);
    const HistogramGroups groups = OpenHistogramGroups(ws, run);
    if (!ChooseSet(ws, o.set)) return 1;
    int index = 0;
    if (o.group && *o.group != "(All)") {
        index = -1;
        for (std::size_t i = 0; i < groups.Names.size(); ++i)
            if (groups.Names[i] == *o.group) index = static_cast<int>(i);
        if (index < 0) {
            std::cerr << "vostrel-cli: no group \"" << *o.group << "\" (the groups are "
                      << JoinStrings(groups.Names, ", ") << ")\n";
            return 1;
        }
    }
    LoadHistogramEntry(ws, run, groups, index);
    const HistogramResult h = BuildHistogram(ws, run, groups, index, o.histogram);
    if (!h.Error.empty()) {
        std::cerr << "vostrel-cli: " << h.Error << "\n";
        return 1;
    }
    if (!h.Drawn) {
        std::cerr << "vostrel-cli: the group holds no values\n";
        return 1;
    }
    const TableWriter w(ws);
    w.Row({"Interval size used", w.Number(h.IntervalSize)});
    w.Row({"First midpoint used", w.Number(h.FirstMidpoint)});
    TableWriter::Row({"Midpoint", "Height"});
    for (const GraphPoint& p : h.Type == HistogramType::Histograms ? h.Bars : h.Polygon)
        w.Row({w.Number(p.X), w.Number(p.Y)});
    TableWriter::Row({"Line", "X", "Height"});
    for (const HistogramLine& line : h.Lines)
        w.Row({line.Label, w.Number(line.X), w.Number(line.Height)});
    for (const GraphPoint& p : h.Curve) w.Row({"Curve", w.Number(p.X), w.Number(p.Y)});
    return 0;
}

int PrintFrequency(Workspace& ws, const GraphOptions& o) {
    const FrequencyTable table = BuildFrequencyTable(ws, ws.analysis.GraphRunInfo, o.frequency);
    if (!table.Error.empty()) {
        std::cerr << "vostrel-cli: " << table.Error << "\n";
        return 1;
    }
    for (int r = 0; r < table.RowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < table.ColumnCount(); ++c) cells.push_back(table.Cell(c, r));
        TableWriter::Row(cells);
    }
    return 0;
}

int Graph(const GraphOptions& o) {
    CliUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws(ui, settings);
    ws.report.UseUserLocale();
    if (!LoadAnalysisSettings(ws, o)) return 1;
    if (o.Kind == GraphKind::PPA) return PrintPPA(ws);

    if (!PrepareGraphRun(ws, o.Kind != GraphKind::Frequency)) {
        if (ui.ErrorCount() == 0) std::cerr << "vostrel-cli: the data holds nothing to show\n";
        return 1;
    }
    if (o.Kind == GraphKind::Histogram) return PrintHistogram(ws, o);
    if (!ChooseSet(ws, o.set)) return 1;
    if (o.Kind == GraphKind::Box) return PrintBox(ws, o);
    return PrintFrequency(ws, o);
}

}  // namespace

int GraphCommand(const Arguments& args) {
    try {
        const GraphOptions options = ParseGraphOptions(args);
        if (options.help) {
            PrintGraphUsage(std::cout);
            return 0;
        }
        return Graph(options);
    } catch (const UsageError& e) {
        std::cerr << "vostrel-cli graph: " << e.message << "\n";
        std::cerr << "Try vostrel-cli graph --help.\n";
        return 2;
    }
}

}  // namespace vostrel::cli
