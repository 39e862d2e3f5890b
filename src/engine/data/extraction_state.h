#pragma once
// What the extraction operations keep between calls: the random generator's state at the
// start of the last extraction (so that ReloadAR repeats its draws) and an index of the
// rows of every analysis unit of the current run.

#include <cstdint>
#include <vector>

#include "engine/stats/random_generator.h"

namespace vostrel {

// The rows of each unit of a grouped layout, in row order: the rows of unit u are
// Rows[Start[k]] .. Rows[Start[k + 1] - 1] where Units[k] = u. Built once per run and table
// state, so that walking all units costs the rows once instead of once per unit.
struct UnitRowIndex {
    bool Valid = false;
    int Layout = 0;                  // the layout code it was built for
    int Column = 0;                  // the group column (layouts 2, 6, 9)
    std::uint64_t Derivation = 0;    // TDataList::DerivationCount() when built
    std::vector<int> Units;          // the units that have rows, ascending
    std::vector<std::size_t> Start;  // Units.size() + 1 offsets into Rows
    std::vector<int> Rows;
};

struct ExtractionState {
    RandomState SavedSeed;
    bool HaveSavedSeed = false;
    UnitRowIndex Index;
    bool UseIndex = true;  // off: every unit scans every row (for comparison)
};

}  // namespace vostrel
