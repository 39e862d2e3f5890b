#include "engine/report/report_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <array>

namespace vostrel {
namespace {

// A locale object of one category, freed on every path.
class LocaleHandle {
  public:
    LocaleHandle(int categoryMask, const std::string& name)
        : handle_(newlocale(categoryMask, name.c_str(), static_cast<locale_t>(nullptr))) {}
    ~LocaleHandle() {
        if (handle_ != static_cast<locale_t>(nullptr)) freelocale(handle_);
    }
    LocaleHandle(const LocaleHandle&) = delete;
    LocaleHandle& operator=(const LocaleHandle&) = delete;

    bool Valid() const { return handle_ != static_cast<locale_t>(nullptr); }
    std::string Info(nl_item item) const {
        const char* text = nl_langinfo_l(item, handle_);
        return text == nullptr ? std::string() : std::string(text);
    }

  private:
    locale_t handle_;
};

}  // namespace

NumberLocale NumberLocale::FromUserLocale() { return FromLocaleName(""); }

NumberLocale NumberLocale::FromLocaleName(const std::string& name) {
    NumberLocale result;
    LocaleHandle locale(LC_NUMERIC_MASK, name);
    if (!locale.Valid()) return result;
    const std::string thousands = locale.Info(THOUSEP);
    const std::string decimal = locale.Info(RADIXCHAR);
    // Without a thousands separator the report keeps both of its own separators, so that
    // the decimal point can never be mistaken for a group separator.
    if (thousands.empty() || decimal.empty() || thousands == decimal) return result;
    result.decimalSeparator = decimal;
    result.thousandSeparator = thousands;
    return result;
}

ReportDate ReportDate::FromUserLocale() { return FromLocaleName(""); }

ReportDate ReportDate::FromLocaleName(const std::string& name) {
    ReportDate result;
    LocaleHandle locale(LC_TIME_MASK, name);
    if (!locale.Valid()) return result;
    const std::string format = locale.Info(D_FMT);
    if (!format.empty()) result.shortDateFormat = format;
    return result;
}

std::string ReportDate::Today() const {
    if (fixedText) return *fixedText;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return std::string();
    return ShortDate(local);
}

std::string ReportDate::ShortDate(const std::tm& date) const {
    std::array<char, 128> buffer{};
    const std::size_t length =
        std::strftime(buffer.data(), buffer.size(), shortDateFormat.c_str(), &date);
    return std::string(buffer.data(), length);
}

}  // namespace vostrel
