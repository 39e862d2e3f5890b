#pragma once
// What every command that derives variables does to the table: checks that there is room
// for new columns, appends a column with its texts to both grids, marks the table modified,
// re-derives the numeric store, and writes to the compute-variables window's log.

#include <string>
#include <vector>

#include "engine/derived/sample_scores.h"

namespace vostrel {

class Workspace;
class ReportDocument;

enum class DeriveResult {
    Added,      // the table changed
    Cancelled,  // the user cancelled a question; nothing changed
    Refused     // an error box said why; nothing changed
};

// True when `count` more columns fit; else shows "Maximum Number of Columns Exceeded.".
bool RoomForColumns(Workspace& ws, int count);

// The cell texts of a derived column (index 0 unused): the general number format, empty
// for MissingValue and for values that are not finite.
std::vector<std::string> ColumnTexts(const DerivedColumn& column);
std::string DerivedCellText(long double value);

// A column to append: its name and the texts of rows 1.. (index 0 unused).
struct NewColumnText {
    std::string Name;
    std::vector<std::string> Texts;
};

// Appends the columns to both grids as one undoable step named `label`, then re-derives
// the numeric store. The table is marked modified and the data as edited.
void AppendDerivedColumns(Workspace& ws, const std::string& label,
                          const std::vector<NewColumnText>& columns);

// The log of the compute-variables window: name + " added to Data Editor", then "\t* " +
// each item, then a blank line. The writer's current target is kept.
void WriteDerivedLog(Workspace& ws, ReportDocument& log, const std::string& name,
                     const std::vector<std::string>& items);

}  // namespace vostrel
