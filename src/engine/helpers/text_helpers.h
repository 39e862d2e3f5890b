#pragma once
// Small text helpers shared by the engine and the command-line tool.

#include <string>
#include <vector>

namespace vostrel {

// The shortest text that reads back as the same double ("0.1", "1e+300", "nan").
std::string ShortestText(double x);

// The items with the separator between each two.
std::string JoinStrings(const std::vector<std::string>& items, const std::string& separator);

}  // namespace vostrel
