#include "engine/control_charts/chart_arrays.h"

#include <algorithm>

namespace vostrel {

void ChartArrayType::EnsureCapacity(int points) {
    const std::size_t size = static_cast<std::size_t>(std::max(points, 0)) + 3;
    if (size <= cellsPerRow_) return;
    constexpr std::size_t PageCells = 4096 / sizeof(double);
    constexpr std::size_t LineCells = 64 / sizeof(double);
    const std::size_t stride = (size + PageCells - 1) / PageCells * PageCells + LineCells;
    std::vector<double> cells(stride * RowCount, MissingValue);
    for (std::size_t row = 0; row < RowCount; ++row) {
        std::copy_n(cells_.begin() + static_cast<std::ptrdiff_t>(row * stride_), cellsPerRow_,
                    cells.begin() + static_cast<std::ptrdiff_t>(row * stride));
    }
    cells_.swap(cells);
    cellsPerRow_ = size;
    stride_ = stride;
}

void ChartArrayType::StoreRowExtremes(int pointCount) {
    EnsureCapacity(pointCount);
    for (int row = LocStat; row <= DispUCL; ++row) {
        double low = MissingValue;
        double high = MissingValue;
        for (int p = 1; p <= pointCount; ++p) {
            const double x = (*this)(row, p);
            if (!IsPresent(x)) continue;
            if (!IsPresent(low) || x < low) low = x;
            if (!IsPresent(high) || x > high) high = x;
        }
        (*this)(row, pointCount + 1) = low;
        (*this)(row, pointCount + 2) = high;
    }
}

}  // namespace vostrel
