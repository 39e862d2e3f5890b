#include "engine/helpers/text_helpers.h"

#include <charconv>

namespace vostrel {

std::string ShortestText(double x) {
    char buffer[64];  // the longest shortest form of a double is 24 characters
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string JoinStrings(const std::vector<std::string>& items, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += separator;
        joined += items[i];
    }
    return joined;
}

}  // namespace vostrel
