#pragma once
// A report: paragraphs of styled runs of text. Each appended line becomes one paragraph;
// the last paragraph is the open one that the next text goes into.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vostrel {

struct ReportColour {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;

    friend bool operator==(const ReportColour&, const ReportColour&) = default;
};

inline constexpr ReportColour kReportBlack{0, 0, 0};
inline constexpr ReportColour kReportRed{255, 0, 0};

inline constexpr char kArial[] = "Arial";
inline constexpr char kCourierNew[] = "Courier New";

// Font name, size, style and colour of a run. Sizes are kept in half points, as rich text
// stores them, so that scaling by a factor stays exact.
struct ReportStyle {
    std::string name = kCourierNew;
    int halfPoints = 18;
    bool bold = false;
    bool underline = false;
    ReportColour colour = kReportBlack;

    double Points() const { return halfPoints / 2.0; }
    void SetPoints(int points) { halfPoints = 2 * points; }

    friend bool operator==(const ReportStyle&, const ReportStyle&) = default;
};

struct ReportRun {
    std::string text;
    ReportStyle style;
};

struct ReportParagraph {
    std::vector<ReportRun> runs;
    // The style of the paragraph's end: what an empty paragraph is shown and printed in.
    ReportStyle markStyle;

    std::string Text() const;
    // The style at the paragraph's first character.
    const ReportStyle& StartStyle() const;
};

class ReportDocument {
  public:
    // The base font of the report control: Courier New 9, black.
    ReportDocument() = default;
    explicit ReportDocument(ReportStyle baseStyle) : baseStyle_(std::move(baseStyle)) {}

    const ReportStyle& BaseStyle() const { return baseStyle_; }

    // Appends text in the style at the end of the document; every line break in it
    // (CR, LF or CR LF) ends a paragraph.
    void Append(const std::string& text, const ReportStyle& style);
    // Ends the open paragraph; its mark takes the style.
    void EndParagraph(const ReportStyle& style);

    void Clear();
    // Takes the paragraphs of another document (a report the user edited); like clearing,
    // this is a change that is not an append.
    void ReplaceContent(ReportDocument other);
    bool IsEmpty() const { return paragraphs_.empty() && open_.runs.empty(); }

    // Counts the changes that are not appends (clearing, restyling), so that a view that
    // shows the document knows when appending the new paragraphs is not enough.
    std::uint64_t Revision() const { return revision_; }

    // The paragraphs that hold text or have been ended: every ended paragraph, plus the
    // open one when it holds text.
    std::vector<const ReportParagraph*> Paragraphs() const;
    std::size_t LineCount() const { return paragraphs_.size() + (open_.runs.empty() ? 0 : 1); }
    // The ended paragraphs, and the open one that the next text goes into.
    std::size_t EndedCount() const { return paragraphs_.size(); }
    const ReportParagraph& Ended(std::size_t index) const { return paragraphs_[index]; }
    const ReportParagraph& Open() const { return open_; }

    // Every run of every paragraph, for changes to the whole document.
    template <typename Visit>
    void ForEachStyle(Visit visit) {
        ++revision_;
        for (ReportParagraph& paragraph : paragraphs_) VisitParagraph(paragraph, visit);
        VisitParagraph(open_, visit);
    }

  private:
    template <typename Visit>
    static void VisitParagraph(ReportParagraph& paragraph, Visit& visit) {
        for (ReportRun& run : paragraph.runs) visit(run.style);
        visit(paragraph.markStyle);
    }
    void AppendRun(const std::string& text, const ReportStyle& style);

    ReportStyle baseStyle_;
    std::vector<ReportParagraph> paragraphs_;
    ReportParagraph open_{{}, baseStyle_};
    std::uint64_t revision_ = 0;
};

}  // namespace vostrel
