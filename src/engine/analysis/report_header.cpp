// The header of one analysis set's report: title, set, date, the analysis title, the data
// file, the variables, the user-set values, the case rules and the limits.
#include <string>

#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/report_format.h"
#include "engine/data/set_names.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

void TitleLine(ReportWriter& w, const std::string& text, int heading, int body) {
    w.SetTitleFont(heading);
    w.AddReportLine(text);
    w.SetBodyFont(body);
    w.AddBlankLine();
}

void BlankLines(ReportWriter& w, int count) {
    for (int i = 0; i < count; ++i) w.AddBlankLine();
}

const char* MeasuresLine(MeasureMode mode) {
    switch (mode) {
        case MeasureMode::SampleItems:
            return "\tMeasures: (sample items)";
        case MeasureMode::RepeatedMeasures:
            return "\tMeasures: (repeated measures)";
        case MeasureMode::MultipleStreams:
            return "\tMeasures: (multiple streams)";
        default:
            return "\tMeasures:";
    }
}

void WriteVariables(Workspace& ws, int heading, int body) {
    ReportWriter& w = ws.report;
    const PerformanceAnalysis& a = ws.analysis;
    const TDataList& data = ws.data;
    TitleLine(w, "Variables", heading, body);
    w.AddReportLine(MeasuresLine(a.Mode));
    for (int c : a.Settings.Measures.Columns()) w.AddReportLine("\t\t" + data.ColumnName(c));
    if (!a.Settings.Streams.Empty()) {
        w.AddBlankLine();
        w.AddReportLine("\t  Groups:");
        for (int c : a.Settings.Streams.Columns()) {
            const auto g = static_cast<std::size_t>(c);
            w.AddReportLine("\t\t" + PadRight(data.ColumnName(c), 12) +
                            analysis_format::Fmt(ws, 0, data.ColumnLow[g]) + " to " +
                            analysis_format::Fmt(ws, 0, data.ColumnHigh[g]));
        }
    }
    BlankLines(w, 2);
}

void WriteUserSetValues(Workspace& ws, int heading, int body) {
    const AnalysisSettings& s = ws.analysis.Settings;
    if (!s.Measurement.InUse && !s.Stream.InUse && !s.Potential.InUse) return;
    ReportWriter& w = ws.report;
    TitleLine(w, "User-Set Standard Deviations", heading, body);
    if (s.Measurement.InUse) w.AddReportLine("\tMeasurement = " + s.Measurement.Text);
    if (s.Stream.InUse) w.AddReportLine("\t     Stream = " + s.Stream.Text);
    if (s.Potential.InUse) w.AddReportLine("\t  Potential = " + s.Potential.Text);
    BlankLines(w, 2);
}

void WriteModifications(Workspace& ws, int heading, int body) {
    const CaseRules& rules = ws.rules;
    const bool missing = rules.Missing.Active;
    const bool processIf = rules.ProcessIf.Active;
    const bool transform = ws.transform.On();
    if (!missing && !processIf && !transform) return;
    ReportWriter& w = ws.report;
    TitleLine(w, "Modifications", heading, body);
    if (missing)
        for (const std::string& text : {rules.Missing.MissingText1(), rules.Missing.MissingText2()})
            if (!text.empty()) w.AddReportLine("\tMissing When: " + text);
    if (processIf)
        for (const std::string& text :
             {rules.ProcessIf.ProcessIfText1(), rules.ProcessIf.ProcessIfText2()})
            if (!text.empty()) w.AddReportLine("\tProcess If: " + text);
    if (transform) w.AddReportLine("\tTransform Equation: " + TransformText(ws.transform));
    BlankLines(w, 2);
}

void WriteSpecifications(Workspace& ws, int heading, int body) {
    const SpecLimits& s = ws.analysis.Specs;
    if (!s.HasUSL && !s.HasTarget && !s.HasLSL) return;
    ReportWriter& w = ws.report;
    TitleLine(w, "Specifications", heading, body);
    if (s.HasUSL) w.AddReportLine("\t   USL = " + analysis_format::Fmt(ws, s.USL));
    if (s.HasTarget) w.AddReportLine("\tTarget = " + analysis_format::Fmt(ws, s.Target));
    if (s.HasLSL) w.AddReportLine("\t   LSL = " + analysis_format::Fmt(ws, s.LSL));
    BlankLines(w, 2);
}

}  // namespace

void WriteReportHeader(Workspace& ws) {
    ReportWriter& w = ws.report;
    const TDataList& data = ws.data;
    const int heading = w.ReportHeadingSize;
    const int body = w.ReportBodySize;

    if (ws.analysis.OutputClear && data.FirstGlobalSet())
        w.Target().Clear();
    else if (w.Target().LineCount() > 1)
        w.AddPageMarker();

    w.SetTitleFont(heading + 4);
    w.AddReportLine("PROCESS PERFORMANCE ANALYSIS");
    w.AddBlankLine();
    if (data.SetColumn > 0) {
        w.SetHeadingFont(heading + 2);
        const double value = data.SetValues[static_cast<std::size_t>(data.SetIndex)];
        w.AddReportLine(data.ColumnTitleOrName(data.SetColumn) + "=" +
                        SetValueName(data, data.SetColumn, value, w.numberLocale));
    }
    w.SetBodyFont(body);
    BlankLines(w, 2);
    w.AddReportLine(w.date.Today());
    BlankLines(w, 2);

    const std::string& title = ws.analysis.Settings.Title;
    if (!title.empty()) {
        TitleLine(w, "Title", heading, body);
        w.AddReportLine("\t" + title);
        BlankLines(w, 2);
    }
    if (!ws.table.DataFilename.empty()) {
        TitleLine(w, "Data File", heading, body);
        w.AddReportLine("\t" + ws.table.DataFilename);
        BlankLines(w, 2);
    }
    WriteVariables(ws, heading, body);
    WriteUserSetValues(ws, heading, body);
    WriteModifications(ws, heading, body);
    WriteSpecifications(ws, heading, body);
}

}  // namespace vostrel
