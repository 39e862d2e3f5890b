#pragma once
// Every analysis reads its numbers through these operations: they copy the selected,
// valid values of one analysis unit of a run into the shared analysis array A_Array,
// apply the transform, and name the unit for reports and charts.
//
// The layout code of the run decides what a unit is: a measure column (1), a group level
// (2, 6, 9), a run of several groups (3, 7, 10, 20) or the whole table (5, 8); and what one
// unit holds: one measure (1, 2, 3, 20), all measures of its rows (5, 6, 7) or its rows'
// means (8, 9, 10).

#include <string>
#include <vector>

namespace vostrel {

class Workspace;
class TRunInfo;

// Fills A_Array with unit u of the run.
void DataToA_Array(Workspace& ws, int u, TRunInfo& run);
// Fills A_Array with all units of the run pooled; the unit is named "(All)".
void LoadAllToA_Array(Workspace& ws, TRunInfo& run);
// Fills A_Array with derived row statistic m (1 mean, 2 std dev, 3 count) of the rows of
// the current unit; layouts 5 to 10 only. No transform: the statistics already hold it.
void SubgroupStatsToA_Array(Workspace& ws, int m, TRunInfo& run);

// Rewinds the cursor so that the next GetAR yields the first unit.
void SetupIndex(TRunInfo& run);
// Advances to the next unit that has values, extracts it and names it; false after the last.
bool GetAR(Workspace& ws, TRunInfo& run);
// Steps back to the previous unit that has values; false before the first.
bool GetLastAR(Workspace& ws, TRunInfo& run);
// Extracts the current unit again with the random draws of its last extraction.
void ReloadAR(Workspace& ws, TRunInfo& run);
// Advances to the next unit whose derived statistic m has values, and names it.
bool GetARsubgroupStats(Workspace& ws, int m, TRunInfo& run);
// Counts the units that have values (NumberOfGroups) and their values (TotalCount).
void GetGroupCount(Workspace& ws, TRunInfo& run);
// The largest and smallest selected value of layout `code` into GrandHigh and GrandLow;
// A_Array is not touched.
void GetGrandHighLow(Workspace& ws, int code, TRunInfo& run);
// CurrentName and CurrentTitle of unit v.
void SetCurrentTitles(Workspace& ws, TRunInfo& run);

// The name and number of every unit that has values.
struct UnitList {
    std::vector<std::string> Names;
    std::vector<std::string> Numbers;
};
UnitList SetupVarList(Workspace& ws, TRunInfo& run);

}  // namespace vostrel
