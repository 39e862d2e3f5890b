#include "engine/graphs/graph_text.h"

#include <cmath>
#include <cstdlib>

#include "engine/data/data_list.h"
#include "engine/report/decimal_digits.h"
#include "engine/report/number_format.h"

namespace vostrel {

std::string FormatGeneralDigits(const NumberLocale& locale, int digits, long double x) {
    if (!std::isfinite(x)) return FormatGeneral(locale, x);
    DecimalDigits value = ExactDecimal(x);
    RoundSignificant(value, digits);
    if (value.IsZero()) return "0";
    // The rounded digits read back exactly at the 18 digits FormatGeneral keeps.
    const std::string scientific = std::string(value.negative ? "-" : "") + "0." + value.digits +
                                   "e" + std::to_string(value.exponent);
    return FormatGeneral(locale, std::strtold(scientific.c_str(), nullptr));
}

std::string ShortNumberText(const NumberLocale& locale, long double x) {
    std::string text = FormatReportNumber(locale, 9, x);
    const std::size_t point = text.rfind(locale.decimalSeparator);
    if (point == std::string::npos || !std::isfinite(x)) return text;
    while (text.size() > point + 1 && text.back() == '0') text.pop_back();
    if (text.size() == point + locale.decimalSeparator.size()) text.resize(point);
    return text;
}

std::vector<std::string> SetSelectorEntries(const TDataList& data, const NumberLocale& locale) {
    std::vector<std::string> entries;
    if (data.SetColumn <= 0) return entries;
    entries.emplace_back("Set=All");
    for (int i = 1; i <= data.SetCount; ++i)
        entries.push_back(
            "Set=" + FormatGeneralDigits(locale, 12, data.SetValues[static_cast<std::size_t>(i)]));
    return entries;
}

void SelectAnalysisSet(TDataList& data, int index) {
    data.SetIndex = index >= 0 && index <= data.SetCount ? index : 0;
}

int FindSetEntry(const std::vector<std::string>& entries, const std::string& value) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == "Set=" + value) return static_cast<int>(i);
    return -1;
}

}  // namespace vostrel
