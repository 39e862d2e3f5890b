#pragma once
// The rules, shared by the whole program, for splitting lines into fields, telling a
// number from a text, and reading numbers out of typed text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/missing_value.h"

namespace vostrel {

class UserInterface;

// True when the text holds a character outside the numeric set
// (tab, space, "$", "+", ",", "-", ".", the digits, "E", "e").
bool IsText(std::string_view text);

struct NormalisedNumber {
    std::string text;
    bool wasEmpty = false;
};
// Prepares numeric text for conversion: "0" before a leading ".", "0" after a leading "-"
// that is followed by ".", a trailing "." dropped; an empty result becomes "0".
NormalisedNumber NormaliseNumber(std::string_view text);

// The standard conversion: "." as the decimal separator, an optional sign and exponent,
// surrounding spaces allowed. Nothing when the text is not one number or does not fit a
// double (1e999).
std::optional<double> ConvertNumber(std::string_view text);

// NormaliseNumber, then ConvertNumber; an empty text reads as nothing.
std::optional<double> ReadNumber(std::string_view text);

// A number written plainly, an optional "-", digits and at most one "." (digits on either side
// of it), with at most 19 digits, read from the front of [p, end): sets `value` to the same
// number ReadNumber gives for those characters and returns where they end. Returns nullptr
// when the text does not begin so. Most cells of a data file have this form, so the reading
// is kept here, where the file reader can inline it.
inline const char* ReadPlainDecimalPrefix(const char* p, const char* end, double& value) {
    // Exact powers of ten: every one up to 10^22 is a double.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                              1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                              1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
    constexpr std::ptrdiff_t kMaxDigits = 19;  // any 19 digits fit 64 bits
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    // The digits before and after the point make one whole number; the decimals say by
    // which power of ten to divide it.
    std::uint64_t digits = 0;
    const char* const wholeStart = p;
    while (p != end && isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    const std::ptrdiff_t wholeDigits = p - wholeStart;
    const char* decimalsStart = p;
    if (p != end && *p == '.') {
        decimalsStart = ++p;
        while (p != end && isDigit(*p))
            digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    }
    const std::ptrdiff_t decimals = p - decimalsStart;
    if (wholeDigits + decimals == 0 || wholeDigits + decimals > kMaxDigits ||
        digits > (std::uint64_t{1} << 53))
        return nullptr;
    // The digits and the power of ten are both exact doubles, so the one correctly rounded
    // division gives the double nearest to the decimal number, as the general conversion
    // does. The sign goes on before it (rounding is symmetric); adding 0 turns -0 into 0.
    const auto whole = static_cast<double>(static_cast<std::int64_t>(digits));
    value = (negative ? -whole : whole) / kPowersOfTen[decimals] + 0.0;
    return p;
}

// The whole text is a plainly written number (see ReadPlainDecimalPrefix): sets `value` and
// returns true. Any other text returns false and needs the general conversion.
inline bool ReadPlainDecimal(std::string_view text, double& value) {
    const char* const end = text.data() + text.size();
    double read = 0;
    const char* const stop = ReadPlainDecimalPrefix(text.data(), end, read);
    if (stop == nullptr || stop != end) return false;
    value = read;
    return true;
}

// Splits at every occurrence of the separator; fields are trimmed of spaces, empty fields
// between separators stay, a trailing separator adds no field. The views point into line.
std::vector<std::string_view> SplitAt(std::string_view line, char separator);
void SplitAt(std::string_view line, char separator, std::vector<std::string_view>& fields);

// What separates the fields of a case line: a tab when it has one, else a comma when it has
// one, else runs of spaces (' ').
char DataLineSeparator(std::string_view line);

// A case line, split at its separator (DataLineSeparator).
std::vector<std::string_view> SplitDataLine(std::string_view line);
void SplitDataLine(std::string_view line, std::vector<std::string_view>& fields);

struct HeaderFields {
    std::vector<std::string> fields;
    bool truncated = false;  // the line held more than the 512 fields kept
};
// A name or description line. Separators are tab, space and comma (tab only when tabOnly).
// A tab outside a field adds an empty field, or "Col" + its number with defaultNames;
// other separators only separate. A trailing separator counts once more.
HeaderFields SplitHeaderLine(std::string_view line, bool defaultNames, bool tabOnly);

// Whether blank commas in a number list stand for missing values. The user is asked the
// first time such a comma is met; every data file load asks again.
class BlankCommasSetting {
  public:
    void Rearm() { asked_ = false; }
    bool Asked() const { return asked_; }
    // Asks "Want blank Commas to indicate missing values?" when not asked yet.
    bool CommasAreMissing(UserInterface& ui);

  private:
    bool asked_ = false;
    bool commasAreMissing_ = false;
};

struct NumberField {
    std::string text;  // empty for a blank entry or a field that did not convert
    double value = 0;  // MissingValue for a blank entry or a field that did not convert
};
// Reads the numbers of a typed line (Process If lists, configuration values, chart limits):
// at most maxFields of them, MaxColumns unless the caller keeps every one (NoFieldLimit).
inline constexpr std::size_t NoFieldLimit = static_cast<std::size_t>(-1);
std::vector<NumberField> ParseNumberList(std::string_view line, UserInterface& ui,
                                         BlankCommasSetting& blankCommas,
                                         std::size_t maxFields = MaxColumns);

// Removes leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text);

}  // namespace vostrel
