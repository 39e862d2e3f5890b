#pragma once
// The chart window's drawing choices that change only the picture, not the numbers: what
// is marked and shown, the point size, the line thickness and the axis decimals. The
// window's View menu and tool bar change them; vostrel-cli --image sets them from options.

namespace vostrel {

struct ChartDisplayOptions {
    static constexpr int MinPointSize = 1;
    static constexpr int MaxPointSize = 25;
    static constexpr int MinLineThickness = 1;
    static constexpr int MaxLineThickness = 10;
    static constexpr int FloatingDecimals = -1;

    bool DisplayViolations = true;  // signalled points in the signal colour
    bool DisplayCodes = false;      // the test codes above the points
    bool DisplayZones = false;
    bool ShowSigmaLines = false;  // the grand mean plus and minus three sigma
    bool ShowSpecs = false;
    bool RemoveLocPlot = false;  // the location statistic (and its limits) not drawn
    bool ConnectPoints = true;
    bool AddLimitInfo = false;  // the limits of the last point in the foot
    bool AddFileMods = false;   // the active rules in the foot
    int PointSize = 3;
    int LineThickness = 1;
    int AxisDecimals = FloatingDecimals;  // decimals of the value axes, or floating
};

}  // namespace vostrel
