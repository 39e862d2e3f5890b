#pragma once
// Weight Cases: every row is repeated as often as its weight says, rounded to the nearest
// whole number (halves to even). A row of weight 1 stays once; a weight w of 2 or more adds
// w - 1 copies of the row at the end of the table. A row whose weight is missing, or
// rounds to 0 or less, stands for no case and is removed, so that the table ends with
// exactly the number of rows announced: the sum of the rounded positive weights.

#include <cstdint>
#include <string>

#include "engine/derived/derived_columns.h"

namespace vostrel {

class Workspace;

struct WeightPlan {
    std::int64_t NewRowCount = 0;  // rows after the command
    int RemovedRows = 0;           // rows whose weight is missing or rounds to 0 or less
};

// What weighting by the column would do to the table as it is now.
WeightPlan PlanWeightCases(Workspace& ws, int column);

// The question asked before the table changes: "New Row Count = " + count + ", Continue?",
// followed by a line about the rows removed when there are any.
std::string WeightCasesQuestion(const WeightPlan& plan);

// Asks the question and, on Yes, weights the table. Cancelled when the user said No (the
// table is unchanged); Refused, after an error box, for a text column, for weights that
// leave no row, or for more rows than a table can hold.
DeriveResult WeightCases(Workspace& ws, int column);

}  // namespace vostrel
