#pragma once
// The locale settings that reports are written with: the number separators and the
// short date. A Workspace starts with the C/POSIX settings so that its reports are the
// same on every machine; the desktop program and the command-line tool switch to the
// user's locale with FromUserLocale().

#include <ctime>
#include <optional>
#include <string>

namespace vostrel {

struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";

    // The separators of LC_NUMERIC as the environment sets it (LC_ALL, LC_NUMERIC, LANG).
    static NumberLocale FromUserLocale();
    // The separators of the named locale; the C/POSIX defaults when it is not installed.
    // A locale without a thousands separator (C, POSIX) gives "," and ".".
    static NumberLocale FromLocaleName(const std::string& name);
};

// Where report dates come from. Tests and `vostrel-cli --date` fix the text; otherwise it
// is today's date in the locale's short date form.
class ReportDate {
  public:
    // strftime pattern of the short date; the C/POSIX form by default.
    std::string shortDateFormat = "%m/%d/%y";
    // When set, Today() returns this text instead of the clock's date.
    std::optional<std::string> fixedText;

    // The short date pattern (D_FMT) of LC_TIME as the environment sets it.
    static ReportDate FromUserLocale();
    static ReportDate FromLocaleName(const std::string& name);

    std::string Today() const;
    std::string ShortDate(const std::tm& date) const;
};

}  // namespace vostrel
