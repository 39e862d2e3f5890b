#pragma once
// A report as a file: plain text (one line per paragraph, page markers left out) or rich
// text (fonts, sizes, bold, underline and colours kept, page markers as page breaks).

#include <string>

#include "engine/helpers/atomic_file.h"
#include "engine/report/report_document.h"

namespace vostrel {

enum class LineEnd { CrLf, Lf };

// One line per paragraph, each followed by the line end; every line that contains
// "-Page-" is left out.
std::string ReportToPlainText(const ReportDocument& document, LineEnd lineEnd = LineEnd::CrLf);

// Rich text, one paragraph per line; a paragraph that contains "-Page-" becomes "\page".
std::string ReportToRtf(const ReportDocument& document);

// Rich text when the file name ends in ".rtf" (in any case), plain text otherwise. The old
// file stays whole when the save fails.
WriteResult SaveReport(const ReportDocument& document, const std::string& path);

}  // namespace vostrel
