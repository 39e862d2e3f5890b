#pragma once
// A report of three sections written with the writer's operations the way an analysis
// writes one: a title, body lines with tabs, a warning, and page markers between the
// sections. Shared by the export, print and PDF tests.

#include "engine/report/report_writer.h"

namespace vostrel::testing {

inline void WriteSampleReport(ReportWriter& writer) {
    writer.SetTitleFont(writer.ReportHeadingSize + 4);
    writer.AddReportLine("Process Performance Analysis");
    writer.SetHeadingFont(writer.ReportHeadingSize + 2);
    writer.AddReportLine("Bore diameters");
    writer.SetBodyFont(writer.ReportBodySize);
    writer.AddBlankLine();
    writer.AddReportLine("\tData File: bores.zqx");

    writer.AddPageMarker();
    writer.SetTitleFont(writer.ReportHeadingSize);
    writer.AddReportLine("Variable Analysis");
    writer.SetBodyFont(writer.ReportBodySize);
    writer.AddReportLine("\t     Mean = \t12.345");
    writer.AddWarningLine("Standard deviation is zero");
    writer.AddReportLine("\tStd. Dev. = \t0.000");

    writer.AddBlankLine();
    writer.AddPageMarker();
    writer.SetTitleFont(writer.ReportHeadingSize);
    writer.AddReportLine("Performance Indices");
    writer.SetBodyFont(writer.ReportBodySize);
    writer.AddReportLine("\t       Pp = \t1.333");
    writer.AddReportLine("\t      Ppk = \t1.250");
}

}  // namespace vostrel::testing
