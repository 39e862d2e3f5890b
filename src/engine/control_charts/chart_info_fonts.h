#pragma once
// The font size commands of the chart information window's report.

#include "engine/control_charts/chart_state.h"

namespace vostrel {

// Increase (+1) or Decrease (-1) Font: the heading, section title and body sizes move by one
// point and so does every run of the report; false (nothing changes) when the heading is
// already 72 or the body 6.
bool StepInfoFontSize(ChartInfoSettings& info, ReportDocument& report, int step);

// Ctrl + mouse wheel: down (-1) lowers the section title and body sizes (not when the body
// is 6), up (+1) raises them (not when the section title is 72); the text moves with them.
bool WheelInfoFontSize(ChartInfoSettings& info, ReportDocument& report, int step);

}  // namespace vostrel
