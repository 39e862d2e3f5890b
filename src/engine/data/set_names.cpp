#include "engine/data/set_names.h"

#include <cmath>

#include "engine/data/data_list.h"
#include "engine/report/number_format.h"

namespace vostrel {

std::string SetValueName(const TDataList& data, int column, double value,
                         const NumberLocale& locale) {
    if (value == MissingValue) return "(Missing)";
    const bool textColumn =
        column >= 1 && column <= data.MaxCol() && data.StringVar[static_cast<std::size_t>(column)];
    // The values of a text column are its level numbers 1, 2, ...
    if (textColumn && value >= 1 && value < TextMarker && value == std::nearbyint(value))
        return data.GetLevelName(column, static_cast<int>(value));
    return FormatGeneral(locale, value);
}

}  // namespace vostrel
