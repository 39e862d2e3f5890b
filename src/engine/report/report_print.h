#pragma once
// The layout of a printed report: margins, a header with the title and the date, a
// "Page (n)" footer from the second page on, one printed line per paragraph in the font
// at the paragraph's start (two points larger), a new page at each "-Page-" line.

#include <string>

#include "engine/report/print_canvas.h"
#include "engine/report/report_document.h"
#include "engine/report/report_writer.h"

namespace vostrel {

// Thousandths of an inch from the paper's edges.
struct PrintMarginsInches {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

PrintMarginsInches ReportPrintMargins(PageOrientation orientation);
// Courier New 9, regular: the printed header and footer.
PrintFont HeaderFooterFont();
PrintFont PrintFontOf(const ReportStyle& style);

// Prints the document on a canvas whose print job the caller has begun and will end.
void PrintReportDocument(TMPrinter& printer, PrintCanvas& canvas, const ReportDocument& document,
                         const std::string& title, PageOrientation orientation);

}  // namespace vostrel
