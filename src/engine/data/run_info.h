#pragma once
// What one analysis run takes from the data table: which columns are measures, which
// define groups, how several measures are read (the layout code), and the cursor over the
// run's analysis units.

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/missing_value.h"

namespace vostrel {

class TRunInfo {
  public:
    TRunInfo() = default;

    // Clears every number, flag, text and the three per-group arrays.
    void InitRunInfo();
    // Copies every field of ri.
    void CopyFrom(const TRunInfo& ri) { *this = ri; }

    int v = 0;  // current analysis unit: a column, a group level or a run number
    int FirstI = 0, LastI = 0;
    int Afirst = 0, Alast = 0;  // first and last analysis unit of the run
    int ColIndex = 0, ColFirst = 0, ColLast = 0;
    int measure = 0;  // the measure column of layouts with one measure column
    int index = 0;    // the group column of layouts with one group variable
    int MinRun = 0, MaxRun = 0;
    bool Col = false, Ref = false, Run = false;
    std::uint8_t ColRefRun = 0;  // the layout code: 1-3, 5-10 or 20
    std::string ColRefRunStr;
    std::string CurrentTitle;  // title of the current unit
    std::string CurrentName;   // short name of the current unit
    std::string MeasureName;   // name of the measure (chart axis text)
    std::string GroupName;     // name of the grouping (chart axis text)

    // Per group variable i = 1..RefArray[0]. Place values are 64-bit so that many groups
    // with many levels cannot overflow.
    std::array<std::int64_t, MaxColumns + 1> Cpower{};
    std::array<int, MaxColumns + 1> MaxLevel{};
    std::array<int, MaxColumns + 1> RefArray{};  // [0] number of group variables, then columns

    int NumberOfGroups = 0;  // non-empty units found by GetGroupCount
    int TotalCount = 0;      // values in those units
};

}  // namespace vostrel
