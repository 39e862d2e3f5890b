// How long the output window takes to show a report: a long report shown for the first
// time (converted into the text widget in one edit block and laid out), one more report
// appended to a long one, and, for comparison, the same long report inserted line by line
// without an edit block. Then the whole Action on 1,000,000 rows with its report shown.
//
//   cmake --build build --target output_window_bench && build/bench/output_window_bench

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/report/output_window.h"
#include "app/report/report_view.h"
#include "app/common/display_text.h"
#include "engine/analysis/analysis_driver.h"
#include "engine/workspace.h"
#include "million_row_setup.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "output_window_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// One analysis report's worth of lines per stream block: a title, a table header and
// body lines with tabs, as a stream table of many streams writes them.
void WriteReport(vostrel::ReportWriter& writer, int lines) {
    writer.SetTitleFont(writer.ReportHeadingSize + 4);
    writer.AddReportLine("PROCESS PERFORMANCE ANALYSIS");
    writer.AddPageMarker();
    writer.SetTitleFont(writer.ReportHeadingSize);
    writer.AddReportLine("Process Stream Analysis");
    writer.SetBodyFont(writer.ReportBodySize);
    for (int i = 0; i < lines; ++i) {
        if (i % 50 == 49) {
            writer.AddWarningLine("\tWarning: Estimated Potential Std Dev > Within");
            continue;
        }
        writer.AddReportLine("Head " + std::to_string(i) +
                             "\t 25\t 501.2345\t 498.1000\t 504.3000\t 6.2000\t 1.4142\t 1.3011");
    }
}

struct Session {
    vostrel::SilentUserInterface ui;
    vostrel::MemorySettingsStore settings;
    vostrel::Workspace ws{ui, settings};
    std::unique_ptr<vostrel::app::TOutputForm> form;

    Session() {
        App();
        form = std::make_unique<vostrel::app::TOutputForm>(ws);
        form->resize(900, 700);
    }
};

void BM_ShowLongReport(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Session session;
        WriteReport(session.ws.report, lines);
        state.ResumeTiming();
        session.form->ShowOutput(nullptr);
        QApplication::processEvents();  // the first paint lays out what shows
        state.PauseTiming();
        session.form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ShowLongReport)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AppendOneReportToALongOne(benchmark::State& state) {
    Session session;
    WriteReport(session.ws.report, static_cast<int>(state.range(0)));
    session.form->ShowOutput(nullptr);
    QApplication::processEvents();
    for (auto _ : state) {
        WriteReport(session.ws.report, 100);
        session.form->ShowOutput(nullptr);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppendOneReportToALongOne)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the window avoids: one insertion per line, each laid out on its own.
void BM_LineByLineForComparison(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Session session;
        WriteReport(session.ws.report, lines);
        auto* edit = session.form->findChild<QTextEdit*>("RichEdit");
        session.form->show();
        const vostrel::ReportDocument& report = session.ws.report.output;
        state.ResumeTiming();
        for (std::size_t i = 0; i < report.EndedCount(); ++i) {
            QTextCursor cursor(edit->document());
            cursor.movePosition(QTextCursor::End);
            for (const vostrel::ReportRun& run : report.Ended(i).runs)
                cursor.insertText(vostrel::app::ToDisplayText(run.text),
                                  vostrel::app::CharFormatOf(run.style));
            cursor.insertBlock();
            edit->ensureCursorVisible();
        }
        QApplication::processEvents();
        state.PauseTiming();
        session.form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_LineByLineForComparison)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The Action as the main window runs it: the analysis writes its report, then the output
// window shows it (the previous report is cleared, so the report is shown anew each time).
void ActionWithReportShown(benchmark::State& state, int measures, bool streams) {
    App();
    vostrel_bench::MillionRowSetup setup(measures, streams);
    vostrel::app::TOutputForm form(setup.ws);
    form.resize(900, 700);
    for (auto _ : state) {
        if (vostrel::RunPerformanceAnalysis(setup.ws) != vostrel::ActionResult::Completed)
            state.SkipWithError("the Action did not complete");
        form.ShowOutput(nullptr);
        QApplication::processEvents();
    }
    state.counters["report lines"] = static_cast<double>(setup.ws.report.output.LineCount());
}

void BM_ActionSingleMeasure(benchmark::State& state) { ActionWithReportShown(state, 1, false); }
void BM_ActionStreamVariable1000Codes(benchmark::State& state) {
    ActionWithReportShown(state, 1, true);
}
BENCHMARK(BM_ActionSingleMeasure)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ActionStreamVariable1000Codes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
BENCHMARK_MAIN();
