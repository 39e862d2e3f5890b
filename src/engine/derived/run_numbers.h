#pragma once
// Two commands that number values: Generate Run Numbers gives each row the number of its
// combination of the chosen variables' values; Auto Recode replaces each value of a
// variable by its order number among the variable's distinct values.

#include <vector>

#include "engine/derived/derived_columns.h"

namespace vostrel {

class Workspace;

// Appends the column "Run": each row gets the number of its run (1..MaxRun, in increasing
// run-code order) over the columns; rows with a missing grouping value stay empty.
// Refused (with an error box) for a table of fewer than two rows or without room.
DeriveResult GenerateRunNumbers(Workspace& ws, const std::vector<int>& columns);

// For each column, in column order, appends name + "_R" holding the code k of the k-th
// smallest distinct valid value (the missing-value rules apply, Process If does not);
// other rows stay empty. Refused (with an error box) when the columns do not fit.
DeriveResult AutoRecode(Workspace& ws, const std::vector<int>& columns);

}  // namespace vostrel
