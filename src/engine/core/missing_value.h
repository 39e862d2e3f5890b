#pragma once
// The sentinels and limits shared by every part of the data table.

namespace vostrel {

// Marks a missing or absent value everywhere: cells, limits, derived columns.
// Tests for missing compare for exact equality with this value.
inline constexpr double MissingValue = -2147483647.0;

// Marks, during re-derivation only, a cell whose text is not a number.
inline constexpr double TextMarker = 2147483647.0;

// At most this many data columns (1..MaxColumns); column 0 holds the row labels.
inline constexpr int MaxColumns = 512;

// Derived row-statistic columns after the last data column: mean, std dev, count.
inline constexpr int DerivedColumnCount = 3;

}  // namespace vostrel
