#include "engine/report/text_printer.h"

#include <algorithm>

namespace vostrel {
namespace {

std::string ReplaceFirstToken(const std::string& text, const char* token,
                              const std::string& value) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    const std::size_t position = upper.find(token);
    if (position == std::string::npos) return text;
    std::string result = text;
    result.replace(position, 2, value);
    return result;
}

std::uint16_t ClampToWord(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

}  // namespace

std::string ExpandHeaderFooterText(const std::string& text, int page, const std::string& date) {
    const std::string withPage = ReplaceFirstToken(text, "&P", std::to_string(page));
    return ReplaceFirstToken(withPage, "&D", date);
}

void TMPrinter::AttachCanvas(PrintCanvas& canvas) {
    canvas_ = &canvas;
    penX_ = 0;
    penY_ = 0;
}

int TMPrinter::ToPixelsX(int thousandths) const {
    const long long pixels = static_cast<long long>(thousandths) * canvas_->PixelsPerInchX() / 1000;
    return static_cast<int>(pixels) - canvas_->PhysicalOffsetX();
}

int TMPrinter::ToPixelsY(int thousandths) const {
    const long long pixels = static_cast<long long>(thousandths) * canvas_->PixelsPerInchY() / 1000;
    return static_cast<int>(pixels) - canvas_->PhysicalOffsetY();
}

int TMPrinter::CharHeight() const { return canvas_->TextHeight("A"); }

void TMPrinter::InitMPrinter() {
    ClearHeaderFooter(kHeader);
    ClearHeaderFooter(kFooter);
}

void TMPrinter::SetMargins(int L, int R, int T, int B) {
    if (canvas_ == nullptr) return;
    const int width = canvas_->PageWidth();
    const int height = canvas_->PageHeight();

    const int l = ToPixelsX(L);
    Margins.Left = (l > 0 && l < width) ? l : 0;
    const int r = ToPixelsX(R);
    Margins.Right = (r <= 0 || width - Margins.Left - r <= 0) ? width : width - r;
    const int t = ToPixelsY(T);
    Margins.Top = (t > 0 && t < height) ? t : 0;
    const int b = ToPixelsY(B);
    Margins.Bottom = (b > 0 && height - b - Margins.Top > 0) ? height - b : height;
}

void TMPrinter::SetHeaderFooter(const std::string& s1, const std::string& s2, const std::string& s3,
                                int loc, bool Fpage, int HFType, const PrintFont& aFont) {
    if (canvas_ == nullptr || (HFType != kHeader && HFType != kFooter)) return;
    const int p = ToPixelsY(loc);
    THFRec& part = HFType == kHeader ? Header : Footer;
    part.T1 = s1;
    part.T2 = s2;
    part.T3 = s3;
    if (HFType == kHeader) {
        part.VLoc = p < 1 ? 0 : p;
    } else {
        const int height = canvas_->PageHeight();
        part.VLoc = p < 1 ? height : height - p;
    }
    part.FirstPage = Fpage;
    part.Active = true;
    part.HFFont = aFont;
    if (Fpage && canvas_->PageNumber() == 1) PrintOutHeaderFooter();
}

void TMPrinter::ClearHeaderFooter(int HFType) {
    if (HFType == kHeader) Header.Active = false;
    if (HFType == kFooter) Footer.Active = false;
}

void TMPrinter::PrintPart(const THFRec& part, int y) {
    const int page = canvas_->PageNumber();
    const std::string date = date_.Today();
    if (!part.T1.empty()) {
        canvas_->TextOut(Margins.Left, y, ExpandHeaderFooterText(part.T1, page, date));
    }
    if (!part.T2.empty()) {
        const std::string text = ExpandHeaderFooterText(part.T2, page, date);
        const int x =
            (Margins.Right - Margins.Left) / 2 - canvas_->TextWidth(text) / 2 + Margins.Left;
        canvas_->TextOut(x, y, text);
    }
    if (!part.T3.empty()) {
        const std::string text = ExpandHeaderFooterText(part.T3, page, date);
        canvas_->TextOut(Margins.Right - canvas_->TextWidth(text), y, text);
    }
}

void TMPrinter::PrintOutHeaderFooter() {
    if (canvas_ == nullptr || (!Header.Active && !Footer.Active)) return;
    // The body text goes on in its own font after the header and footer.
    const PrintFont bodyFont = canvas_->Font();
    if (Header.Active) {
        canvas_->SetFont(Header.HFFont);
        PrintPart(Header, Header.VLoc);
    }
    if (Footer.Active) {
        canvas_->SetFont(Footer.HFFont);
        const int h = canvas_->TextHeight("A");
        PrintPart(Footer, Footer.VLoc - 2 * h);
    }
    canvas_->SetFont(bodyFont);
    penX_ = Margins.Left;
    penY_ = Margins.Top;
}

void TMPrinter::PrintString(const std::string& Text) {
    if (Text.empty() || canvas_ == nullptr) return;
    std::string text;
    for (char c : Text) {
        if (c == '\t') {
            text += TabSpace;
        } else if (c != '\n') {
            text += c;
        }
    }
    std::string piece;
    for (char c : text) {
        if (c == '\f' || c == '\r') {
            PrnOutStr(piece);
            piece.clear();
            if (c == '\f') {
                NewPage();
            } else {
                NewLine();
            }
        } else {
            piece += c;
        }
    }
    PrnOutStr(piece);
}

void TMPrinter::PrnOutStr(const std::string& Text) {
    if (Text.empty() || canvas_ == nullptr) return;
    const int x = std::max(penX_, Margins.Left);
    const int y = std::max(penY_, Margins.Top);
    canvas_->TextOut(x, y, Text);
    penX_ = x + canvas_->TextWidth(Text);
    penY_ = y;
}

void TMPrinter::NewLine() {
    if (canvas_ == nullptr) return;
    const int h = CharHeight();
    if (Margins.Bottom - h < penY_ + h) {
        NewPage();
    } else {
        penX_ = Margins.Left;
        penY_ += h;
    }
}

void TMPrinter::NewPage() {
    if (canvas_ == nullptr) return;
    canvas_->NewPage();
    penX_ = Margins.Left;
    penY_ = Margins.Top;
    PrintOutHeaderFooter();
}

std::uint16_t TMPrinter::CharactersPerLine() const {
    if (canvas_ == nullptr) return 0;
    const int width = canvas_->AverageCharWidth();
    if (width <= 0) return 0;
    return ClampToWord((Margins.Right - Margins.Left) / width);
}

std::uint16_t TMPrinter::LinesPerPage() const {
    if (canvas_ == nullptr) return 0;
    const int step = CharHeight() + 2;
    if (step <= 0) return 0;
    return ClampToWord((Margins.Bottom - Margins.Top) / step);
}

std::uint16_t TMPrinter::LinesLeftOnPage() const {
    if (canvas_ == nullptr) return 0;
    const int step = CharHeight() + 2;
    if (step <= 0) return 0;
    return ClampToWord((Margins.Bottom - penY_) / step);
}

void TMPrinter::InchesToPixels(PrintRect& Rec) const {
    if (canvas_ == nullptr) return;
    Rec.Left = ToPixelsX(Rec.Left);
    Rec.Right = ToPixelsX(Rec.Right);
    Rec.Top = ToPixelsY(Rec.Top);
    Rec.Bottom = ToPixelsY(Rec.Bottom);
}

}  // namespace vostrel
