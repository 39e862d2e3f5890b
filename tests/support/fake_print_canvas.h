#pragma once
// A print canvas that records every piece of text with its page, place and font. Its
// metrics are simple so that layouts can be checked by hand: every character is as wide
// as the font's point size and a line is twice the point size high.

#include <cmath>
#include <string>
#include <vector>

#include "engine/report/print_canvas.h"

namespace vostrel::testing {

struct PrintedText {
    int page;
    int x;
    int y;
    std::string text;
    PrintFont font;
};

class FakePrintCanvas : public PrintCanvas {
  public:
    int ppiX = 1000;
    int ppiY = 1000;
    int offsetX = 0;
    int offsetY = 0;
    int width = 8500;
    int height = 11000;
    int page = 1;
    PrintFont font;
    std::vector<PrintedText> printed;

    int PixelsPerInchX() const override { return ppiX; }
    int PixelsPerInchY() const override { return ppiY; }
    int PhysicalOffsetX() const override { return offsetX; }
    int PhysicalOffsetY() const override { return offsetY; }
    int PageWidth() const override { return width; }
    int PageHeight() const override { return height; }
    int PageNumber() const override { return page; }
    PrintFont Font() const override { return font; }
    void SetFont(const PrintFont& f) override { font = f; }
    int TextWidth(const std::string& text) const override {
        return static_cast<int>(text.size()) * AverageCharWidth();
    }
    int TextHeight(const std::string&) const override {
        return static_cast<int>(std::lround(2 * font.points));
    }
    int AverageCharWidth() const override { return static_cast<int>(std::lround(font.points)); }
    void TextOut(int x, int y, const std::string& text) override {
        printed.push_back({page, x, y, text, font});
    }
    void NewPage() override { ++page; }

    std::vector<PrintedText> OnPage(int number) const {
        std::vector<PrintedText> list;
        for (const PrintedText& item : printed) {
            if (item.page == number) list.push_back(item);
        }
        return list;
    }
};

}  // namespace vostrel::testing
