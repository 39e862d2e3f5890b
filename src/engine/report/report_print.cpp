#include "engine/report/report_print.h"

#include "engine/report/text_printer.h"

namespace vostrel {
namespace {

constexpr double kPrintedSizeIncrease = 2;

}  // namespace

PrintMarginsInches ReportPrintMargins(PageOrientation orientation) {
    if (orientation == PageOrientation::Landscape) return {1000, 1000, 1000, 500};
    return {1000, 500, 600, 500};
}

PrintFont HeaderFooterFont() { return PrintFont{kCourierNew, 9, false, false}; }

PrintFont PrintFontOf(const ReportStyle& style) {
    return PrintFont{style.name, style.Points(), style.bold, style.underline};
}

void PrintReportDocument(TMPrinter& printer, PrintCanvas& canvas, const ReportDocument& document,
                         const std::string& title, PageOrientation orientation) {
    printer.InitMPrinter();
    AttachedCanvas attached(printer, canvas);

    const PrintMarginsInches margins = ReportPrintMargins(orientation);
    printer.SetMargins(margins.left, margins.right, margins.top, margins.bottom);
    canvas.SetFont(PrintFontOf(document.BaseStyle()));

    const bool landscape = orientation == PageOrientation::Landscape;
    printer.SetHeaderFooter(title, "", "&D", landscape ? 650 : 250, true, kHeader,
                            HeaderFooterFont());
    printer.SetHeaderFooter("", "", "Page (&P)", 250, false, kFooter, HeaderFooterFont());

    for (const ReportParagraph* paragraph : document.Paragraphs()) {
        const std::string text = paragraph->Text();
        if (text == kPageMarker) {
            printer.PrintString("\f");
            continue;
        }
        // Only the font at the start of a paragraph counts for the printed line.
        PrintFont font = PrintFontOf(paragraph->StartStyle());
        font.points += kPrintedSizeIncrease;
        canvas.SetFont(font);
        printer.PrintString(text + '\r');
    }
}

}  // namespace vostrel
