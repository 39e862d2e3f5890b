#include "engine/data/grid/cell_navigation.h"

#include "engine/data/text_grid.h"

namespace vostrel {

CellPos JumpTarget(const TextGrid& grid, CellPos from, int dCol, int dRow, int maxCol, int maxRow) {
    auto inside = [&](CellPos p) {
        return p.Col >= 1 && p.Col <= maxCol && p.Row >= 1 && p.Row <= maxRow;
    };
    auto filled = [&](CellPos p) { return !grid.Cell(p.Col, p.Row).empty(); };
    auto step = [&](CellPos p) { return CellPos{p.Col + dCol, p.Row + dRow}; };
    CellPos next = step(from);
    if (!inside(next)) return from;
    if (filled(next)) {
        while (inside(step(next)) && filled(step(next))) next = step(next);
        return next;
    }
    while (inside(step(next)) && !filled(next)) next = step(next);
    return next;
}

}  // namespace vostrel
