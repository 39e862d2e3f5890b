#pragma once
// What every graph window shares for the program run: the black-and-white drawing mode and
// the titles dialog's memory of the last texts confirmed with OK.

#include <string>

namespace vostrel {

struct GraphWindowSettings {
    bool BlackWhiteMode = false;
    std::string LastChartTitle;
    std::string LastLeftTitle;
    std::string LastBottomTitle;
};

}  // namespace vostrel
