#pragma once
// The Workspace owns the state that the whole program shares: the one data table,
// the shared analysis array, the rules, the settings of the analysis and the charts.
// main() creates one and hands it by reference to every window; the command-line
// tool and every test build their own. There are no mutable globals.

#include "engine/analysis/performance_analysis.h"
#include "engine/control_charts/chart_state.h"
#include "engine/data/case_rules.h"
#include "engine/data/data_list.h"
#include "engine/data/data_table.h"
#include "engine/data/extraction_state.h"
#include "engine/data/grid/table_history.h"
#include "engine/data/text_rules.h"
#include "engine/data/transform.h"
#include "engine/graphics/graph_window_settings.h"
#include "engine/helpers/mru_files.h"
#include "engine/report/report_writer.h"
#include "engine/core/settings_store.h"
#include "engine/stats/correlation.h"
#include "engine/stats/random_generator.h"
#include "engine/stats/sample_array.h"
#include "engine/stats/sample_stats.h"
#include "engine/stats/stat_context.h"
#include "engine/core/user_interface.h"

namespace vostrel {

class Workspace {
  public:
    Workspace(UserInterface& userInterface, SettingsStore& settingsStore)
        : ui(userInterface), settings(settingsStore) {
        stat.ui = &ui;
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    UserInterface& ui;
    SettingsStore& settings;

    StatContext stat;         // StatErrorCode
    SampleArray sample;       // A_Array and SampleCount
    SampleStats sampleStats;  // statistics of the sample array
    TCorr corr;               // the correlation accumulator
    RandomGenerator random;   // uniform and normal random numbers, seeded from the clock

    DataTable table;                           // the grids' text, file name and state
    CaseRules rules;                           // missing-value rules and Process If conditions
    TDataList data{table, sample, rules, ui};  // the numeric store derived from the text
    TableHistory history{table, data, rules};  // undo and redo of the table's edits
    TransformRec transform;                    // the transform equation
    ExtractionState extraction;                // the seed saved by the last extraction, the index
    BlankCommasSetting blankCommas;            // the answer about blank commas in number lists
    TMRUFiles mru{settings, stat};             // the recently-used files

    ReportWriter report;  // current report target, report sizes, locale, date, text printer
    ChartState chart;     // the control chart definition, points, limits and test settings
    PerformanceAnalysis analysis;  // settings, run description, limits and results of the Action
    GraphWindowSettings graphWindows;  // black and white mode, the titles dialog's last texts
};

}  // namespace vostrel
