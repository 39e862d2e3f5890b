#pragma once
// The state of the main analysis that the windows share: the settings, the run
// description, the specification limits, the results, the configuration file name and the
// output window's "Clear Before Display". One instance lives in the Workspace.

#include <string>

#include "engine/analysis/analysis_settings.h"
#include "engine/analysis/performance_results.h"
#include "engine/data/run_info.h"

namespace vostrel {

class PerformanceChartSink;

// Specification limits found in an old configuration file ("Specifications Found").
struct LegacySpecifications {
    bool Seen = false;
    std::string USL, Target, LSL;  // the value texts, empty where the file had none
};

struct PerformanceAnalysis {
    AnalysisSettings Settings;
    SpecLimits Specs;
    PerformanceResults Results;
    TRunInfo RunInfo;       // the main window's run description
    TRunInfo GraphRunInfo;  // the copy the box plots, histogram and frequency plots work on

    // What PrepareRun takes from the settings for one run.
    int Decimals = 4;
    int MeasureCount = 0;
    int StreamVarCount = 0;
    MeasureMode Mode = MeasureMode::SingleMeasure;
    bool HasStreams = false;

    bool OutputClear = true;  // the text output window's "Clear Before Display"
    std::string ConfigFileName;
    LegacySpecifications SpecsFound;

    PerformanceChartSink* Charts = nullptr;  // the performance chart window, when there is one
    bool HaveResults = false;                // an Action has completed
    bool Running = false;                    // an Action is under way
};

}  // namespace vostrel
