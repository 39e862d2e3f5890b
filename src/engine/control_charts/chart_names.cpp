#include "engine/control_charts/chart_names.h"

namespace vostrel {

const std::array<std::string_view, ChartTypeCount> ChartTypeNames = {
    "None",
    "X",
    "Mean",
    "Median",
    "Moving Range",
    "Range",
    "Std Dev (s)",
    "Variance (s²)",
    "Individual Points",
};

const std::array<std::string_view, LimitCalcCount> LimitCalcNames = {
    "None",
    "Centerline Only",
    "User Defined",
    "Known Std Dev",
    "Average MR",
    "Median MR",
    "Std Dev",
    "Average Range",
    "Median Range",
    "Average Std Dev",
    "Median Std Dev",
    "Average Variance",
    "Average MR of Means",
    "Average MR of Medians",
    "Median MR of Means",
    "Median MR of Medians",
    "Std Dev of Means",
    "Std Dev of Medians",
    "Average MR of @",
    "Median MR of @",
    "Std Dev of @",
};

const std::array<std::string_view, CenterlineCount> CenterlineNames = {
    "", "Average @", "Median of @", "Known Mean", "Average @", "Median @", "Known Std Dev",
};

namespace {

std::string DropFinalAt(std::string_view name) {
    if (!name.empty() && name.back() == '@') name.remove_suffix(1);
    return std::string(name);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Deletes up to count characters starting at pos; a character may take several bytes.
void DeleteCharacters(std::string& text, std::size_t pos, int count) {
    std::size_t end = pos;
    for (int i = 0; i < count && end < text.size(); ++i) {
        ++end;
        while (end < text.size() && IsContinuationByte(text[end])) ++end;
    }
    text.erase(pos, end - pos);
}

}  // namespace

std::string SubstituteCenterline(std::string_view name, std::string_view typeName) {
    if (name.empty() || name.back() != '@') return std::string(name);
    std::string result = DropFinalAt(name);
    result += typeName;
    if (result.find("of") != std::string::npos) result += 's';
    return result;
}

std::string SubstituteDispersionCalc(std::string_view name, std::string_view typeName) {
    if (name.empty() || name.back() != '@') return std::string(name);
    std::string result = DropFinalAt(name);
    result += typeName;
    std::size_t bracket = result.find('(');
    if (bracket != std::string::npos) DeleteCharacters(result, bracket, 5);
    return result;
}

std::string CenterlineName(int centerline, int chartType) {
    if (centerline < 1 || centerline >= CenterlineCount) return {};
    if (chartType < 0 || chartType >= ChartTypeCount) chartType = ChartNone;
    return SubstituteCenterline(CenterlineNames[static_cast<std::size_t>(centerline)],
                                ChartTypeNames[static_cast<std::size_t>(chartType)]);
}

std::string LimitCalcName(int calc, int dispChartType) {
    if (calc < 0 || calc >= LimitCalcCount) return {};
    if (dispChartType < 0 || dispChartType >= ChartTypeCount) dispChartType = ChartNone;
    return SubstituteDispersionCalc(LimitCalcNames[static_cast<std::size_t>(calc)],
                                    ChartTypeNames[static_cast<std::size_t>(dispChartType)]);
}

int ChartTypeIndex(std::string_view name) {
    for (std::size_t i = 0; i < ChartTypeNames.size(); ++i) {
        if (ChartTypeNames[i] == name) return static_cast<int>(i);
    }
    return -1;
}

int LimitCalcIndex(std::string_view name) {
    for (std::size_t i = 0; i < LimitCalcNames.size(); ++i) {
        if (LimitCalcNames[i] == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vostrel
