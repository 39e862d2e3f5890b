#include "engine/control_charts/chart_arrays.h"

#include <algorithm>

namespace vostrel {

void ChartArrayType::EnsureCapacity(int points) {
    const std::size_t size = static_cast<std::size_t>(std::max(points, 0)) + 3;
    for (std::vector<double>& row : rows_) {
        if (row.size() < size) row.resize(size, MissingValue);
    }
}

void ChartArrayType::StoreRowExtremes(int pointCount) {
    EnsureCapacity(pointCount);
    for (int row = LocStat; row <= DispUCL; ++row) {
        double low = MissingValue;
        double high = MissingValue;
        for (int p = 1; p <= pointCount; ++p) {
            const double x = Cell(row, p);
            if (!IsPresent(x)) continue;
            if (!IsPresent(low) || x < low) low = x;
            if (!IsPresent(high) || x > high) high = x;
        }
        Cell(row, pointCount + 1) = low;
        Cell(row, pointCount + 2) = high;
    }
}

}  // namespace vostrel
