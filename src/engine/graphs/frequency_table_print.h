#pragma once
// The frequency table as a printed page: the heading in Arial bold, a blank line, the
// underlined header line and one line per interval, every column right-justified in its
// width (its longest text + 3) and " | " after the midpoint column.

#include <string>
#include <vector>

#include "engine/graphs/frequency_table.h"
#include "engine/report/report_document.h"

namespace vostrel {

inline constexpr char kFrequencyPlotHeading[] = "FREQUENCY PLOT";

// The header line and the row lines of the table, aligned as described.
std::vector<std::string> FrequencyTableLines(const FrequencyTable& table);

ReportDocument FrequencyTableDocument(const FrequencyTable& table);

}  // namespace vostrel
