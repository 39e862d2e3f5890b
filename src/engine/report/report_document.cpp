#include "engine/report/report_document.h"

namespace vostrel {

std::string ReportParagraph::Text() const {
    std::string text;
    for (const ReportRun& run : runs) text += run.text;
    return text;
}

const ReportStyle& ReportParagraph::StartStyle() const {
    return runs.empty() ? markStyle : runs.front().style;
}

void ReportDocument::AppendRun(const std::string& text, const ReportStyle& style) {
    if (text.empty()) return;
    if (!open_.runs.empty() && open_.runs.back().style == style) {
        open_.runs.back().text += text;
    } else {
        open_.runs.push_back({text, style});
    }
}

void ReportDocument::Append(const std::string& text, const ReportStyle& style) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            AppendRun(text.substr(start), style);
            return;
        }
        AppendRun(text.substr(start, end - start), style);
        EndParagraph(style);
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

void ReportDocument::EndParagraph(const ReportStyle& style) {
    open_.markStyle = style;
    paragraphs_.push_back(std::move(open_));
    open_ = ReportParagraph{{}, style};
}

void ReportDocument::Clear() {
    ++revision_;
    paragraphs_.clear();
    open_ = ReportParagraph{{}, baseStyle_};
}

void ReportDocument::ReplaceContent(ReportDocument other) {
    const std::uint64_t next = revision_ + 1;
    *this = std::move(other);
    revision_ = next;
}

std::vector<const ReportParagraph*> ReportDocument::Paragraphs() const {
    std::vector<const ReportParagraph*> list;
    list.reserve(paragraphs_.size() + 1);
    for (const ReportParagraph& paragraph : paragraphs_) list.push_back(&paragraph);
    if (!open_.runs.empty()) list.push_back(&open_);
    return list;
}

}  // namespace vostrel
