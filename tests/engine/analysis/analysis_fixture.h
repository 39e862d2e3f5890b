#pragma once
// A workspace with a small table, its limits and the analysis settings, for the analysis
// tests.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/analysis/analysis_driver.h"
#include "engine/analysis/performance_chart_sink.h"
#include "engine/report/report_export.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

namespace vostrel::testing {

class AnalysisTest : public ::testing::Test {
  protected:
    AnalysisTest() {
        ws.analysis.Charts = &charts;
        ws.report.date.fixedText = "DATE";
    }

    // Fills the table and lists its columns under "Data Variables".
    void Table(const std::vector<std::string>& names,
               const std::vector<std::vector<std::string>>& rows) {
        FillTable(ws, names, rows);
        ws.analysis.Settings.RebuildVariableLists(ws.data, ws.table.HaveData());
    }
    // A column of single values, named X.
    void Column(const std::vector<std::string>& values) {
        std::vector<std::vector<std::string>> rows;
        for (const std::string& v : values) rows.push_back({v});
        Table({"X"}, rows);
    }
    void Limits(int column, const std::string& usl, const std::string& target,
                const std::string& lsl) {
        ws.table.DescGrid.SetCell(column, DescUSLRow, usl);
        ws.table.DescGrid.SetCell(column, DescTargetRow, target);
        ws.table.DescGrid.SetCell(column, DescLSLRow, lsl);
    }
    std::vector<int> Indexes(const std::vector<int>& columns) {
        std::vector<int> items;
        for (int c : columns) items.push_back(ws.analysis.Settings.DataVariables.IndexOfColumn(c));
        return items;
    }
    void Measures(const std::vector<int>& columns) {
        ws.analysis.Settings.IncludeMeasures(Indexes(columns));
    }
    void Streams(const std::vector<int>& columns) {
        ws.analysis.Settings.IncludeStreams(Indexes(columns));
    }

    ActionResult Run() { return RunPerformanceAnalysis(ws); }
    std::string Report() const { return ReportToPlainText(ws.report.output, LineEnd::Lf); }
    // The report's lines, page markers included.
    std::vector<std::string> Paragraphs() const {
        std::vector<std::string> lines;
        for (const ReportParagraph* p : ws.report.output.Paragraphs()) lines.push_back(p->Text());
        return lines;
    }
    int Count(const std::string& line) const {
        int n = 0;
        for (const std::string& l : Paragraphs())
            if (l == line) ++n;
        return n;
    }

    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    RecordingChartSink charts;
};

}  // namespace vostrel::testing
