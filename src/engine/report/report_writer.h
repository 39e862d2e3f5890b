#pragma once
// The report writer: appends headings, body lines, warnings and page markers to the
// current report document in the current style, and keeps what every report shares
// (sizes, locale, date, the text printer). One lives in the Workspace.

#include <string>

#include "engine/report/report_document.h"
#include "engine/report/report_locale.h"
#include "engine/report/text_printer.h"

namespace vostrel {

enum class PageOrientation { Portrait, Landscape };

inline constexpr char kPageMarker[] = "-Page-";
inline constexpr int kMaxHeadingSize = 72;
inline constexpr int kMinBodySize = 6;

class ReportWriter {
  public:
    ReportWriter() = default;
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // The report of the main analysis, shown in the text output window.
    ReportDocument output;

    // Makes the document the current target and takes its base font as the current style.
    // The document must outlive its use as target. Does not clear it.
    void SetReportEdit(ReportDocument& document);
    ReportDocument& Target() { return *target_; }
    const ReportDocument& Target() const { return *target_; }

    void AddReportLine(const std::string& text);
    void AddReportText(const std::string& text);
    void AddBlankLine() { AddReportLine(std::string()); }
    // "-Page-" in Arial 8, regular, red; the current style stays.
    void AddPageMarker();
    // The line in red and regular; the current style stays for the next line.
    void AddWarningLine(const std::string& text);

    void SetHeadingFont(int size);  // Arial bold
    void SetTitleFont(int size);    // Arial bold underlined
    void SetBodyFont(int size);     // Courier New regular
    void SetFontArial() { ReportFont.name = kArial; }
    void SetFontCourier() { ReportFont.name = kCourierNew; }
    void SetFontBold() { SetStyle(true, false); }
    void SetFontUnderline() { SetStyle(false, true); }
    void SetFontBoldUnderline() { SetStyle(true, true); }
    void SetFontRegular() { SetStyle(false, false); }
    void SetFontSize(int size) { ReportFont.SetPoints(size); }

    // Every font size of the current document: N half points become
    // Round(N × factor) + 2 × step, halves to even.
    void ScaleReportFonts(int step, double factor) { ScaleReportFonts(*target_, step, factor); }
    static void ScaleReportFonts(ReportDocument& document, int step, double factor);
    // Increase (+1) or Decrease (-1) Font: moves both report sizes and the current
    // document by one point; false when the heading is already 72 or the body 6.
    bool StepReportFontSize(int step) { return StepReportFontSize(*target_, step); }
    // The same for a window's own document, whichever is the current target.
    bool StepReportFontSize(ReportDocument& document, int step);

    // The current style that each append applies.
    ReportStyle ReportFont;
    // Base point size of headings and point size of body text of the main analysis.
    int ReportHeadingSize = 10;
    int ReportBodySize = 9;

    NumberLocale numberLocale;
    ReportDate date;
    TMPrinter printer{date};
    // The orientation last chosen in the print dialog.
    PageOrientation PrintOrientation = PageOrientation::Portrait;

    // Number separators and short date of the user's locale, for the program and the
    // command-line tool; a fixed date text stays fixed.
    void UseUserLocale();

  private:
    void SetStyle(bool bold, bool underline) {
        ReportFont.bold = bold;
        ReportFont.underline = underline;
    }

    ReportDocument* target_ = &output;
};

}  // namespace vostrel
