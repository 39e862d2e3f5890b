#pragma once
// What the chart window draws for the current control chart, as plain values: the titles,
// the foot, the axis ranges, every series per plotted position (points and gaps), the codes,
// the set separators and the colours. The window and vostrel-cli --image draw it; nothing
// here knows how.
//
// Positions: point i is drawn at x = i - 1 plus the number of breaks before it; a break
// adds an empty position. A value that is not drawn is NaN, so a missing value can never
// reach the drawing as a number.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/control_charts/chart_display_options.h"

namespace vostrel {

class Workspace;

struct RgbColour {
    int R = 0;
    int G = 0;
    int B = 0;
    bool operator==(const RgbColour&) const = default;
};

struct ChartColours {
    RgbColour Limit;       // limits and specification limits
    RgbColour Centerline;  // centerlines and the target
    RgbColour Normal;      // statistic points
    RgbColour Signalled;   // points with codes
    RgbColour Text;        // title and foot
};
ChartColours ChartColoursFor(bool blackWhite);

// The zone band colours: within one standard error, between one and two, beyond two.
inline constexpr RgbColour ZoneInner{128, 255, 128};
inline constexpr RgbColour ZoneMiddle{255, 255, 0};
inline constexpr RgbColour ZoneOuter{255, 128, 128};
inline constexpr RgbColour ZoneMiddleBlackWhite{192, 192, 192};

enum class ChartKind { Location, Dispersion };

// One of the two charts as drawn on one vertical axis.
struct ChartPanel {
    bool Shown = false;
    ChartKind Kind = ChartKind::Location;
    std::string AxisTitle;
    double AxisMin = 0.0;
    double AxisMax = 1.0;

    // Per position; NaN where nothing is drawn.
    std::vector<double> Statistic;
    std::vector<std::uint8_t> Signalled;  // drawn in the signal colour
    // The statistic line runs from the previous position to this one: both points drawn,
    // the same set, no break between them (and "Connect Points" on).
    std::vector<std::uint8_t> JoinedToPrevious;
    std::vector<double> LCL, CL, UCL;
    std::vector<double> StdError;               // for the zones; NaN where there is no zone
    std::vector<double> PlusSigma, MinusSigma;  // location only, when the lines are shown
    bool ZonesShown = false;
    bool ZonesCutAtZero = false;  // dispersion zones stop at the zero line
    bool LimitsShown = false;

    // The texts the user typed at positions (only those with a text).
    std::vector<std::pair<int, std::string>> PointTexts;

    // Series titles, as the mouse-over label shows them.
    std::string StatisticTitle() const;
    std::string LCLTitle() const;
    std::string CLTitle() const;
    std::string UCLTitle() const;
};

struct SpecLine {
    std::string Title;  // "Upper Spec Limit", "Target", "Lower Spec Limit"
    double Value = 0.0;
    bool IsTarget = false;
};

// A set separator between two positions (X halfway) with the label of the set that
// starts there; the first set's label stands at the left edge (no line).
struct SetSeparator {
    double X = 0.0;
    bool Line = true;
    std::string Label;
};

struct ChartPicture {
    int PositionCount = 0;
    // The point at each position (1-based), 0 at a gap.
    std::vector<int> PointAt;
    std::vector<std::string> Labels;  // bottom axis, one blank at a gap
    bool LabelsRotated = false;       // labels from a column stand at 315 degrees
    std::vector<std::string> Codes;   // the code text above each position; empty: none
    bool CodesShown = false;

    std::vector<std::string> TitleLines;
    std::string BottomTitle;
    std::vector<std::string> FootLines;
    std::vector<SetSeparator> Separators;
    std::vector<SpecLine> Specs;
    // Individual values of the subgroups (x, y), while all points are shown.
    std::vector<std::pair<double, double>> AllPoints;

    // Upper carries the left axis; Lower is the dispersion chart below it and is shown only
    // while both charts are. With only the dispersion chart, Upper holds it.
    ChartPanel Upper;
    ChartPanel Lower;
    bool BothShown = false;
    int SliderPosition = 60;  // percent of the height for the upper chart

    ChartColours Colours;
    bool BlackWhite = false;
    ChartDisplayOptions Display;

    bool Empty() const { return !Upper.Shown; }
};

// The picture of the current chart (ws.chart with its view and display options), in the
// shared black-and-white mode.
ChartPicture BuildChartPicture(const Workspace& ws);

}  // namespace vostrel
