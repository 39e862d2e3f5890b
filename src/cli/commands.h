#pragma once
// The commands of vostrel-cli. Each takes the arguments after its name and returns the
// exit status: 0 success, 1 an error the program would show in an error box, 2 a usage error.

#include <string>
#include <vector>

namespace vostrel::cli {

using Arguments = std::vector<std::string>;

int InfoCommand(const Arguments& args);
int AnalyzeCommand(const Arguments& args);
int ChartCommand(const Arguments& args);
int GraphCommand(const Arguments& args);
int DeriveCommand(const Arguments& args);

}  // namespace vostrel::cli
