#pragma once
// Number formatting of the analysis report with the workspace's locale.

#include <string>

#include "engine/report/number_format.h"
#include "engine/workspace.h"

namespace vostrel::analysis_format {

// FormatReportNumber with d decimals.
inline std::string Fmt(const Workspace& ws, int d, long double x) {
    return FormatReportNumber(ws.report.numberLocale, d, x);
}
// With the run's Decimals.
inline std::string Fmt(const Workspace& ws, long double x) {
    return Fmt(ws, ws.analysis.Decimals, x);
}
// FormatRight (w, d, x).
inline std::string Right(const Workspace& ws, int w, int d, long double x) {
    return FormatRight(ws.report.numberLocale, w, d, x);
}

}  // namespace vostrel::analysis_format
