#pragma once
// The page that the text printer writes on. The desktop program draws on a printer (or
// a PDF file) through QPainter; tests use a canvas that records what was written.
// Coordinates are device pixels with the origin at the top-left of the printable area.

#include <string>

#include "engine/report/report_document.h"

namespace vostrel {

struct PrintFont {
    std::string name = kCourierNew;
    double points = 9;
    bool bold = false;
    bool underline = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // Where the printable area begins on the paper, in pixels.
    virtual int PhysicalOffsetX() const = 0;
    virtual int PhysicalOffsetY() const = 0;
    // Size of the printable area in pixels.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // 1 on the first page of the job.
    virtual int PageNumber() const = 0;

    virtual PrintFont Font() const = 0;
    virtual void SetFont(const PrintFont& font) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    // Height of a line of the text in the current font.
    virtual int TextHeight(const std::string& text) const = 0;
    virtual int AverageCharWidth() const = 0;

    // Writes the text with the top-left corner of its line at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Ends the current page and starts the next one.
    virtual void NewPage() = 0;
};

}  // namespace vostrel
