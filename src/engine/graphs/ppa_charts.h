#pragma once
// What the performance chart window shows on its four pages, built from the variance
// components and indices the Action hands over for each analysis set: the nested indices
// as stacked bars, the opportunity analysis, the variance components as a pie and as
// 100 % stacked bars. The window only draws these values.

#include <optional>
#include <string>
#include <vector>

#include "engine/analysis/performance_chart_sink.h"
#include "engine/analysis/performance_results.h"

namespace vostrel {

class Workspace;

enum class PPAPage { IndexBars = 0, Opportunity = 1, VariancePie = 2, VarianceBars = 3 };
inline constexpr int kPPAPageCount = 4;

// The tab caption of a page.
const char* PPAPageCaption(PPAPage page);

// One bar of a stacked chart: its category label and one value per series; a series that
// got no point for this bar has no value (it is drawn as an empty segment, so every bar's
// segments stay together).
struct PPABar {
    std::string Label;
    std::vector<std::optional<double>> Values;
};

struct PPASeries {
    std::string Title;
    bool InLegend = true;
};

struct PPAStackedChart {
    std::vector<std::string> Titles;
    std::vector<PPASeries> Series;
    std::vector<PPABar> Bars;

    void ClearBars() { Bars.clear(); }
    // The bar's values as shares of its total in percent (100 % bars); all 0 when the
    // total is not positive. Missing and negative values count as 0.
    static std::vector<double> PercentShares(const PPABar& bar);
    // The top of the highest stacked bar; 0 for none.
    double HighestStack() const;
};

struct PPAPieSlice {
    std::string Label;
    double Value = 0;
};

struct PPAPie {
    std::vector<std::string> Titles;
    std::vector<PPAPieSlice> Slices;
    // The sum of the positive slices; a pie whose total is not positive draws nothing.
    double Total() const;
};

// What the window and the Action know at the moment of each call.
struct PPAContext {
    std::string AnalysisTitle;
    std::string MeasureName;
    SpecLimits Specs;
    bool HasStreams = false;
    bool FirstSet = true;            // no sets, or the first set of the run
    bool ClearBeforeDisplay = true;  // "&Clear Before Display"
};

// Stacked increments: the first value, then each later value's rise over the ones below
// it, never negative.
std::vector<double> StackedIncrements(const std::vector<double>& levels);

class PPACharts {
  public:
    PPACharts();

    void DisplayPPAVariance(const PPAContext& context, double Measurement, double Process,
                            double Target, double Stream, double Time, double XBar, double Std);
    void DisplayPPA(const PPAContext& context, double Ppk, double Ppm, double Pp, double PPstream,
                    double Cp);

    const PPAStackedChart& Stacked(PPAPage page) const;

    PPAStackedChart IndexBars;     // Series1..Series4
    PPAStackedChart Opportunity;   // BarSeries5..BarSeries8, Series6
    PPAPie VariancePie;            // Series5
    PPAStackedChart VarianceBars;  // BarSeries1..BarSeries4, Series7

    int Counter = 0;     // bars added since the last clearing
    std::string Suffix;  // "" for the first bar after clearing, else "(" + Counter + ")"
    bool PpmAdded = false, PpkAdded = false;
    double h1 = 0, h2 = 0, h3 = 0, h4 = 0;  // the segments of the bar added last
    bool HaveIndices = false;               // DisplayPPA has run at least once

  private:
    void AddOpportunityBars(const PPAContext& context, double Measurement, double Process,
                            double Target, double Stream, double Time, double XBar, double Std);
};

// The context of a call from the Action: the main analysis's title, measure name, limits,
// streams and current set.
PPAContext PPAContextFrom(const Workspace& ws, bool clearBeforeDisplay);

// Builds the charts from what the Action hands over; the command-line tool and the
// tests use it as the Action's chart sink.
class PPAChartFeed : public PerformanceChartSink {
  public:
    explicit PPAChartFeed(const Workspace& ws) : ws_(ws) {}
    void DisplayPPAVariance(double Measurement, double Process, double Target, double Stream,
                            double Time, double XBar, double Std) override;
    void DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) override;

    PPACharts Charts;
    bool ClearBeforeDisplay = true;

  private:
    const Workspace& ws_;
};

}  // namespace vostrel
