#pragma once
// How an analysis set is named in report headings and chart reports.

#include <string>

#include "engine/report/report_locale.h"

namespace vostrel {

class TDataList;

// The name of set value `value` of the set column: the level's text for a text column,
// "(Missing)" for the rows without a value, else the value in the general number format.
std::string SetValueName(const TDataList& data, int column, double value,
                         const NumberLocale& locale);

}  // namespace vostrel
