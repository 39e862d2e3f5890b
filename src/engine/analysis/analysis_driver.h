#pragma once
// The Action of the main window: checks the specification limits of the first measure,
// prepares the run description and, for every analysis set, writes one process
// performance report into the text output document.

namespace vostrel {

class Workspace;

enum class ActionResult {
    Completed,
    InvalidLimits,  // "USL <= LSL" or "Target not in Spec. Range" was shown
    NoData,         // no table or no measure: nothing happened
    Busy,           // an Action is already running
};

// The whole Action.
ActionResult RunPerformanceAnalysis(Workspace& ws);

// The limits of the first measure into SpecLimits, and the decimals box into Decimals.
void ReadSpecLimits(Workspace& ws);
// Beeps and shows the error box when the limits are inconsistent; false then.
bool CheckSpecLimits(Workspace& ws);

// Copies the settings, fills the run description, computes the per-row statistics and
// builds the analysis sets.
void PrepareRun(Workspace& ws);
// Mean, standard deviation and count of the measures of every selected row into the three
// derived columns, and the pooled within-row variance into RepeatedVariance.
void ComputeRowStatistics(Workspace& ws);
// What the box plots and the histogram (checkLimits) or the frequency plots need before
// they open: the limits checked as the Action does, the run prepared and copied to
// GraphRunInfo. False (after any error box) when they cannot open.
bool PrepareGraphRun(Workspace& ws, bool checkLimits);
// All analysed values into A_Array, described; Mean and TotalStdDev.
void LoadAllValues(Workspace& ws);

// The header of one analysis set's report.
void WriteReportHeader(Workspace& ws);

}  // namespace vostrel
