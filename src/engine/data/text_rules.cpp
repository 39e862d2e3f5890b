#include "engine/data/text_rules.h"

#include <charconv>
#include <cmath>

#include "engine/core/missing_value.h"
#include "engine/core/user_interface.h"

namespace vostrel {

namespace {

constexpr std::size_t kMaxFields = MaxColumns;

bool IsNumericChar(char c) {
    switch (c) {
        case '\t':
        case ' ':
        case '$':
        case '+':
        case ',':
        case '-':
        case '.':
        case 'E':
        case 'e':
            return true;
        default:
            return c >= '0' && c <= '9';
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsText(std::string_view text) {
    for (char c : text)
        if (!IsNumericChar(c)) return true;
    return false;
}

std::string_view TrimSpaces(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    std::size_t last = text.size();
    while (last > first && text[last - 1] == ' ') --last;
    return text.substr(first, last - first);
}

NormalisedNumber NormaliseNumber(std::string_view text) {
    NormalisedNumber result;
    result.text.assign(text);
    if (!result.text.empty() && result.text[0] == '.') result.text.insert(0, "0");
    if (result.text.size() >= 2 && result.text[0] == '-' && result.text[1] == '.')
        result.text.insert(1, "0");
    if (!result.text.empty() && result.text.back() == '.') result.text.pop_back();
    if (result.text.empty()) {
        result.text = "0";
        result.wasEmpty = true;
    }
    return result;
}

std::optional<double> ConvertNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (double plain = 0; ReadPlainDecimal(text, plain)) return plain;
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        // from_chars takes no sign after the plus either.
        if (!text.empty() && (text[0] == '-' || text[0] == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    // Only decimal numbers: no "inf" or "nan" (from_chars takes no hexadecimal here).
    const char first = text[0];
    if (!(IsDigit(first) || first == '.' || first == '-')) return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    if (value == 0) value = 0;  // no negative zero
    return value;
}

std::optional<double> ReadNumber(std::string_view text) {
    // Most numbers need no normalising; spare them the copy.
    const bool plain = !text.empty() && text[0] != '.' && text.back() != '.' &&
                       !(text.size() >= 2 && text[0] == '-' && text[1] == '.');
    if (plain) return ConvertNumber(text);
    NormalisedNumber normalised = NormaliseNumber(text);
    if (normalised.wasEmpty) return std::nullopt;
    return ConvertNumber(normalised.text);
}

void SplitAt(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t at = line.find(separator, start);
        if (at == std::string_view::npos) {
            if (start < line.size()) {
                std::string_view last = TrimSpaces(line.substr(start));
                if (!last.empty()) fields.push_back(last);
            }
            return;
        }
        fields.push_back(TrimSpaces(line.substr(start, at - start)));
        start = at + 1;
    }
}

std::vector<std::string_view> SplitAt(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    SplitAt(line, separator, fields);
    return fields;
}

char DataLineSeparator(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) return '\t';
    if (line.find(',') != std::string_view::npos) return ',';
    return ' ';
}

void SplitDataLine(std::string_view line, std::vector<std::string_view>& fields) {
    const char separator = DataLineSeparator(line);
    if (separator != ' ') {
        SplitAt(line, separator, fields);
        return;
    }
    // Runs of spaces count as one separator.
    fields.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
}

std::vector<std::string_view> SplitDataLine(std::string_view line) {
    std::vector<std::string_view> fields;
    SplitDataLine(line, fields);
    return fields;
}

HeaderFields SplitHeaderLine(std::string_view line, bool defaultNames, bool tabOnly) {
    HeaderFields result;
    auto isSeparator = [tabOnly](char c) {
        return c == '\t' || (!tabOnly && (c == ' ' || c == ','));
    };
    auto addEmpty = [&]() {
        const std::size_t number = result.fields.size() + 1;
        result.fields.push_back(defaultNames ? "Col" + std::to_string(number) : std::string());
    };

    std::size_t i = 0;
    while (i < line.size()) {
        if (result.fields.size() >= kMaxFields) {
            result.truncated = true;
            return result;
        }
        if (isSeparator(line[i])) {
            if (line[i] == '\t') addEmpty();
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) ++i;
        result.fields.emplace_back(line.substr(start, i - start));
        if (i < line.size()) ++i;  // the separator that ends the field
    }
    // A trailing separator stands once more outside a field.
    if (!line.empty() && line.back() == '\t') {
        if (result.fields.size() >= kMaxFields)
            result.truncated = true;
        else
            addEmpty();
    }
    return result;
}

bool BlankCommasSetting::CommasAreMissing(UserInterface& ui) {
    if (!asked_) {
        commasAreMissing_ =
            ui.Confirm("Want blank Commas to indicate missing values?", false) == Answer::Yes;
        asked_ = true;
    }
    return commasAreMissing_;
}

namespace {

bool StartsNumberField(char c) { return c == '-' || c == '.' || IsDigit(c); }
bool ContinuesNumberField(char c) {
    return c == '+' || c == '-' || c == '.' || IsDigit(c) || c == 'E' || c == 'e';
}

void AddNumberField(std::string_view text, std::vector<NumberField>& fields) {
    if (text == "." || text == "-" || text == "+" || text == "E" || text == "e") return;
    NumberField field;
    if (std::optional<double> value = ReadNumber(text)) {
        field.text.assign(text);
        field.value = *value;
    } else {
        field.value = MissingValue;
    }
    fields.push_back(std::move(field));
}

}  // namespace

std::vector<NumberField> ParseNumberList(std::string_view line, UserInterface& ui,
                                         BlankCommasSetting& blankCommas, std::size_t maxFields) {
    std::vector<NumberField> fields;
    // A separator met outside a field: a tab is always a blank entry, a comma only
    // when the user wants blank commas to mean missing values.
    auto separatorOutsideField = [&](char c) {
        if (c == '\t') {
            fields.push_back({std::string(), MissingValue});
        } else if (c == ',') {
            if (blankCommas.CommasAreMissing(ui)) fields.push_back({std::string(), MissingValue});
        }
    };

    bool afterField = false;  // the previous character was the last of a field
    std::size_t i = 0;
    while (i < line.size() && fields.size() < maxFields) {
        const char c = line[i];
        if (StartsNumberField(c)) {
            const std::size_t start = i;
            while (i < line.size() && ContinuesNumberField(line[i])) ++i;
            AddNumberField(line.substr(start, i - start), fields);
            afterField = true;
            continue;
        }
        // The character that ends a field only separates; later tabs and commas stand
        // outside a field.
        if (!afterField && (c == '\t' || c == ',')) separatorOutsideField(c);
        afterField = false;
        ++i;
    }
    // A trailing tab or comma stands once more outside a field.
    if (!line.empty() && fields.size() < maxFields && (line.back() == '\t' || line.back() == ',')) {
        separatorOutsideField(line.back());
    }
    if (fields.size() > maxFields) fields.resize(maxFields);
    return fields;
}

}  // namespace vostrel
