#pragma once
// The per-point arrays of the current control chart: 19 rows, each 1-based by point number.
// After a chart is computed, rows 1..8 also hold the smallest present value at
// PointCount + 1 and the largest at PointCount + 2, for scaling the axes.

#include <array>
#include <vector>

#include "engine/data/missing_value.h"

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
    int Capacity() const { return static_cast<int>(rows_[0].size()) - 1; }

    double& operator()(int row, int point) { return Cell(row, point); }
    double operator()(int row, int point) const {
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(point)];
    }
    const std::vector<double>& RowValues(int row) const {
        return rows_[static_cast<std::size_t>(row)];
    }

    // Stores the extremes of rows LocStat..DispUCL over points 1..pointCount (missing when
    // a row has no present value).
    void StoreRowExtremes(int pointCount);

  private:
    double& Cell(int row, int point) {
        return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(point)];
    }

    std::array<std::vector<double>, RowCount> rows_{};
};

inline bool IsPresent(double value) { return value != MissingValue; }

}  // namespace vostrel
