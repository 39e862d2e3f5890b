#include "engine/graphs/histogram.h"

#include <algorithm>
#include <cmath>

#include "engine/data/data_list.h"
#include "engine/data/extraction.h"
#include "engine/core/missing_value.h"
#include "engine/data/rule_descriptions.h"
#include "engine/graphs/graph_text.h"
#include "engine/graphs/interval_rules.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// Beyond this many points the normal curve is drawn with a coarser step: a curve over a
// range far wider than the data (a distant limit) would otherwise grow without bound.
constexpr int kMaxCurvePoints = 10000;

// The whole intervals of size s needed to cover a distance (none for a distance <= 0).
int StepsBeyond(double distance, double s) {
    const double steps = std::ceil(distance / s);
    if (!(steps > 0)) return 0;
    return static_cast<int>(std::min(steps, static_cast<double>(kMaxIntervals)));
}

// The interval size: the typed one when it is used and not 0, else the automatic one.
bool ChooseIntervalSize(std::span<const double> sorted, double range,
                        const HistogramOptions& options, const NumberLocale& locale,
                        HistogramResult& h) {
    if (options.UseIntervalSize) {
        IntervalError error;
        const std::optional<double> typed = ReadTypedIntervalSize(options.IntervalSizeText, error);
        if (!typed) {
            h.Error = error.Message;
            return false;
        }
        if (*typed != 0) {
            h.IntervalSize = *typed;
            h.SizeLabel = "Size Used: (" + options.IntervalSizeText + ")";
            return true;
        }
    }
    const double m = std::min(20.0, 10.0 + h.n / 100.0);
    h.IntervalSize = AutomaticIntervalSize(sorted, range, m, true);
    h.SizeLabel = "Size Used: (" + ShortNumberText(locale, h.IntervalSize) + ")";
    return true;
}

bool ChooseFirstMidpoint(double q, const HistogramOptions& options, const NumberLocale& locale,
                         HistogramResult& h) {
    const double s = h.IntervalSize;
    h.FirstMidpoint = DefaultFirstMidpoint(q, s, h.n);
    if (options.UseFirstMidpoint) {
        IntervalError error;
        const std::optional<double> typed =
            ReadTypedFirstMidpoint(options.FirstMidpointText, error);
        if (!typed) {
            h.Error = error.Message;
            return false;
        }
        h.FirstMidpoint = LowerFirstMidpoint(*typed, q, s);
    }
    h.FirstLabel = "First Used: (" + ShortNumberText(locale, h.FirstMidpoint) + ")";
    return true;
}

// Counts per interval slot 1..K-1 (index 0 unused): each value falls into the first
// interval whose upper boundary exceeds it, so a value on a boundary counts below it.
std::vector<int> CountIntervals(std::span<const double> sorted, double c, double s, int slots) {
    std::vector<int> counts(static_cast<std::size_t>(slots) + 1, 0);
    const double e = s / 10000;
    std::size_t j = 0;
    for (int i = 1; j < sorted.size() && i < slots; ++i) {
        const double upper = c + (i - 0.5) * s + e;
        while (j < sorted.size() && sorted[j] < upper) {
            ++counts[static_cast<std::size_t>(i)];
            ++j;
        }
    }
    // The grid reaches past the largest value, so nothing is left; should rounding leave
    // a value over, it goes into the last interval rather than being lost.
    if (j < sorted.size() && slots > 1)
        counts[static_cast<std::size_t>(slots) - 1] += static_cast<int>(sorted.size() - j);
    return counts;
}

void AddLines(const HistogramSpecs& specs, const HistogramOptions& options, double height,
              HistogramResult& h) {
    if (options.DisplaySpecifications) {
        const double specHeight = 1.1 * height;
        if (specs.LSL) h.Lines.push_back({"LSL", *specs.LSL, specHeight, false});
        if (specs.USL) h.Lines.push_back({"USL", *specs.USL, specHeight, false});
        if (specs.Target) h.Lines.push_back({"Target", *specs.Target, specHeight, false});
    }
    if (options.ProcessLimits) {
        const double processHeight = 1.05 * height;
        h.Lines.push_back({"Mean", h.Mean, processHeight, true});
        h.Lines.push_back({"LPL", h.Mean - 3 * h.S, processHeight, true});
        h.Lines.push_back({"UPL", h.Mean + 3 * h.S, processHeight, true});
    }
}

// The bars or the polygon from the first midpoint while the midpoints stay within the
// range; the axis runs one interval beyond on each side.
void AddCounts(const std::vector<int>& counts, int slots, double r, double p, HistogramResult& h) {
    const double c = h.FirstMidpoint;
    const double s = h.IntervalSize;
    std::vector<GraphPoint>& series = h.Type == HistogramType::Histograms ? h.Bars : h.Polygon;
    if (h.Type == HistogramType::FrequencyPolygons) series.push_back({c - s, 0});
    double next = c;
    for (int j = 1;; ++j) {
        const double mid = c + (j - 1) * s;
        series.push_back({mid, counts[static_cast<std::size_t>(j)] * p});
        next = c + j * s;
        if (next > r + s / 2 || j + 1 >= slots) break;
    }
    series.push_back({next, 0});
    h.AxisIncrement = s;
    h.AxisMin = c - s;
    h.AxisMax = next;
}

void AddNormalCurve(double height, double p, HistogramResult& h) {
    const double s = h.IntervalSize;
    const bool bars = h.Type == HistogramType::Histograms;
    // Whole intervals out to three standard deviations on each side of the mean.
    const int down = StepsBeyond(h.AxisMin - (h.Mean - 3 * h.S), s);
    const int up = StepsBeyond(h.Mean + 3 * h.S - h.AxisMax, s);
    if (bars) {
        std::vector<GraphPoint> widened;
        for (int k = down; k >= 1; --k) widened.push_back({h.AxisMin - k * s, 0});
        widened.insert(widened.end(), h.Bars.begin(), h.Bars.end());
        for (int k = 1; k <= up; ++k) widened.push_back({h.AxisMax + k * s, 0});
        h.Bars = std::move(widened);
    }
    h.AxisMin -= down * s;
    h.AxisMax += up * s;
    double step = h.S / 10;
    if ((h.AxisMax - h.AxisMin) / step > kMaxCurvePoints)
        step = (h.AxisMax - h.AxisMin) / kMaxCurvePoints;
    for (int k = 0; k <= kMaxCurvePoints; ++k) {
        const double x = h.AxisMin + k * step;
        if (x > h.AxisMax) break;
        const double z = x - h.Mean;
        h.Curve.push_back({x, height * p * std::exp(-z * z / (2 * h.Variance))});
    }
}

}  // namespace

HistogramResult ComputeHistogram(SampleArray& sample, SampleStats& stats,
                                 const HistogramSpecs& specs, double grandLow, double grandHigh,
                                 const HistogramOptions& options, const NumberLocale& locale) {
    HistogramResult h;
    h.Type = options.Type;
    h.n = SampleSize(sample);
    h.LeftAxisTitle = options.Relative ? "Relative Frequency" : "Frequency";
    if (h.n == 0) return h;
    const double p = options.Relative ? 1.0 / h.n : 1.0;

    ComputeOrderStats(sample, stats);
    const std::span<const double> sorted = SampleValues(sample);
    const double low = static_cast<double>(stats.Low);
    const double high = static_cast<double>(stats.High);
    double q = options.FixX ? std::min(grandLow, low) : low;
    double r = options.FixX ? std::max(grandHigh, high) : high;
    if (options.DisplaySpecifications)
        for (const std::optional<double>& limit : {specs.USL, specs.Target, specs.LSL})
            if (limit) {
                q = std::min(q, *limit);
                r = std::max(r, *limit);
            }
    if (options.NormalCurve || options.ProcessLimits) {
        ComputeMeanStd(sample, stats);
        h.Mean = static_cast<double>(stats.Mean);
        h.Variance = static_cast<double>(stats.Variance);
        h.S = static_cast<double>(stats.StdDev);
    }

    if (!ChooseIntervalSize(sorted, r - q, options, locale, h)) return h;
    if (!ChooseFirstMidpoint(q, options, locale, h)) return h;
    const double s = h.IntervalSize;
    const double c = h.FirstMidpoint;
    const double slotCount = std::nearbyint((r + s - (c - s / 2)) / s) + 1;
    IntervalError error;
    if (!IntervalCountAllowed(slotCount - 1, error)) {
        h.Error = error.Message;
        return h;
    }
    const int slots = static_cast<int>(slotCount);
    const std::vector<int> counts = CountIntervals(sorted, c, s, slots);

    double height = *std::max_element(counts.begin(), counts.end());
    double expected = 0;  // the expected count of an interval centred on the mean
    const bool curve = options.NormalCurve && h.S > 0;
    if (curve) {
        expected = h.n * (1 - static_cast<double>(NormalTail(2, s / (2 * h.S))));
        if (expected > height) height = std::nearbyint(expected);
    }

    h.StretchLow = {q, 1.2 * height * p};
    h.StretchHigh = {r, 1.2 * height * p};
    AddLines(specs, options, height * p, h);
    AddCounts(counts, slots, r, p, h);
    if (curve) AddNormalCurve(expected, p, h);
    h.CountLabel = "n=" + std::to_string(h.n);
    h.Drawn = true;
    return h;
}

HistogramGroups OpenHistogramGroups(Workspace& ws, TRunInfo& run) {
    HistogramGroups groups;
    const UnitList units = SetupVarList(ws, run);
    groups.Names = units.Names;
    for (const std::string& number : units.Numbers) groups.Numbers.push_back(std::stoi(number));
    if (groups.Names.size() > 1) {
        groups.HasAll = true;
        groups.Names.insert(groups.Names.begin(), "(All)");
        groups.Numbers.insert(groups.Numbers.begin(), 0);
    }
    if (groups.Names.empty()) return groups;
    LoadHistogramEntry(ws, run, groups, 0);
    ComputeLowHigh(ws.sample, ws.sampleStats);
    groups.GrandLow = static_cast<double>(ws.sampleStats.Low);
    groups.GrandHigh = static_cast<double>(ws.sampleStats.High);
    return groups;
}

void LoadHistogramEntry(Workspace& ws, TRunInfo& run, const HistogramGroups& groups, int index) {
    if (index < 0 || index >= static_cast<int>(groups.Names.size())) {
        ws.sample.Clear();
        return;
    }
    if (index == 0) {
        LoadAllToA_Array(ws, run);
        if (groups.HasAll) return;
        // The only group: all values are its values, and it keeps its own name.
        run.v = groups.Numbers[0];
        SetCurrentTitles(ws, run);
        return;
    }
    run.v = groups.Numbers[static_cast<std::size_t>(index)];
    const int layout = run.ColRefRun;
    if (layout >= 8 && layout <= 10)
        SubgroupStatsToA_Array(ws, 1, run);
    else
        DataToA_Array(ws, run.v, run);
    SetCurrentTitles(ws, run);
}

namespace {

std::string HistogramHeading(const TRunInfo& run, const HistogramGroups& groups, int index,
                             HistogramType type) {
    std::string text = type == HistogramType::Histograms ? "Histogram: " : "Frequency Polygon: ";
    if (index == 0 && groups.Names.size() > 1) return text + "(All)";
    switch (run.ColRefRun) {
        case 2:
        case 3:
        case 6:
        case 7:
        case 9:
        case 10:
        case 20:
            return text + run.GroupName + " (" + run.CurrentTitle + ")";
        default:
            return text + run.CurrentTitle;
    }
}

std::optional<double> Present(double limit) {
    if (limit == MissingValue) return std::nullopt;
    return limit;
}

}  // namespace

HistogramResult BuildHistogram(Workspace& ws, TRunInfo& run, const HistogramGroups& groups,
                               int index, const HistogramOptions& options) {
    HistogramSpecs specs;
    if (options.DisplaySpecifications) {
        const int c = ws.data.DescCol;
        specs.USL = Present(ws.data.ColumnUSL(c));
        specs.Target = Present(ws.data.ColumnTarget(c));
        specs.LSL = Present(ws.data.ColumnLSL(c));
    }
    if (groups.Names.empty()) ws.sample.Clear();
    HistogramResult h = ComputeHistogram(ws.sample, ws.sampleStats, specs, groups.GrandLow,
                                         groups.GrandHigh, options, ws.report.numberLocale);
    h.BottomAxisTitle = run.MeasureName;
    if (!ws.analysis.Settings.Title.empty()) h.Titles.push_back(ws.analysis.Settings.Title);
    h.Titles.push_back(HistogramHeading(run, groups, index, options.Type));
    if (options.AddFileModifications) {
        std::string text = GetFileModString(ws.rules, ws.transform).FileModString;
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::replace(text.begin(), text.end(), '\n', ' ');
        h.Footer = text;
    }
    return h;
}

}  // namespace vostrel
