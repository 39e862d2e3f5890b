#pragma once
// The Action of the compute-variables window: a new column computed from the samples of a
// dependent variable ("By Independent Variables"), or from several columns of each row
// ("Across Rows"). Each adds one column to the table, writes what it did to the window's
// log and re-derives the numeric store.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/derived/derived_columns.h"

namespace vostrel {

class Workspace;
class TRunInfo;
class ReportDocument;
class UserInterface;

struct SampleVariableRequest {
    int Statistic = 8;                  // the statistic code, 0..18
    int Dependent = 0;                  // the column whose samples are described
    std::vector<int> Independent;       // the columns that form the samples
    std::string NewName;                // empty: the dependent's name + the statistic's suffix
    std::optional<std::uint64_t> Seed;  // Bartlett-Kendall-Box draws: this seed, not the clock
    // Who answers the Bartlett-Kendall-Box questions; the workspace's user interface when
    // none is given.
    UserInterface* Questions = nullptr;
};

// Computes the statistic over the samples of run `run` (set up here) into a new column.
// The log, when given, gets name + " added to Data Editor", the statistic and the
// variables, and a blank line.
DeriveResult ComputeSampleVariable(Workspace& ws, TRunInfo& run,
                                   const SampleVariableRequest& request, ReportDocument* log);

struct AcrossRowsRequest {
    int Statistic = 0;         // the item of the across-rows statistics
    std::vector<int> Columns;  // the selected columns, at least two
    std::string NewName;       // empty: the item's text + 1
};

// The statistic of the valid, untransformed values of the selected columns of each row
// that passes Process If; rows without a valid value stay empty.
DeriveResult ComputeAcrossRows(Workspace& ws, const AcrossRowsRequest& request,
                               ReportDocument* log);

}  // namespace vostrel
