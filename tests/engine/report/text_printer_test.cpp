#include "engine/report/text_printer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_print_canvas.h"

namespace vostrel {
namespace {

using testing::FakePrintCanvas;
using testing::PrintedText;

PrintFont Font(double points) {
    PrintFont font;
    font.points = points;
    return font;
}

class TextPrinterTest : public ::testing::Test {
  protected:
    TextPrinterTest() {
        date.fixedText = "01/02/24";
        canvas.font = Font(10);  // characters 10 wide, lines 20 high
        printer.AttachCanvas(canvas);
    }

    // Left 1000, Right 8000, Top 600, Bottom 10500 at 1000 pixels per inch.
    void PortraitMargins() { printer.SetMargins(1000, 500, 600, 500); }

    ReportDate date;
    FakePrintCanvas canvas;
    TMPrinter printer{date};
};

TEST_F(TextPrinterTest, MarginsAreMeasuredFromThePaperEdges) {
    PortraitMargins();
    EXPECT_EQ(printer.Margins.Left, 1000);
    EXPECT_EQ(printer.Margins.Right, 8000);
    EXPECT_EQ(printer.Margins.Top, 600);
    EXPECT_EQ(printer.Margins.Bottom, 10500);

    // 300 pixels per inch with the printable area starting 50 and 60 pixels in.
    canvas.ppiX = canvas.ppiY = 300;
    canvas.offsetX = 50;
    canvas.offsetY = 60;
    canvas.width = 2450;
    canvas.height = 3180;
    printer.SetMargins(1000, 500, 600, 500);
    EXPECT_EQ(printer.Margins.Left, 250);
    EXPECT_EQ(printer.Margins.Right, 2450 - 100);
    EXPECT_EQ(printer.Margins.Top, 120);
    EXPECT_EQ(printer.Margins.Bottom, 3180 - 90);

    // Integer division truncates: 333 thousandths at 300 per inch are 99 pixels.
    canvas.offsetX = canvas.offsetY = 0;
    printer.SetMargins(333, 0, 0, 0);
    EXPECT_EQ(printer.Margins.Left, 99);
}

TEST_F(TextPrinterTest, MarginsOutsideThePrintableAreaFallBackToItsEdges) {
    canvas.offsetX = canvas.offsetY = 200;
    printer.SetMargins(100, 100, 100, 100);  // all inside the unprintable border
    EXPECT_EQ(printer.Margins.Left, 0);
    EXPECT_EQ(printer.Margins.Right, 8500);
    EXPECT_EQ(printer.Margins.Top, 0);
    EXPECT_EQ(printer.Margins.Bottom, 11000);

    canvas.offsetX = canvas.offsetY = 0;
    printer.SetMargins(9000, 9000, 20000, 11000);  // larger than the page
    EXPECT_EQ(printer.Margins.Left, 0);
    EXPECT_EQ(printer.Margins.Right, 8500);
    EXPECT_EQ(printer.Margins.Top, 0);
    EXPECT_EQ(printer.Margins.Bottom, 11000);

    PrintRect rect{1000, 600, 8000, 10500};
    canvas.ppiX = canvas.ppiY = 600;
    canvas.offsetX = 10;
    canvas.offsetY = 20;
    printer.InchesToPixels(rect);
    EXPECT_EQ(rect.Left, 590);
    EXPECT_EQ(rect.Top, 340);
    EXPECT_EQ(rect.Right, 4790);
    EXPECT_EQ(rect.Bottom, 6280);
}

TEST(HeaderFooterText, PlaceholdersTakePageAndDate) {
    EXPECT_EQ(ExpandHeaderFooterText("Page (&P)", 3, "d"), "Page (3)");
    EXPECT_EQ(ExpandHeaderFooterText("&D", 3, "01/02/24"), "01/02/24");
    EXPECT_EQ(ExpandHeaderFooterText("&p of &P", 7, "d"), "7 of &P");
    EXPECT_EQ(ExpandHeaderFooterText("Printed &d, page &p", 2, "today"), "Printed today, page 2");
    EXPECT_EQ(ExpandHeaderFooterText("plain", 2, "d"), "plain");
}

TEST_F(TextPrinterTest, HeaderOnEveryPageFooterFromPageTwo) {
    PortraitMargins();
    const PrintFont headerFont = Font(9);  // characters 9 wide, lines 18 high
    printer.SetHeaderFooter("Title", "Mid", "&D", 250, true, kHeader, headerFont);
    printer.SetHeaderFooter("", "", "Page (&P)", 250, false, kFooter, headerFont);

    std::vector<PrintedText> page1 = canvas.OnPage(1);
    ASSERT_EQ(page1.size(), 3u);
    EXPECT_EQ(page1[0].text, "Title");
    EXPECT_EQ(page1[0].x, 1000);
    EXPECT_EQ(page1[0].y, 250);
    EXPECT_EQ(page1[1].text, "Mid");
    EXPECT_EQ(page1[1].x, 7000 / 2 - 27 / 2 + 1000);
    EXPECT_EQ(page1[2].text, "01/02/24");
    EXPECT_EQ(page1[2].x, 8000 - 8 * 9);
    EXPECT_EQ(page1[2].font, headerFont);
    EXPECT_EQ(canvas.font, Font(10));  // the body font is back

    printer.NewPage();
    printer.NewPage();
    std::vector<PrintedText> page3 = canvas.OnPage(3);
    ASSERT_EQ(page3.size(), 4u);
    EXPECT_EQ(page3[3].text, "Page (3)");
    EXPECT_EQ(page3[3].x, 8000 - 8 * 9);
    EXPECT_EQ(page3[3].y, 11000 - 250 - 2 * 18);

    printer.PrintString("body");
    EXPECT_EQ(canvas.printed.back().font, Font(10));
    EXPECT_EQ(canvas.printed.back().x, 1000);
    EXPECT_EQ(canvas.printed.back().y, 600);
}

TEST_F(TextPrinterTest, FirstPageFlagAndClearing) {
    PortraitMargins();
    printer.SetHeaderFooter("", "", "F&P", 250, true, kFooter, Font(9));
    ASSERT_EQ(canvas.printed.size(), 1u);
    EXPECT_EQ(canvas.printed[0].text, "F1");

    printer.NewPage();
    printer.SetHeaderFooter("H", "", "", 250, true, kHeader, Font(9));  // not page 1: waits
    EXPECT_EQ(canvas.OnPage(2).size(), 1u);

    printer.ClearHeaderFooter(3);  // no such part
    printer.ClearHeaderFooter(kFooter);
    printer.NewPage();
    ASSERT_EQ(canvas.OnPage(3).size(), 1u);
    EXPECT_EQ(canvas.OnPage(3)[0].text, "H");

    printer.InitMPrinter();
    printer.NewPage();
    EXPECT_TRUE(canvas.OnPage(4).empty());
}

TEST_F(TextPrinterTest, PositionsBelowOneFallBackToThePageEdges) {
    canvas.offsetY = 300;
    printer.SetHeaderFooter("h", "", "", 100, false, kHeader, Font(9));
    printer.SetHeaderFooter("f", "", "", 100, false, kFooter, Font(9));
    EXPECT_EQ(printer.Header.VLoc, 0);
    EXPECT_EQ(printer.Footer.VLoc, 11000);
    EXPECT_FALSE(printer.Header.FirstPage);
    EXPECT_TRUE(printer.Footer.Active);
}

TEST_F(TextPrinterTest, LinesTabsAndFormFeeds) {
    PortraitMargins();
    printer.PrintString("a\tb\r\nsecond");
    printer.PrintString(" and more\r");
    printer.PrintString("before\fafter");
    printer.PrintString("");

    ASSERT_EQ(canvas.printed.size(), 5u);
    EXPECT_EQ(canvas.printed[0].text, "a        b");
    EXPECT_EQ(canvas.printed[0].y, 600);
    EXPECT_EQ(canvas.printed[1].text, "second");
    EXPECT_EQ(canvas.printed[1].y, 620);  // CR LF is one line change
    EXPECT_EQ(canvas.printed[2].text, " and more");
    EXPECT_EQ(canvas.printed[2].x, 1000 + 6 * 10);  // goes on after "second"
    EXPECT_EQ(canvas.printed[2].y, 620);
    EXPECT_EQ(canvas.printed[3].text, "before");
    EXPECT_EQ(canvas.printed[3].y, 640);
    EXPECT_EQ(canvas.printed[4].text, "after");
    EXPECT_EQ(canvas.printed[4].page, 2);
    EXPECT_EQ(canvas.printed[4].y, 600);
}

TEST_F(TextPrinterTest, LineThatWouldPassTheBottomStartsANewPage) {
    printer.SetMargins(0, 0, 0, 10900);  // Top 0, Bottom 100; lines are 20 high
    EXPECT_EQ(printer.LinesPerPage(), 100 / 22);
    printer.PrintString("1\r2\r3\r4\r5\r6\r");
    std::vector<int> ys;
    for (const PrintedText& item : canvas.OnPage(1)) ys.push_back(item.y);
    EXPECT_EQ(ys, (std::vector<int>{0, 20, 40, 60, 80}));
    ASSERT_EQ(canvas.OnPage(2).size(), 1u);
    EXPECT_EQ(canvas.OnPage(2)[0].text, "6");
    EXPECT_EQ(canvas.OnPage(2)[0].y, 0);
    EXPECT_EQ(printer.LinesLeftOnPage(), (100 - 20) / 22);
}

TEST_F(TextPrinterTest, PageMeasures) {
    PortraitMargins();
    EXPECT_EQ(printer.CharactersPerLine(), 7000 / 10);
    EXPECT_EQ(printer.LinesPerPage(), 9900 / 22);
    EXPECT_EQ(printer.LinesLeftOnPage(), 10500 / 22);  // the pen has not moved yet

    canvas.font = Font(0);  // a font without width must not divide by zero
    EXPECT_EQ(printer.CharactersPerLine(), 0);
}

TEST(TextPrinter, WithoutACanvasNothingHappens) {
    ReportDate date;
    TMPrinter printer(date);
    printer.SetMargins(1000, 500, 600, 500);
    printer.SetHeaderFooter("a", "b", "c", 250, true, kHeader, PrintFont());
    printer.PrintString("text\r\f");
    printer.NewPage();
    EXPECT_EQ(printer.CharactersPerLine(), 0);
    EXPECT_EQ(printer.LinesPerPage(), 0);
    EXPECT_FALSE(printer.Header.Active);

    FakePrintCanvas canvas;
    printer.AttachCanvas(canvas);
    printer.DetachCanvas();
    printer.PrintString("gone");
    EXPECT_TRUE(canvas.printed.empty());
}

}  // namespace
}  // namespace vostrel
