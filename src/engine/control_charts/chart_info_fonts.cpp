#include "engine/control_charts/chart_info_fonts.h"

#include <algorithm>

#include "engine/report/report_writer.h"

namespace vostrel {

namespace {

void MoveText(ReportDocument& report, int step) {
    report.ForEachStyle([step](ReportStyle& style) {
        style.halfPoints = std::max(style.halfPoints + 2 * step, 2);
    });
}

}  // namespace

bool StepInfoFontSize(ChartInfoSettings& info, ReportDocument& report, int step) {
    if (step == 0) return false;
    if (step > 0 && info.InfoHeadingSize >= kMaxHeadingSize) return false;
    if (step < 0 && info.InfoBodySize <= kMinBodySize) return false;
    info.InfoHeadingSize += step;
    info.InfoTitleSize += step;
    info.InfoBodySize += step;
    MoveText(report, step);
    return true;
}

bool WheelInfoFontSize(ChartInfoSettings& info, ReportDocument& report, int step) {
    if (step == 0) return false;
    if (step > 0 && info.InfoTitleSize >= kMaxHeadingSize) return false;
    if (step < 0 && info.InfoBodySize <= kMinBodySize) return false;
    info.InfoTitleSize += step;
    info.InfoBodySize += step;
    MoveText(report, step);
    return true;
}

}  // namespace vostrel
