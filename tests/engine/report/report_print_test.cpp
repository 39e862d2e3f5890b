#include "engine/report/report_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_print_canvas.h"
#include "support/sample_report.h"

namespace vostrel {
namespace {

using testing::FakePrintCanvas;
using testing::PrintedText;

std::vector<std::string> Texts(const std::vector<PrintedText>& items) {
    std::vector<std::string> texts;
    for (const PrintedText& item : items) texts.push_back(item.text);
    return texts;
}

class PrintReportTest : public ::testing::Test {
  protected:
    PrintReportTest() { writer.date.fixedText = "01/02/24"; }

    void Print(PageOrientation orientation) {
        PrintReportDocument(writer.printer, canvas, writer.output, "Vostrel - bores.zqx",
                            orientation);
    }

    ReportWriter writer;
    FakePrintCanvas canvas;
};

TEST_F(PrintReportTest, ThreeSectionsMakeThreePages) {
    testing::WriteSampleReport(writer);
    Print(PageOrientation::Portrait);

    EXPECT_EQ(canvas.page, 3);
    // Page 1: the header, then the report's first section; no footer yet.
    const std::vector<std::string> page1 = Texts(canvas.OnPage(1));
    EXPECT_EQ(page1, (std::vector<std::string>{"Vostrel - bores.zqx", "01/02/24",
                                               "Process Performance Analysis", "Bore diameters",
                                               "        Data File: bores.zqx"}));
    const std::vector<std::string> page2 = Texts(canvas.OnPage(2));
    ASSERT_GE(page2.size(), 4u);
    EXPECT_EQ(page2[2], "Page (2)");
    EXPECT_EQ(page2[3], "Variable Analysis");
    const std::vector<std::string> page3 = Texts(canvas.OnPage(3));
    ASSERT_GE(page3.size(), 4u);
    EXPECT_EQ(page3[2], "Page (3)");
    EXPECT_EQ(page3.back(), "              Ppk =         1.250");
}

TEST_F(PrintReportTest, PortraitAndLandscapeMarginsAndHeaderPlace) {
    writer.AddReportLine("x");
    Print(PageOrientation::Portrait);
    EXPECT_EQ(writer.printer.Margins.Left, 1000);
    EXPECT_EQ(writer.printer.Margins.Right, 8500 - 500);
    EXPECT_EQ(writer.printer.Margins.Top, 600);
    EXPECT_EQ(writer.printer.Margins.Bottom, 11000 - 500);
    EXPECT_EQ(canvas.printed.at(0).y, 250);

    FakePrintCanvas landscape;
    landscape.width = 11000;
    landscape.height = 8500;
    PrintReportDocument(writer.printer, landscape, writer.output, "t", PageOrientation::Landscape);
    EXPECT_EQ(writer.printer.Margins.Right, 11000 - 1000);
    EXPECT_EQ(writer.printer.Margins.Top, 1000);
    EXPECT_EQ(writer.printer.Margins.Bottom, 8500 - 500);
    EXPECT_EQ(landscape.printed.at(0).y, 650);
    EXPECT_EQ(writer.printer.Footer.VLoc, 8500 - 250);
}

TEST_F(PrintReportTest, EachLineInItsStartFontTwoPointsLarger) {
    writer.SetTitleFont(14);
    writer.AddReportText("Title ");
    writer.SetBodyFont(9);
    writer.AddReportLine("then body");
    writer.AddReportLine("body");
    Print(PageOrientation::Portrait);

    // Both runs of the first line print in the title's font.
    const std::vector<PrintedText> page = canvas.OnPage(1);
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[2].text, "Title then body");
    EXPECT_EQ(page[2].font, (PrintFont{kArial, 16, true, true}));
    EXPECT_EQ(page[3].font, (PrintFont{kCourierNew, 11, false, false}));
    EXPECT_EQ(page[0].font, HeaderFooterFont());
    EXPECT_EQ(page[3].y, 600 + 32);  // the title line is 16 points, 32 pixels here
}

TEST_F(PrintReportTest, OnlyAWholeMarkerLineStartsAPage) {
    writer.AddReportLine("one");
    writer.AddReportLine("typed -Page- among words");
    writer.AddPageMarker();
    writer.AddReportLine("two");
    Print(PageOrientation::Portrait);
    EXPECT_EQ(canvas.page, 2);
    EXPECT_EQ(Texts(canvas.OnPage(1)).back(), "typed -Page- among words");
    EXPECT_EQ(Texts(canvas.OnPage(2)).back(), "two");
}

TEST_F(PrintReportTest, ResetsHeaderAndFooterOfTheLastJob) {
    writer.AddReportLine("x");
    Print(PageOrientation::Portrait);
    ASSERT_TRUE(writer.printer.Footer.Active);
    // The footer of the last job is not printed on the first page of the next one.
    writer.output.Clear();
    FakePrintCanvas third;
    PrintReportDocument(writer.printer, third, writer.output, "t", PageOrientation::Portrait);
    EXPECT_EQ(Texts(third.printed), (std::vector<std::string>{"t", "01/02/24"}));
}

}  // namespace
}  // namespace vostrel
