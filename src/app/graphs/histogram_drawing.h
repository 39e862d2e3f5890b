#pragma once
// Draws a histogram or frequency polygon into a plot: the bars or the polygon, the
// specification and process lines with their marks, the normal curve, the axis range
// with one interval beyond the data on each side, and the sample size above the plot.

#include "engine/graphs/histogram.h"

class QCustomPlot;

namespace vostrel::app {

void DrawHistogram(QCustomPlot& plot, const HistogramResult& h, bool blackWhite);

}  // namespace vostrel::app
