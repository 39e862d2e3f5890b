#pragma once
// The numbers behind the box-and-whisker plots: for each group of the current measure its
// quartiles, whisker ends, mild and far outliers, sample size and specification values,
// and the pixel layout of the symbols. The plots window only draws them.

#include <optional>
#include <string>
#include <vector>

namespace vostrel {

class Workspace;
class TRunInfo;
struct SampleArray;
struct SampleStats;

enum class BoxPlotKind { Outliers = 0, BoxWhisker = 1 };

// The names of the kind list, in list order.
const std::vector<std::string>& BoxPlotKindNames();

struct BoxGroup {
    std::string Label;  // the group's title, the category label of its points
    int n = 0;
    double Low = 0, Q1 = 0, Median = 0, Q3 = 0, High = 0;
    // The ends of the whiskers: the extremes for the plain plot; with outlier classes the
    // extremes or the inner fences, whichever lies inside.
    double LowWhisker = 0, HighWhisker = 0;
    std::vector<double> MildOutliers;  // ascending
    std::vector<double> FarOutliers;   // ascending
    std::optional<double> USL, Target, LSL;
};

struct BoxPlotOptions {
    BoxPlotKind Kind = BoxPlotKind::Outliers;
    bool DisplaySpecifications = true;  // "Display &Specifications"
    bool AddFileModifications = false;  // "Add File &Modifications to Chart"
};

struct BoxPlot {
    BoxPlotKind Kind = BoxPlotKind::Outliers;
    std::vector<std::string> Titles;
    std::string Footer;
    std::string LeftAxisTitle;    // the measure
    std::string BottomAxisTitle;  // the grouping
    std::vector<BoxGroup> Groups;
};

// One group from the values in the sample array: sorts them and classifies them. With
// outlier classes a value beyond an inner fence (1.5 IQR from the box) is a mild outlier,
// beyond an outer fence (3 IQR) a far one; a value exactly on a fence belongs inside it.
BoxGroup ComputeBoxGroup(SampleArray& sample, SampleStats& stats, BoxPlotKind kind);

// Every non-empty group of the run in the current analysis set.
BoxPlot BuildBoxPlot(Workspace& ws, TRunInfo& run, const BoxPlotOptions& options);

// Pixel sizes of the symbols for `groups` groups over the plot area [left, right] with the
// plot width setting (1..100 percent of a group's slot).
struct BoxLayout {
    int XDiff = 0;  // half the width of one group's slot
    int CandleWidth = 1;
    int CenterSize = 3;       // the median marker
    int OutlierSize = 2;      // the outlier markers
    int FenceHalfLength = 1;  // half the whisker-end stroke
};
BoxLayout ComputeBoxLayout(int groups, int left, int right, int widthPercent);

}  // namespace vostrel
