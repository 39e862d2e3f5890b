#pragma once
// The per-point arrays of the current control chart: 19 rows, each 1-based by point number.
// After a chart is computed, rows 1..8 also hold the smallest present value at
// PointCount + 1 and the largest at PointCount + 2, for scaling the axes.

#include <cstddef>
#include <span>
#include <vector>

#include "engine/core/missing_value.h"

namespace vostrel {

class ChartArrayType {
  public:
    enum Row : int {
        PointN = 0,
        LocStat,
        DispStat,
        LocLCL,
        LocCL,
        LocUCL,
        DispLCL,
        DispCL,
        DispUCL,
        SigmaFromRange,
        SubgroupStdDev,
        LabelRow,
        SetNumber,
        LocStdError,
        DispStdError,
        SigmaEst,
        SubgroupMean,
        GrandMean,
        BreakAfter,
    };
    static constexpr int RowCount = 19;

    // Room for points 1..points plus the two extremes; grows only, new cells missing.
    void EnsureCapacity(int points);
    // Highest point index the rows can hold (the extremes included).
    int Capacity() const { return static_cast<int>(cellsPerRow_) - 1; }

    double& operator()(int row, int point) { return cells_[Index(row, point)]; }
    double operator()(int row, int point) const { return cells_[Index(row, point)]; }
    // Cells 0..Capacity() of a row.
    std::span<const double> RowValues(int row) const {
        return std::span<const double>(cells_).subspan(Index(row, 0), cellsPerRow_);
    }

    // Stores the extremes of rows LocStat..DispUCL over points 1..pointCount (missing when
    // a row has no present value).
    void StoreRowExtremes(int pointCount);

  private:
    std::size_t Index(int row, int point) const {
        return static_cast<std::size_t>(row) * stride_ + static_cast<std::size_t>(point);
    }

    // The rows lie in one block. A chart touches many rows per point; rows starting at the
    // same offset within a page would compete for the same cache sets, so each row starts
    // one cache line further along than the one before.
    std::vector<double> cells_;
    std::size_t cellsPerRow_ = 0;
    std::size_t stride_ = 0;
};

inline bool IsPresent(double value) { return value != MissingValue; }

}  // namespace vostrel
