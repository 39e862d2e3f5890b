#pragma once
// The numbers behind the histogram and frequency polygon of one group (or of all groups):
// the interval grid, the counts, the specification and process lines, the fitted normal
// curve and the axis range. The histogram window only draws them.

#include <optional>
#include <string>
#include <vector>

#include "engine/graphs/graph_point.h"
#include "engine/report/report_locale.h"

namespace vostrel {

class Workspace;
class TRunInfo;
struct SampleArray;
struct SampleStats;

enum class HistogramType { Histograms = 0, FrequencyPolygons = 1 };

struct HistogramOptions {
    HistogramType Type = HistogramType::Histograms;
    bool FixX = false;                  // "&Constant &X Axis": the range of all groups
    bool NormalCurve = false;           // "&Normal Curve"
    bool Relative = false;              // "&Relative Frequencies"
    bool ProcessLimits = false;         // "Display Process &Limits"
    bool DisplaySpecifications = true;  // "&Display Specifications"
    bool AddFileModifications = false;  // "Add File &Modifications to Chart"
    bool UseIntervalSize = false;       // "&Interval Size" and its box
    std::string IntervalSizeText = "0";
    bool UseFirstMidpoint = false;  // "First Midpoint" and its box
    std::string FirstMidpointText = "0";
};

// The specification limits that apply to the values; absent ones are not set.
struct HistogramSpecs {
    std::optional<double> USL, Target, LSL;
};

// A vertical line: a specification limit ("LSL", "USL", "Target") or a process line
// ("Mean", "LPL", "UPL").
struct HistogramLine {
    std::string Label;
    double X = 0;
    double Height = 0;
    bool Process = false;
};

struct HistogramResult {
    bool Drawn = false;  // false: no values, or Error
    std::string Error;   // why nothing is drawn: a typed value that cannot be used
    HistogramType Type = HistogramType::Histograms;
    int n = 0;
    double IntervalSize = 0;
    double FirstMidpoint = 0;
    std::string SizeLabel;            // "Size Used: (...)"
    std::string FirstLabel;           // "First Used: (...)"
    std::vector<GraphPoint> Bars;     // one per interval midpoint, zero bars included
    std::vector<GraphPoint> Polygon;  // starts and ends on the axis
    std::vector<HistogramLine> Lines;
    std::vector<GraphPoint> Curve;       // the normal curve
    GraphPoint StretchLow, StretchHigh;  // invisible points that give the axes their extent
    double AxisMin = 0, AxisMax = 0, AxisIncrement = 1;
    double Mean = 0, Variance = 0, S = 0;
    std::string CountLabel;  // "n=" + n, shown on the top axis
    std::string LeftAxisTitle;
    std::string BottomAxisTitle;
    std::vector<std::string> Titles;
    std::string Footer;
};

// The counting and the geometry for the values in the sample array (sorted in place).
// grandLow and grandHigh are the range of "&Constant &X Axis".
HistogramResult ComputeHistogram(SampleArray& sample, SampleStats& stats,
                                 const HistogramSpecs& specs, double grandLow, double grandHigh,
                                 const HistogramOptions& options, const NumberLocale& locale);

// The group list of the histogram window: "(All)" first when there is more than one group.
struct HistogramGroups {
    std::vector<std::string> Names;
    std::vector<int> Numbers;  // the unit of each entry; 0 for "(All)"
    bool HasAll = false;
    double GrandLow = 0, GrandHigh = 0;  // the range of the values loaded at opening
};

// What the window does when it opens: lists the groups, loads the first entry's values
// and takes their range.
HistogramGroups OpenHistogramGroups(Workspace& ws, TRunInfo& run);

// Loads the values of entry `index` into the sample array and names the group. Groups of
// the row-mean layouts show the rows' mean statistics.
void LoadHistogramEntry(Workspace& ws, TRunInfo& run, const HistogramGroups& groups, int index);

// The histogram of the loaded entry `index`, with the titles and footer of the window.
HistogramResult BuildHistogram(Workspace& ws, TRunInfo& run, const HistogramGroups& groups,
                               int index, const HistogramOptions& options);

}  // namespace vostrel
