#pragma once
// Draws one page of the performance charts into a plot: the stacked index bars, the
// opportunity bars, the variance pie or the 100 % variance bars, in colour or in black and
// white. The window and vostrel-cli --image both draw through it.

#include "engine/graphs/ppa_charts.h"

class QCustomPlot;

namespace vostrel::app {

void DrawPPAPage(QCustomPlot& plot, const PPACharts& charts, PPAPage page, bool blackWhite);

}  // namespace vostrel::app
