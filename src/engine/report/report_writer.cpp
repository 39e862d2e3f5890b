#include "engine/report/report_writer.h"

#include <algorithm>
#include <cmath>

namespace vostrel {

void ReportWriter::SetReportEdit(ReportDocument& document) {
    target_ = &document;
    ReportFont = document.BaseStyle();
}

void ReportWriter::AddReportText(const std::string& text) { target_->Append(text, ReportFont); }

void ReportWriter::AddReportLine(const std::string& text) {
    target_->Append(text, ReportFont);
    target_->EndParagraph(ReportFont);
}

void ReportWriter::AddPageMarker() {
    ReportStyle marker;
    marker.name = kArial;
    marker.SetPoints(8);
    marker.colour = kReportRed;
    target_->Append(kPageMarker, marker);
    target_->EndParagraph(marker);
}

void ReportWriter::AddWarningLine(const std::string& text) {
    ReportStyle warning = ReportFont;
    warning.bold = false;
    warning.underline = false;
    warning.colour = kReportRed;
    target_->Append(text, warning);
    target_->EndParagraph(warning);
}

void ReportWriter::SetHeadingFont(int size) {
    ReportFont.name = kArial;
    SetFontBold();
    SetFontSize(size);
}

void ReportWriter::SetTitleFont(int size) {
    ReportFont.name = kArial;
    SetFontBoldUnderline();
    SetFontSize(size);
}

void ReportWriter::SetBodyFont(int size) {
    ReportFont.name = kCourierNew;
    SetFontRegular();
    SetFontSize(size);
}

void ReportWriter::ScaleReportFonts(ReportDocument& document, int step, double factor) {
    if (document.IsEmpty()) return;
    document.ForEachStyle([step, factor](ReportStyle& style) {
        // nearbyint rounds halves to even in the default rounding mode.
        const double scaled = std::nearbyint(style.halfPoints * factor) + 2.0 * step;
        // A size can shrink to one point but never vanish or turn negative.
        style.halfPoints = scaled < 2 ? 2 : static_cast<int>(std::min(scaled, 3276.0));
    });
}

bool ReportWriter::StepReportFontSize(ReportDocument& document, int step) {
    if (step > 0 && ReportHeadingSize >= kMaxHeadingSize) return false;
    if (step < 0 && ReportBodySize <= kMinBodySize) return false;
    if (step == 0) return false;
    ReportHeadingSize += step;
    ReportBodySize += step;
    ScaleReportFonts(document, step, 1.0);
    return true;
}

void ReportWriter::UseUserLocale() {
    numberLocale = NumberLocale::FromUserLocale();
    std::optional<std::string> fixed = date.fixedText;
    date = ReportDate::FromUserLocale();
    date.fixedText = fixed;
}

}  // namespace vostrel
