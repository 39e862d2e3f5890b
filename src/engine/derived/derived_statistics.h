#pragma once
// The statistics the compute-variables window offers: per sample (a group of rows sharing
// the values of the independent variables) and across the columns of each row. Their
// captions, the suffixes that name a new column, and the names proposed for it.

#include <string>
#include <string_view>

namespace vostrel {

// Statistic codes of the "By Independent Variables" page.
enum SampleStatistic {
    AbsDevFromMedianWithoutMidpoint = 0,
    AbsDevFromMedian = 1,
    AbsDevFromMean = 2,
    BartlettKendall = 3,
    BartlettKendallBox = 4,
    DeviationsFromMedian = 5,
    DeviationsFromMean = 6,
    CombinableDistributions = 7,
    SampleMean = 8,
    SampleMedian = 9,
    SampleStdDev = 10,
    SampleVariance = 11,
    SampleLow = 12,
    SampleHigh = 13,
    SampleRange = 14,
    SampleSum = 15,
    SampleRanks = 16,
    SampleCountOfValues = 17,
    SampleMode = 18
};
inline constexpr int SampleStatisticCount = 19;

struct SampleStatisticText {
    const char* Caption;  // the radio button's caption
    const char* Suffix;   // appended to the dependent variable's name
    const char* Heading;  // the group the radio button stands in
};

// The texts of code 0..18; code 0's for a code out of range.
const SampleStatisticText& SampleStatisticInfo(int code);
// The code whose caption is `caption` (ignoring case); -1 when there is none.
int SampleStatisticCode(std::string_view caption);
// The dependent variable's name followed by the statistic's suffix.
std::string ProposedSampleName(const std::string& dependentName, int code);

// Items of the "Statistics" radio group of the "Across Rows" page.
enum AcrossRowsStatistic {
    AcrossMean = 0,
    AcrossMedian = 1,
    AcrossStdDev = 2,
    AcrossVariance = 3,
    AcrossLow = 4,
    AcrossHigh = 5,
    AcrossRange = 6,
    AcrossSum = 7,
    AcrossCount = 8,
    AcrossMode = 9
};
inline constexpr int AcrossRowsStatisticCount = 10;

// "Mean", "Median", "Standard Deviation", ...; item 0's text for an item out of range.
std::string AcrossRowsStatisticText(int item);
// The item whose text is `text` (ignoring case); -1 when there is none.
int AcrossRowsStatisticItem(std::string_view text);
// The item's text (or "Std_Dev" for the standard deviation) followed by counter + 1.
std::string ProposedAcrossRowsName(int item, int counter);

// A new column's name as the name box keeps it: white space becomes "_", so that the name
// stays one field of a data file.
std::string NewVariableName(std::string_view text);

}  // namespace vostrel
