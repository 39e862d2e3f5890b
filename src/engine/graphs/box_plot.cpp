#include "engine/graphs/box_plot.h"

#include <algorithm>
#include <cstdlib>

#include "engine/data/extraction.h"
#include "engine/core/missing_value.h"
#include "engine/data/rule_descriptions.h"
#include "engine/stats/sample_statistics.h"
#include "engine/stats/sample_values.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

std::optional<double> Present(double limit) {
    if (limit == MissingValue) return std::nullopt;
    return limit;
}

}  // namespace

const std::vector<std::string>& BoxPlotKindNames() {
    static const std::vector<std::string> names = {"B & W (outliers)", "Box & Whisker"};
    return names;
}

BoxGroup ComputeBoxGroup(SampleArray& sample, SampleStats& stats, BoxPlotKind kind) {
    ComputeOrderStats(sample, stats);
    const std::span<const double> x = SampleValues(sample);
    BoxGroup g;
    g.n = static_cast<int>(x.size());
    g.Low = static_cast<double>(stats.Low);
    g.Q1 = static_cast<double>(stats.Q1);
    g.Median = static_cast<double>(stats.Median);
    g.Q3 = static_cast<double>(stats.Q3);
    g.High = static_cast<double>(stats.High);
    g.LowWhisker = g.Low;
    g.HighWhisker = g.High;
    if (kind == BoxPlotKind::BoxWhisker || x.empty()) return g;

    const double step = 1.5 * (g.Q3 - g.Q1);
    const double lowerInner = g.Q1 - step, upperInner = g.Q3 + step;
    const double lowerOuter = g.Q1 - 2 * step, upperOuter = g.Q3 + 2 * step;
    std::size_t i = 0;
    for (; i < x.size() && x[i] < lowerInner; ++i)
        (x[i] < lowerOuter ? g.FarOutliers : g.MildOutliers).push_back(x[i]);
    std::vector<double> highFar, highMild;
    for (std::size_t j = x.size(); j > i && x[j - 1] > upperInner; --j)
        (x[j - 1] > upperOuter ? highFar : highMild).push_back(x[j - 1]);
    g.FarOutliers.insert(g.FarOutliers.end(), highFar.rbegin(), highFar.rend());
    g.MildOutliers.insert(g.MildOutliers.end(), highMild.rbegin(), highMild.rend());

    // With outliers the whisker ends at the fence itself.
    g.LowWhisker = std::max(g.Low, lowerInner);
    g.HighWhisker = std::min(g.High, upperInner);
    return g;
}

BoxPlot BuildBoxPlot(Workspace& ws, TRunInfo& run, const BoxPlotOptions& options) {
    BoxPlot plot;
    plot.Kind = options.Kind;
    plot.LeftAxisTitle = run.MeasureName;
    plot.BottomAxisTitle = run.GroupName;
    if (!ws.analysis.Settings.Title.empty()) plot.Titles.push_back(ws.analysis.Settings.Title);
    plot.Titles.emplace_back("Box & Whisker Plots");
    if (options.AddFileModifications) {
        const FileModStrings mods = GetFileModString(ws.rules, ws.transform);
        if (mods.Any()) plot.Footer = mods.FileModStringLine;
    }

    SetupIndex(run);
    while (GetAR(ws, run)) {
        BoxGroup g = ComputeBoxGroup(ws.sample, ws.sampleStats, options.Kind);
        g.Label = run.CurrentTitle;
        if (options.DisplaySpecifications) {
            const int c = ws.data.DescCol;
            g.USL = Present(ws.data.ColumnUSL(c));
            g.Target = Present(ws.data.ColumnTarget(c));
            g.LSL = Present(ws.data.ColumnLSL(c));
        }
        plot.Groups.push_back(std::move(g));
    }
    SetupIndex(run);
    run.NumberOfGroups = static_cast<int>(plot.Groups.size());
    return plot;
}

BoxLayout ComputeBoxLayout(int groups, int left, int right, int widthPercent) {
    BoxLayout layout;
    if (groups <= 0) return layout;
    const int width = std::abs(right - left);
    const int w = std::clamp(widthPercent, 1, 100);
    layout.XDiff = (width / groups) / 2;
    layout.CandleWidth = groups < 2 ? width * w * 9 / 1000 : w * width / 100 / groups;
    layout.CandleWidth = std::max(layout.CandleWidth, 1);
    layout.CenterSize = layout.CandleWidth / 20 + 3;
    layout.OutlierSize = std::max(2, layout.CenterSize / 2);
    layout.FenceHalfLength = std::max(1, (layout.CandleWidth / 2) / 2);
    return layout;
}

}  // namespace vostrel
