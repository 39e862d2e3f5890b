#pragma once
// Texts that every graph window shows: numbers in the general form with 12 significant
// digits (point values, set values), the short form of the interval labels, and the
// entries of the analysis set selector.

#include <string>
#include <vector>

#include "engine/report/report_locale.h"

namespace vostrel {

class TDataList;

// The shortest form of x rounded to `digits` significant digits (fixed point, or
// scientific for very large or small values); no thousands separators.
std::string FormatGeneralDigits(const NumberLocale& locale, int digits, long double x);

// x with nine decimals and thousands separators, then without trailing zeros and without
// a trailing decimal separator: 1234.5 gives "1,234.5", 2 gives "2".
std::string ShortNumberText(const NumberLocale& locale, long double x);

// "Set=All" and "Set=" + value for each analysis set; empty when the analysis uses no sets.
std::vector<std::string> SetSelectorEntries(const TDataList& data, const NumberLocale& locale);

// Makes entry `index` of the set selector the current analysis set (0 = all sets).
void SelectAnalysisSet(TDataList& data, int index);

// The entry of the set selector whose text after "Set=" is `value` ("All" for every set);
// -1 when there is none.
int FindSetEntry(const std::vector<std::string>& entries, const std::string& value);

}  // namespace vostrel
