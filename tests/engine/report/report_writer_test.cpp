#include "engine/report/report_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/workspace.h"

namespace vostrel {
namespace {

std::vector<std::string> Lines(const ReportDocument& document) {
    std::vector<std::string> lines;
    for (const ReportParagraph* paragraph : document.Paragraphs()) {
        lines.push_back(paragraph->Text());
    }
    return lines;
}

const ReportParagraph& Paragraph(const ReportDocument& document, std::size_t index) {
    return *document.Paragraphs().at(index);
}

ReportStyle Style(const char* name, int points, bool bold, bool underline,
                  ReportColour colour = kReportBlack) {
    ReportStyle style;
    style.name = name;
    style.SetPoints(points);
    style.bold = bold;
    style.underline = underline;
    style.colour = colour;
    return style;
}

TEST(ReportWriter, WritesEachLineInTheCurrentStyle) {
    ReportWriter writer;
    writer.SetTitleFont(14);
    writer.AddReportLine("Title");
    writer.SetHeadingFont(12);
    writer.AddReportLine("Heading");
    writer.SetBodyFont(9);
    writer.AddReportLine("\tMean = \t1.00");
    writer.AddBlankLine();

    const ReportDocument& document = writer.output;
    EXPECT_EQ(Lines(document),
              (std::vector<std::string>{"Title", "Heading", "\tMean = \t1.00", ""}));
    EXPECT_EQ(Paragraph(document, 0).StartStyle(), Style(kArial, 14, true, true));
    EXPECT_EQ(Paragraph(document, 1).StartStyle(), Style(kArial, 12, true, false));
    EXPECT_EQ(Paragraph(document, 2).StartStyle(), Style(kCourierNew, 9, false, false));
    // A blank line keeps the style it was written in, so it prints at that height.
    EXPECT_EQ(Paragraph(document, 3).StartStyle(), Style(kCourierNew, 9, false, false));
}

TEST(ReportWriter, WarningIsRedAndRegularAndLeavesTheStyleAlone) {
    ReportWriter writer;
    writer.SetHeadingFont(12);
    writer.AddWarningLine("Too few values");
    writer.AddReportLine("Next");

    const ReportDocument& document = writer.output;
    EXPECT_EQ(Paragraph(document, 0).StartStyle(), Style(kArial, 12, false, false, kReportRed));
    EXPECT_EQ(Paragraph(document, 1).StartStyle(), Style(kArial, 12, true, false));
    EXPECT_EQ(writer.ReportFont, Style(kArial, 12, true, false));
}

TEST(ReportWriter, WarningColoursOnlyItsOwnText) {
    ReportWriter writer;
    writer.AddReportText("Label: ");
    writer.AddWarningLine("missing");
    const ReportParagraph& paragraph = Paragraph(writer.output, 0);
    ASSERT_EQ(paragraph.runs.size(), 2u);
    EXPECT_EQ(paragraph.runs[0].style.colour, kReportBlack);
    EXPECT_EQ(paragraph.runs[1].text, "missing");
    EXPECT_EQ(paragraph.runs[1].style.colour, kReportRed);
}

TEST(ReportWriter, PageMarkerIsArialEightRed) {
    ReportWriter writer;
    writer.SetTitleFont(14);
    writer.AddPageMarker();
    EXPECT_EQ(Lines(writer.output), std::vector<std::string>{"-Page-"});
    EXPECT_EQ(Paragraph(writer.output, 0).StartStyle(), Style(kArial, 8, false, false, kReportRed));
    EXPECT_EQ(writer.ReportFont, Style(kArial, 14, true, true));
}

TEST(ReportWriter, TextJoinsTheLineAndLineBreaksSplitParagraphs) {
    ReportWriter writer;
    writer.AddReportText("a");
    writer.AddReportText("b");
    writer.AddReportLine("c");
    writer.AddReportLine("one\r\ntwo\rthree\nfour");
    writer.AddReportText("open");
    EXPECT_EQ(Lines(writer.output),
              (std::vector<std::string>{"abc", "one", "two", "three", "four", "open"}));
    // Runs of one style are one run.
    EXPECT_EQ(Paragraph(writer.output, 0).runs.size(), 1u);
}

TEST(ReportWriter, FontSettersChangeOnlyTheirPart) {
    ReportWriter writer;
    writer.SetTitleFont(14);
    writer.SetFontCourier();
    EXPECT_EQ(writer.ReportFont, Style(kCourierNew, 14, true, true));
    writer.SetFontUnderline();  // replaces the whole style set
    EXPECT_EQ(writer.ReportFont, Style(kCourierNew, 14, false, true));
    writer.SetFontBold();
    EXPECT_EQ(writer.ReportFont, Style(kCourierNew, 14, true, false));
    writer.SetFontBoldUnderline();
    writer.SetFontArial();
    writer.SetFontSize(11);
    EXPECT_EQ(writer.ReportFont, Style(kArial, 11, true, true));
    writer.SetFontRegular();
    EXPECT_EQ(writer.ReportFont, Style(kArial, 11, false, false));
}

TEST(ReportWriter, SetReportEditSwitchesTargetWithoutClearing) {
    ReportWriter writer;
    writer.AddReportLine("main");
    ReportDocument chartReport(Style(kArial, 10, false, false));
    chartReport.Append("kept", Style(kArial, 10, false, false));
    chartReport.EndParagraph(Style(kArial, 10, false, false));

    writer.SetTitleFont(16);
    writer.SetReportEdit(chartReport);
    EXPECT_EQ(writer.ReportFont, Style(kArial, 10, false, false));
    writer.AddReportLine("chart");
    EXPECT_EQ(Lines(chartReport), (std::vector<std::string>{"kept", "chart"}));
    EXPECT_EQ(Lines(writer.output), std::vector<std::string>{"main"});

    writer.SetReportEdit(writer.output);
    writer.AddReportLine("main again");
    EXPECT_EQ(Lines(writer.output), (std::vector<std::string>{"main", "main again"}));
}

TEST(ReportWriter, ClearEmptiesTheDocument) {
    ReportWriter writer;
    writer.AddReportLine("x");
    writer.AddReportText("y");
    EXPECT_EQ(writer.output.LineCount(), 2u);
    writer.output.Clear();
    EXPECT_TRUE(writer.output.IsEmpty());
    EXPECT_EQ(writer.output.LineCount(), 0u);
}

TEST(ReportWriter, FontStepsMoveBothSizesAndStopAtTheLimits) {
    ReportWriter writer;
    writer.SetTitleFont(14);
    writer.AddReportLine("Title");
    writer.SetBodyFont(9);
    writer.AddReportLine("body");

    EXPECT_TRUE(writer.StepReportFontSize(+1));
    EXPECT_EQ(writer.ReportHeadingSize, 11);
    EXPECT_EQ(writer.ReportBodySize, 10);
    EXPECT_EQ(Paragraph(writer.output, 0).StartStyle().halfPoints, 30);
    EXPECT_EQ(Paragraph(writer.output, 1).StartStyle().halfPoints, 20);

    while (writer.StepReportFontSize(+1)) {
    }
    EXPECT_EQ(writer.ReportHeadingSize, 72);
    EXPECT_EQ(writer.ReportBodySize, 71);
    EXPECT_EQ(Paragraph(writer.output, 1).StartStyle().halfPoints, 142);

    while (writer.StepReportFontSize(-1)) {
    }
    EXPECT_EQ(writer.ReportBodySize, 6);
    EXPECT_EQ(writer.ReportHeadingSize, 7);
    EXPECT_EQ(Paragraph(writer.output, 1).StartStyle().halfPoints, 12);
    EXPECT_EQ(Paragraph(writer.output, 0).StartStyle().halfPoints, 22);
}

TEST(ReportWriter, ScalingRoundsHalvesToEvenAndKeepsText) {
    ReportWriter writer;
    writer.SetBodyFont(9);  // 18 half points
    writer.AddReportLine("C:\\fs20 {typed}");
    writer.SetBodyFont(7);  // 14 half points
    writer.AddReportLine("small");
    writer.SetBodyFont(10);
    writer.AddReportLine("ten");

    writer.ScaleReportFonts(0, 1.25);
    EXPECT_EQ(Paragraph(writer.output, 0).StartStyle().halfPoints, 22);  // 22.5
    EXPECT_EQ(Paragraph(writer.output, 1).StartStyle().halfPoints, 18);  // 17.5
    EXPECT_EQ(Paragraph(writer.output, 2).StartStyle().halfPoints, 25);
    EXPECT_EQ(Paragraph(writer.output, 0).Text(), "C:\\fs20 {typed}");

    // Shrinking never leaves a size of zero or less.
    writer.ScaleReportFonts(-40, 1.0);
    EXPECT_EQ(Paragraph(writer.output, 2).StartStyle().halfPoints, 2);
}

TEST(ReportWriter, ScalingAnEmptyDocumentDoesNothing) {
    ReportWriter writer;
    writer.ScaleReportFonts(3, 2.0);
    EXPECT_TRUE(writer.output.IsEmpty());
    EXPECT_TRUE(writer.StepReportFontSize(+1));
    EXPECT_EQ(writer.ReportHeadingSize, 11);
}

// A view of the document appends what is new unless the revision tells it to start over.
TEST(ReportWriter, RevisionCountsClearingAndRestylingButNotAppending) {
    ReportWriter writer;
    ReportDocument other;
    const std::uint64_t start = writer.output.Revision();
    writer.AddReportLine("one");
    writer.AddPageMarker();
    writer.AddWarningLine("careful");
    EXPECT_EQ(writer.output.Revision(), start);
    EXPECT_EQ(writer.output.EndedCount(), 3u);
    EXPECT_TRUE(writer.output.Open().runs.empty());

    writer.StepReportFontSize(+1);
    EXPECT_NE(writer.output.Revision(), start);
    const std::uint64_t scaled = writer.output.Revision();
    writer.output.Clear();
    EXPECT_GT(writer.output.Revision(), scaled);
    const std::uint64_t cleared = writer.output.Revision();
    writer.output.ReplaceContent(ReportDocument());
    EXPECT_GT(writer.output.Revision(), cleared);

    // A window's own document is scaled, whichever document is the writer's target.
    other.Append("x", ReportStyle{});
    other.EndParagraph(ReportStyle{});
    writer.SetReportEdit(other);
    writer.SetReportEdit(writer.output);
    writer.AddReportLine("two");
    EXPECT_TRUE(writer.StepReportFontSize(other, +1));
    EXPECT_EQ(other.Ended(0).StartStyle().halfPoints, 20);
    EXPECT_EQ(writer.output.Ended(0).StartStyle().halfPoints, 18);
}

TEST(ReportWriter, WorkspaceOwnsOneWriter) {
    SilentUserInterface ui;
    MemorySettingsStore settings;
    Workspace workspace(ui, settings);
    workspace.report.AddReportLine("hello");
    EXPECT_EQ(&workspace.report.Target(), &workspace.report.output);
    EXPECT_EQ(workspace.report.output.LineCount(), 1u);
}

TEST(ReportLocale, CLocaleKeepsCommaAndPoint) {
    for (const char* name : {"C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"}) {
        const NumberLocale locale = NumberLocale::FromLocaleName(name);
        EXPECT_EQ(locale.thousandSeparator, ",") << name;
        EXPECT_EQ(locale.decimalSeparator, ".") << name;
    }
    EXPECT_EQ(ReportDate::FromLocaleName("C").shortDateFormat, "%m/%d/%y");
    EXPECT_EQ(ReportDate::FromLocaleName("xx_NOWHERE").shortDateFormat, "%m/%d/%y");
}

TEST(ReportLocale, DateIsFixedOrShort) {
    ReportDate date;
    std::tm day{};
    day.tm_year = 2024 - 1900;
    day.tm_mon = 5;
    day.tm_mday = 15;
    EXPECT_EQ(date.ShortDate(day), "06/15/24");
    date.shortDateFormat = "%d.%m.%Y";
    EXPECT_EQ(date.ShortDate(day), "15.06.2024");
    EXPECT_FALSE(date.Today().empty());
    date.fixedText = "2024-01-02";
    EXPECT_EQ(date.Today(), "2024-01-02");

    ReportWriter writer;
    writer.date.fixedText = "fixed";
    writer.UseUserLocale();
    EXPECT_EQ(writer.date.Today(), "fixed");
}

}  // namespace
}  // namespace vostrel
