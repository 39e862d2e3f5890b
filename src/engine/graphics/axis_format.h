#pragma once
// The numbers on a graph's value axis: "#,##0." followed by d zeros (d decimals, thousands
// grouped), or floating, "#,##0.#########" (at most nine decimals, no trailing zeros).

#include <string>

#include "engine/report/report_locale.h"

namespace vostrel {

inline constexpr int FloatingAxisDecimals = -1;

std::string FormatAxisValue(const NumberLocale& locale, int decimals, double x);

// The format's name as the menu shows it: "Floating" or the digit.
std::string AxisDecimalsCaption(int decimals);

}  // namespace vostrel
