#include "engine/derived/derived_statistics.h"

#include <array>
#include <cctype>

namespace vostrel {

namespace {

constexpr std::array<SampleStatisticText, SampleStatisticCount> kSampleStatistics = {{
    {"Abs. Dev From Median w/o Midpoint", "_ADM", "Dispersion Testing"},
    {"Abs. Dev From Median", "_ADM", "Dispersion Testing"},
    {"Abs. Dev From Mean (Levene)", "_ADA", "Dispersion Testing"},
    {"Bartlett-Kendall - Ln(Variance)", "_BK", "Dispersion Testing"},
    {"Bartlett-Kendall-Box", "_BKB", "Dispersion Testing"},
    {"Deviations from Median", "_DMD", "Standardizing"},
    {"Deviations from Mean", "_DMN", "Standardizing"},
    {"Combinable Distributions", "_COM", "Standardizing"},
    {"Mean", "_AVG", "Sample Statistics"},
    {"Median", "_MED", "Sample Statistics"},
    {"Std. Dev.", "_STD", "Sample Statistics"},
    {"Variance", "_VAR", "Sample Statistics"},
    {"Low", "_Low", "Sample Statistics"},
    {"High", "_High", "Sample Statistics"},
    {"Range", "_R", "Sample Statistics"},
    {"Sum", "_Sum", "Sample Statistics"},
    {"Ranks", "_Rank", "Ranking"},
    {"Count", "_n", "Sample Statistics"},
    {"Mode", "_Mode", "Sample Statistics"},
}};

constexpr std::array<const char*, AcrossRowsStatisticCount> kAcrossRowsStatistics = {
    "Mean",  "Median", "Standard Deviation", "Variance", "Low", "High", "Range", "Sum",
    "Count", "Mode"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

const SampleStatisticText& SampleStatisticInfo(int code) {
    if (code < 0 || code >= SampleStatisticCount) code = 0;
    return kSampleStatistics[static_cast<std::size_t>(code)];
}

int SampleStatisticCode(std::string_view caption) {
    for (int code = 0; code < SampleStatisticCount; ++code)
        if (SameIgnoringCase(caption, kSampleStatistics[static_cast<std::size_t>(code)].Caption))
            return code;
    return -1;
}

std::string ProposedSampleName(const std::string& dependentName, int code) {
    return dependentName + SampleStatisticInfo(code).Suffix;
}

std::string AcrossRowsStatisticText(int item) {
    if (item < 0 || item >= AcrossRowsStatisticCount) item = 0;
    return kAcrossRowsStatistics[static_cast<std::size_t>(item)];
}

int AcrossRowsStatisticItem(std::string_view text) {
    for (int item = 0; item < AcrossRowsStatisticCount; ++item)
        if (SameIgnoringCase(text, kAcrossRowsStatistics[static_cast<std::size_t>(item)]))
            return item;
    return -1;
}

std::string ProposedAcrossRowsName(int item, int counter) {
    const std::string stem = item == AcrossStdDev ? "Std_Dev" : AcrossRowsStatisticText(item);
    return stem + std::to_string(counter + 1);
}

std::string NewVariableName(std::string_view text) {
    std::string name(text);
    for (char& c : name)
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') c = '_';
    return name;
}

}  // namespace vostrel
