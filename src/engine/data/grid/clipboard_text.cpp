#include "engine/data/grid/clipboard_text.h"

#include <algorithm>

#include "engine/data/text_rules.h"

namespace vostrel {

std::string CopyGridSelection(const TextGrid& grid, const GridRect& rect) {
    std::string text;
    for (int r = rect.Top; r <= rect.Bottom; ++r) {
        if (r > rect.Top) text += '\n';
        for (int c = rect.Left; c <= rect.Right; ++c) {
            if (c > rect.Left) text += '\t';
            text += grid.Cell(c, r);
        }
    }
    return text;
}

std::string CellTextOf(std::string_view text) {
    std::string cell(text);
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return cell;
}

namespace {

bool StartsField(std::string_view text, std::size_t at, std::size_t recordStart) {
    if (at == recordStart) return true;
    const char before = text[at - 1];
    return before == '\t' || before == ',' || before == ' ';
}

// The closing quote of a quoted field opened at `open`; npos when it is never closed (the
// quote is then an ordinary character). "" inside stands for one quote.
std::size_t QuoteEnd(std::string_view text, std::size_t open) {
    std::size_t i = open + 1;
    while (true) {
        i = text.find('"', i);
        if (i == std::string_view::npos) return i;
        if (i + 1 < text.size() && text[i + 1] == '"') {
            i += 2;
            continue;
        }
        return i;
    }
}

std::string Unquote(std::string_view inner) {
    std::string field;
    field.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if (c == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
        field.push_back(c);
    }
    return field;
}

struct Record {
    std::string_view text;
    bool quoted = false;                    // holds a quoted field
    bool hasTab = false, hasComma = false;  // outside quotes
};

// The next line of the text from `pos`; line breaks inside quoted fields do not end it.
Record NextRecord(std::string_view text, std::size_t& pos) {
    Record record;
    const std::size_t start = pos;
    std::size_t i = pos;
    while (i < text.size() && text[i] != '\n' && text[i] != '\r') {
        const char c = text[i];
        if (c == '"' && StartsField(text, i, start)) {
            const std::size_t close = QuoteEnd(text, i);
            if (close != std::string_view::npos) {
                record.quoted = true;
                i = close + 1;
                continue;
            }
        }
        if (c == '\t') record.hasTab = true;
        if (c == ',') record.hasComma = true;
        ++i;
    }
    record.text = text.substr(start, i - start);
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    pos = i;
    return record;
}

// Splits a line with quoted fields at the separator (' ' stands for runs of spaces).
// Unquoted fields are trimmed when `trim` is set; a separator at the end adds an empty
// field when `trailingField` is set.
void SplitQuoted(std::string_view line, char separator, bool trim, bool trailingField,
                 std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        if (separator == ' ')
            while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size()) return;
        std::size_t lead = i;
        while (trim && lead < line.size() && line[lead] == ' ') ++lead;
        std::string field;
        std::size_t close = std::string_view::npos;
        if (lead < line.size() && line[lead] == '"') close = QuoteEnd(line, lead);
        if (close != std::string_view::npos) {
            field = Unquote(line.substr(lead + 1, close - lead - 1));
            i = close + 1;
            // Anything between the closing quote and the separator belongs to the field.
            const std::size_t next = std::min(line.find(separator, i), line.size());
            field += trim ? TrimSpaces(line.substr(i, next - i)) : line.substr(i, next - i);
            i = next;
        } else {
            const std::size_t next = std::min(line.find(separator, i), line.size());
            std::string_view plain = line.substr(i, next - i);
            field = trim ? TrimSpaces(plain) : plain;
            i = next;
        }
        const bool last = i >= line.size();
        if (!last || !field.empty() || !trim) fields.push_back(std::move(field));
        if (last) return;
        ++i;  // the separator
        if (i == line.size() && trailingField && separator != ' ') {
            fields.emplace_back();
            return;
        }
    }
}

}  // namespace

std::size_t ClipboardBlock::MaxWidth() const {
    std::size_t width = 0;
    for (std::size_t line = 0; line < LineCount(); ++line)
        width = std::max(width, FieldCount(line));
    return width;
}

void ClipboardBlock::DropFirstLine() {
    if (LineCount() == 0) return;
    for (std::size_t k = 0; k < FieldCount(0); ++k)
        textBytes_ -= std::min(textBytes_, Field(0, k).size());
    ++first_;
}

ClipboardBlock ClipboardBlock::ForData(std::string_view text) {
    ClipboardBlock block;
    std::vector<std::string_view> plain;
    std::vector<std::string> quoted;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Record record = NextRecord(text, pos);
        block.lineStart_.push_back(block.fields_.size());
        if (block.lineStart_.size() == 1) block.firstLine_ = record.text;
        if (record.quoted) {
            const char separator = record.hasTab ? '\t' : record.hasComma ? ',' : ' ';
            SplitQuoted(record.text, separator, true, false, quoted);
            for (const std::string& field : quoted) block.fields_.push_back(field);
        } else {
            SplitDataLine(record.text, plain);
            for (std::string_view field : plain) block.fields_.push_back(field);
        }
    }
    block.textBytes_ = text.size();
    return block;
}

ClipboardBlock ClipboardBlock::ForDescriptions(std::string_view text) {
    ClipboardBlock block;
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Record record = NextRecord(text, pos);
        block.lineStart_.push_back(block.fields_.size());
        if (block.lineStart_.size() == 1) block.firstLine_ = record.text;
        SplitQuoted(record.text, '\t', false, true, fields);
        for (const std::string& field : fields) block.fields_.push_back(CellTextOf(field));
    }
    block.textBytes_ = text.size();
    return block;
}

}  // namespace vostrel
