#include "engine/report/report_export.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/report/report_writer.h"

namespace vostrel {
namespace {

const char* kCrLf = "\r\n";

bool HasPageMarker(const ReportParagraph& paragraph) {
    return paragraph.Text().find(kPageMarker) != std::string::npos;
}

std::string HexEscape(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
    return buffer;
}

// One UTF-16 unit as \uN with a "?" for readers that do not know \u.
std::string UnicodeEscape(std::uint32_t unit) {
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    return "\\u" + std::to_string(value) + "?";
}

// The length of a valid UTF-8 sequence starting at i and its code point; 0 when the
// bytes there are not UTF-8 (they are then written as single 8-bit characters).
std::size_t DecodeUtf8(const std::string& text, std::size_t i, std::uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t size = 0;
    std::uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        codePoint = lead & 0x1FU;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        codePoint = lead & 0x0FU;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        codePoint = lead & 0x07U;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + size > text.size()) return 0;
    for (std::size_t k = 1; k < size; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0U) != 0x80U) return 0;
        codePoint = (codePoint << 6U) | (next & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
    return size;
}

// Text as rich text: backslashes and braces escaped so that nothing the user typed reads
// as a control word, tabs as \tab, other characters outside ASCII escaped.
std::string EscapeRtfText(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\' || byte == '{' || byte == '}') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\t') {
            out += "\\tab ";
        } else if (byte < 0x20) {
            out += HexEscape(byte);
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else {
            std::uint32_t codePoint = 0;
            const std::size_t size = DecodeUtf8(text, i, codePoint);
            if (size == 0) {
                out += HexEscape(byte);  // 8-bit text that is not UTF-8: Latin-1
            } else {
                if (codePoint > 0xFFFF) {
                    const std::uint32_t offset = codePoint - 0x10000;
                    out += UnicodeEscape(0xD800 + (offset >> 10U));
                    out += UnicodeEscape(0xDC00 + (offset & 0x3FFU));
                } else {
                    out += UnicodeEscape(codePoint);
                }
                i += size;
                continue;
            }
        }
        ++i;
    }
    return out;
}

const char* FontFamily(const std::string& name) {
    if (name == kCourierNew) return "\\fmodern";
    if (name == kArial) return "\\fswiss";
    return "\\fnil";
}

template <typename T>
std::size_t IndexIn(const std::vector<T>& table, const T& value) {
    return static_cast<std::size_t>(std::find(table.begin(), table.end(), value) - table.begin());
}

template <typename T>
void AddOnce(std::vector<T>& table, const T& value) {
    if (IndexIn(table, value) == table.size()) table.push_back(value);
}

class RtfWriter {
  public:
    explicit RtfWriter(const ReportDocument& document) : document_(document) {
        fonts_.push_back(document.BaseStyle().name);
        colours_.push_back(kReportBlack);
        for (const ReportParagraph* paragraph : document.Paragraphs()) {
            for (const ReportRun& run : paragraph->runs) AddToTables(run.style);
            AddToTables(paragraph->markStyle);
        }
    }

    std::string Text() const {
        std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
        rtf += kCrLf;
        rtf += FontTable() + kCrLf + ColourTable() + kCrLf;
        for (const ReportParagraph* paragraph : document_.Paragraphs()) {
            rtf += HasPageMarker(*paragraph) ? std::string("\\page") : ParagraphText(*paragraph);
            rtf += kCrLf;
        }
        rtf += "}";
        rtf += kCrLf;
        return rtf;
    }

  private:
    void AddToTables(const ReportStyle& style) {
        AddOnce(fonts_, style.name);
        AddOnce(colours_, style.colour);
    }

    std::string FontTable() const {
        std::string table = "{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            table += "{\\f" + std::to_string(i) + FontFamily(fonts_[i]) + "\\fcharset0 " +
                     EscapeRtfText(fonts_[i]) + ";}";
        }
        return table + "}";
    }

    std::string ColourTable() const {
        std::string table = "{\\colortbl ;";
        for (const ReportColour& colour : colours_) {
            table += "\\red" + std::to_string(colour.red) + "\\green" +
                     std::to_string(colour.green) + "\\blue" + std::to_string(colour.blue) + ";";
        }
        return table + "}";
    }

    // Every run states its whole style, so that each line stands on its own and can be
    // replaced by a page break without disturbing the lines after it.
    std::string StyleWords(const ReportStyle& style) const {
        std::string words = "\\f" + std::to_string(IndexIn(fonts_, style.name)) + "\\fs" +
                            std::to_string(style.halfPoints);
        words += style.bold ? "\\b" : "\\b0";
        words += style.underline ? "\\ul" : "\\ulnone";
        words += "\\cf" + std::to_string(IndexIn(colours_, style.colour) + 1);
        return words + " ";
    }

    std::string ParagraphText(const ReportParagraph& paragraph) const {
        std::string line = "\\pard\\plain ";
        for (const ReportRun& run : paragraph.runs) {
            line += StyleWords(run.style) + EscapeRtfText(run.text);
        }
        // The paragraph mark's style matters for an empty line (its height) or a change.
        if (paragraph.runs.empty() || !(paragraph.runs.back().style == paragraph.markStyle)) {
            line += StyleWords(paragraph.markStyle);
        }
        line += "\\par";
        return line;
    }

    const ReportDocument& document_;
    std::vector<std::string> fonts_;
    std::vector<ReportColour> colours_;
};

bool EndsWithRtf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return extension == ".RTF";
}

}  // namespace

std::string ReportToPlainText(const ReportDocument& document, LineEnd lineEnd) {
    const char* end = lineEnd == LineEnd::CrLf ? kCrLf : "\n";
    std::string text;
    for (const ReportParagraph* paragraph : document.Paragraphs()) {
        if (HasPageMarker(*paragraph)) continue;
        text += paragraph->Text();
        text += end;
    }
    return text;
}

std::string ReportToRtf(const ReportDocument& document) { return RtfWriter(document).Text(); }

WriteResult SaveReport(const ReportDocument& document, const std::string& path) {
    const std::string bytes =
        EndsWithRtf(path) ? ReportToRtf(document) : ReportToPlainText(document, LineEnd::CrLf);
    return WriteFileAtomically(path, bytes);
}

}  // namespace vostrel
