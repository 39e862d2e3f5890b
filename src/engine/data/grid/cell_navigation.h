#pragma once
// Ctrl+arrow keys in the grid: over a run of filled cells to its last one, or across empty
// cells to the next filled one (or to the edge of the data), never into the header row or
// column.

#include "engine/data/grid/grid_commands.h"

namespace vostrel {

class TextGrid;

// The cell Ctrl+arrow moves to from `from`, one step being (dCol, dRow); the data cells
// are columns 1..maxCol and rows 1..maxRow.
CellPos JumpTarget(const TextGrid& grid, CellPos from, int dCol, int dRow, int maxCol, int maxRow);

}  // namespace vostrel
