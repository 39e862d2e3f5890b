#pragma once
// Prints plain text line by line on a print canvas: margins in thousandths of an inch,
// a header and a footer of three parts each with page number and date, tab expansion and
// automatic page breaks. The caller owns the print job: it begins the document, attaches
// the canvas, sets its font, prints, detaches and ends the document.

#include <cstdint>
#include <string>

#include "engine/report/print_canvas.h"
#include "engine/report/report_locale.h"

namespace vostrel {

// Left and Top are the edges of the text area; Right and Bottom are coordinates too,
// not widths.
struct PrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

struct THFRec {
    std::string T1;  // left
    std::string T2;  // centre
    std::string T3;  // right
    // Header: top of its text. Footer: the line from which its text is placed upwards.
    int VLoc = 0;
    bool Active = false;
    bool FirstPage = false;
    PrintFont HFFont;
};

inline constexpr int kHeader = 1;
inline constexpr int kFooter = 2;

// "&P" becomes the page number and "&D" the date; only the first of each, in any case.
std::string ExpandHeaderFooterText(const std::string& text, int page, const std::string& date);

class TMPrinter {
  public:
    explicit TMPrinter(const ReportDate& date) : date_(date) {}
    TMPrinter(const TMPrinter&) = delete;
    TMPrinter& operator=(const TMPrinter&) = delete;

    // Starts printing on the canvas of a job the caller has begun; the pen goes to the
    // top-left. Without a canvas every printing operation does nothing.
    void AttachCanvas(PrintCanvas& canvas);
    void DetachCanvas() { canvas_ = nullptr; }

    void InitMPrinter();
    void SetMargins(int L, int R, int T, int B);
    void SetHeaderFooter(const std::string& s1, const std::string& s2, const std::string& s3,
                         int loc, bool Fpage, int HFType, const PrintFont& aFont);
    void ClearHeaderFooter(int HFType);

    // Text with line ends (CR) and form feeds (new page); tabs become TabSpace.
    void PrintString(const std::string& Text);
    // The text followed by a line end.
    void PrintLine(const std::string& text) { PrintString(text + '\r'); }
    void PrnOutStr(const std::string& Text);
    void NewLine();
    void NewPage();
    void PrintOutHeaderFooter();

    std::uint16_t CharactersPerLine() const;
    std::uint16_t LinesPerPage() const;
    std::uint16_t LinesLeftOnPage() const;
    void InchesToPixels(PrintRect& Rec) const;

    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

    PrintRect Margins;
    THFRec Header;
    THFRec Footer;
    std::string TabSpace = std::string(8, ' ');

  private:
    int ToPixelsX(int thousandths) const;
    int ToPixelsY(int thousandths) const;
    int CharHeight() const;
    void PrintPart(const THFRec& part, int y);

    const ReportDate& date_;
    PrintCanvas* canvas_ = nullptr;
    int penX_ = 0;
    int penY_ = 0;
};

// Attaches a canvas for one printing job and detaches it on every way out, so the printer
// never keeps a dead canvas.
class AttachedCanvas {
  public:
    AttachedCanvas(TMPrinter& printer, PrintCanvas& canvas) : printer_(printer) {
        printer_.AttachCanvas(canvas);
    }
    ~AttachedCanvas() { printer_.DetachCanvas(); }
    AttachedCanvas(const AttachedCanvas&) = delete;
    AttachedCanvas& operator=(const AttachedCanvas&) = delete;

  private:
    TMPrinter& printer_;
};

}  // namespace vostrel
