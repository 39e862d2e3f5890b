#pragma once
// Draws the box-and-whisker plots into a plot: one candle per group from its quartiles and
// whisker ends, the median, the outliers, the whisker-end strokes, the specification
// strokes across each group's slot and, when asked, the sample sizes on the top axis.

#include "engine/graphs/box_plot.h"

class QCustomPlot;

namespace vostrel::app {

struct BoxPlotView {
    bool BlackWhite = false;
    bool ShowSampleSize = false;  // "&Display Sample Size"
    bool GridLines = false;       // "Display &Grid Lines"
    int LineThickness = 2;        // 1..10
    int PlotWidth = 50;           // percent of a group's slot, 1..100
    int AxisDecimals = -1;        // the value axis's decimals; -1 floating
};

void DrawBoxPlot(QCustomPlot& plot, const BoxPlot& box, const BoxPlotView& view);

}  // namespace vostrel::app
