#include "engine/graphs/ppa_charts.h"

#include <algorithm>
#include <cmath>

#include "engine/report/number_format.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

constexpr const char* kProgramTitle = "Process Performance Analysis";

// A value the charts can draw: anything that is not a finite number becomes 0.
double Drawable(double x) { return std::isfinite(x) ? x : 0.0; }

// [analysis title], then the given lines.
std::vector<std::string> TitleLines(const PPAContext& context, std::vector<std::string> lines) {
    if (!context.AnalysisTitle.empty()) lines.insert(lines.begin(), context.AnalysisTitle);
    return lines;
}

// q / sqrt(v) for a positive v, else 0.
double IndexOver(double q, double v) { return v > 0 ? q / std::sqrt(v) : 0.0; }

// A third of the distance the process may use on one side of its centre.
double SpreadUnit(const SpecLimits& specs, double xbar) {
    if (specs.HasUSL && specs.HasLSL) return (specs.USL - specs.LSL) / 6;
    const double centre = specs.HasTarget ? specs.Target : xbar;
    if (specs.HasUSL) return (specs.USL - centre) / 3;
    if (specs.HasLSL) return (centre - specs.LSL) / 3;
    return 0;
}

}  // namespace

const char* PPAPageCaption(PPAPage page) {
    switch (page) {
        case PPAPage::IndexBars:
            return "PPA - Bar Chart";
        case PPAPage::Opportunity:
            return "PPA - Opportunity Analysis";
        case PPAPage::VariancePie:
            return "Variance - Pie";
        case PPAPage::VarianceBars:
            return "Variance - Bar";
    }
    return "";
}

std::vector<double> PPAStackedChart::PercentShares(const PPABar& bar) {
    std::vector<double> shares;
    double total = 0;
    for (const std::optional<double>& v : bar.Values) {
        shares.push_back(v && *v > 0 ? *v : 0.0);
        total += shares.back();
    }
    for (double& share : shares) share = total > 0 ? 100 * share / total : 0.0;
    return shares;
}

double PPAStackedChart::HighestStack() const {
    double highest = 0;
    for (const PPABar& bar : Bars) {
        double top = 0;
        for (const std::optional<double>& v : bar.Values)
            if (v && *v > 0) top += *v;
        highest = std::max(highest, top);
    }
    return highest;
}

double PPAPie::Total() const {
    double total = 0;
    for (const PPAPieSlice& slice : Slices)
        if (slice.Value > 0) total += slice.Value;
    return total;
}

std::vector<double> StackedIncrements(const std::vector<double>& levels) {
    std::vector<double> increments;
    double top = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double step = i == 0 ? levels[i] : std::max(0.0, levels[i] - top);
        increments.push_back(step);
        top += step;
    }
    return increments;
}

PPACharts::PPACharts() {
    IndexBars.Series = {{"Ppk", true}, {"Pp", true}, {"Pp(stream)", true}, {"Cp(potential)", true}};
    Opportunity.Series = {{"Ppm", true},
                          {"No Target Loss", false},
                          {"No Target Loss or Stream", false},
                          {"Potential", false},
                          {"Opportunity", true}};
    VarianceBars.Series = {{"Potential", true},
                           {"Target Loss", true},
                           {"Process Stream", true},
                           {"Time(control)", true},
                           {"Measurement", true}};
}

const PPAStackedChart& PPACharts::Stacked(PPAPage page) const {
    switch (page) {
        case PPAPage::Opportunity:
            return Opportunity;
        case PPAPage::VarianceBars:
            return VarianceBars;
        default:
            return IndexBars;
    }
}

void PPACharts::DisplayPPAVariance(const PPAContext& context, double Measurement, double Process,
                                   double Target, double Stream, double Time, double XBar,
                                   double Std) {
    Measurement = Drawable(Measurement);
    Process = Drawable(Process);
    Target = Drawable(Target);
    Stream = Drawable(Stream);
    Time = Drawable(Time);

    if (context.ClearBeforeDisplay && context.FirstSet) {
        VarianceBars.ClearBars();
        Counter = 1;
        Suffix.clear();
    } else {
        ++Counter;
        Suffix = "(" + std::to_string(Counter) + ")";
    }
    const std::string label = context.MeasureName + Suffix;

    VariancePie.Titles = TitleLines(context, {kProgramTitle, "Variance Components - " + label});
    VariancePie.Slices.clear();
    VariancePie.Slices.push_back({"Potential", Process});
    if (context.Specs.HasTarget) VariancePie.Slices.push_back({"Target Loss", Target});
    if (context.HasStreams) VariancePie.Slices.push_back({"Process Stream", Stream});
    VariancePie.Slices.push_back({"Time(control)", Time});
    if (Measurement > 0) VariancePie.Slices.push_back({"Measurement", Measurement});

    VarianceBars.Titles = TitleLines(context, {kProgramTitle, "Variance Components"});
    VarianceBars.Bars.push_back(
        {label,
         {Process, context.Specs.HasTarget ? std::optional<double>(Target) : std::nullopt,
          context.HasStreams ? Stream : 0.0, Time, Measurement > 0 ? Measurement : 0.0}});

    const bool anyLimit = context.Specs.HasUSL || context.Specs.HasLSL;
    if (!anyLimit && context.ClearBeforeDisplay && context.FirstSet) {
        IndexBars.ClearBars();
        Opportunity.ClearBars();
        PpmAdded = PpkAdded = false;
        return;
    }
    AddOpportunityBars(context, Measurement, Process, Target, Stream, Time, Drawable(XBar),
                       Drawable(Std));
}

void PPACharts::AddOpportunityBars(const PPAContext& context, double Measurement, double Process,
                                   double Target, double Stream, double Time, double XBar,
                                   double Std) {
    const SpecLimits& specs = context.Specs;
    const double total = Process + Target + Stream + Time + Measurement;
    const double q = SpreadUnit(specs, XBar);
    // The Ppm-type index with a Target: the spread against the total deviation about it.
    h1 = specs.HasTarget ? IndexOver(q, total) : (Std > 0 ? q / Std : 0.0);

    Opportunity.Titles = TitleLines(context, {kProgramTitle});
    if (context.ClearBeforeDisplay && context.FirstSet) Opportunity.ClearBars();

    const int width = std::max(DisplayLength(context.MeasureName), 14);
    const double a = std::max(0.0, IndexOver(q, total - Target));
    const double b = std::max(0.0, IndexOver(q, total - Target - Stream));
    const double c = std::max(0.0, IndexOver(q, Process));
    const std::vector<double> segments = StackedIncrements({h1, a, b, c});
    h2 = segments[1];
    h3 = segments[2];
    h4 = segments[3];
    Opportunity.Bars.push_back(
        {PadLeft(context.MeasureName + Suffix, width), {h1, h2, h3, h4, 0.0}});

    auto removable = [&](const std::string& name, double x) {
        const double rest = total - x;
        const double gain = rest > 0 ? std::max(0.0, q / std::sqrt(rest) - h1) : 0.0;
        Opportunity.Bars.push_back({PadLeft(name, width) + Suffix, {h1, 0.0, 0.0, 0.0, gain}});
    };
    if (specs.HasTarget) removable("Target", Target);
    if (context.HasStreams) removable("Stream", Stream);
    if (specs.HasTarget && context.HasStreams) removable("Target+Stream", Target + Stream);
    removable("Time(Control)", Time);
    if (Measurement > 0) removable("Measurement", Measurement);
}

void PPACharts::DisplayPPA(const PPAContext& context, double Ppk, double Ppm, double Pp,
                           double PPstream, double Cp) {
    IndexBars.Titles = TitleLines(context, {kProgramTitle});
    if (context.ClearBeforeDisplay && context.FirstSet) {
        IndexBars.ClearBars();
        PpmAdded = PpkAdded = false;
    }
    const bool target = context.Specs.HasTarget;
    std::string& title = IndexBars.Series[0].Title;
    if (target) {
        title = PpkAdded ? "Ppm/Ppk" : "Ppm";
        PpmAdded = true;
    } else {
        title = PpmAdded ? "Ppm/Ppk" : "Ppk";
        PpkAdded = true;
    }
    const std::vector<double> segments = StackedIncrements(
        {Drawable(target ? Ppm : Ppk), Drawable(Pp), Drawable(PPstream), Drawable(Cp)});
    h1 = segments[0];
    h2 = segments[1];
    h3 = segments[2];
    h4 = segments[3];
    IndexBars.Bars.push_back({context.MeasureName + Suffix, {h1, h2, h3, h4}});
    HaveIndices = true;
}

PPAContext PPAContextFrom(const Workspace& ws, bool clearBeforeDisplay) {
    PPAContext context;
    context.AnalysisTitle = ws.analysis.Settings.Title;
    context.MeasureName = ws.analysis.RunInfo.MeasureName;
    context.Specs = ws.analysis.Specs;
    context.HasStreams = ws.analysis.HasStreams;
    context.FirstSet = ws.data.FirstGlobalSet();
    context.ClearBeforeDisplay = clearBeforeDisplay;
    return context;
}

void PPAChartFeed::DisplayPPAVariance(double Measurement, double Process, double Target,
                                      double Stream, double Time, double XBar, double Std) {
    Charts.DisplayPPAVariance(PPAContextFrom(ws_, ClearBeforeDisplay), Measurement, Process, Target,
                              Stream, Time, XBar, Std);
}

void PPAChartFeed::DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) {
    Charts.DisplayPPA(PPAContextFrom(ws_, ClearBeforeDisplay), Ppk, Ppm, Pp, PPstream, Cp);
}

}  // namespace vostrel
