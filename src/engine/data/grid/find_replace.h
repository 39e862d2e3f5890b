#pragma once
// Find and replace in the data table. Up to two criteria "X relation value" joined by OR;
// a value that is text (not a number) compares cell texts by character codes, otherwise
// the cells' numbers are compared (text columns by their level numbers). Empty and
// missing cells never match. The search runs down each column, then on to the next.

#include <string>
#include <string_view>

#include "engine/data/data_table.h"
#include "engine/data/grid/grid_commands.h"

namespace vostrel {

class Workspace;

// Relations: 0 none, 1 "=", 2 ">", 3 ">=", 4 "<", 5 "<=".
struct FindCriterion {
    int Relation = 0;
    std::string Value;
};

struct FindRequest {
    FindCriterion First{1, "0"};
    FindCriterion Second{0, "0"};
    // With a selection of more than one cell: search only there, from its top-left cell.
    // Otherwise from the current cell through the columns to its right, every row.
    bool SelectionOnly = false;
    GridRect Selection;
    CellPos Current;
};

struct FindOutcome {
    bool Found = false;
    CellPos Cell;      // the cell found, or the last one replaced
    int Replaced = 0;  // cells replaced
};

// The dialog's OK button: enabled while a criterion has a relation.
inline bool FindOkEnabled(int relation1, int relation2) { return relation1 != 0 || relation2 != 0; }

// The next match after the beginning cell.
FindOutcome FindNext(Workspace& ws, const FindRequest& request);
// Replaces the first match from the beginning cell on.
FindOutcome ReplaceNext(Workspace& ws, const FindRequest& request, std::string_view replacement);
// Replaces every match from the beginning cell to the end of the area; one undoable step.
FindOutcome ReplaceAll(Workspace& ws, const FindRequest& request, std::string_view replacement);

}  // namespace vostrel
