#include "engine/graphics/axis_format.h"

#include <cmath>

#include "engine/report/number_format.h"

namespace vostrel {

std::string FormatAxisValue(const NumberLocale& locale, int decimals, double x) {
    if (!std::isfinite(x)) return {};
    // A tick that should be zero but carries rounding noise prints as 0.
    if (std::fabs(x) < 1e-12) x = 0.0;
    if (decimals >= 0) return FormatReportNumber(locale, decimals, x);
    std::string text = FormatReportNumber(locale, 9, x);
    const std::size_t point = text.rfind(locale.decimalSeparator);
    if (point == std::string::npos) return text;
    std::size_t end = text.size();
    while (end > point + locale.decimalSeparator.size() && text[end - 1] == '0') --end;
    if (end == point + locale.decimalSeparator.size()) end = point;
    text.erase(end);
    if (text == "-0") text = "0";
    return text;
}

std::string AxisDecimalsCaption(int decimals) {
    return decimals < 0 ? "Floating" : std::to_string(decimals);
}

}  // namespace vostrel
