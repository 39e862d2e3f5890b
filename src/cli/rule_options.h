#pragma once
// What the commands of vostrel-cli share in reading their options: the usage error, columns
// named by name or number, and the rule options (--missing, --process-if, --or, --transform)
// that apply as the rule dialogs of the program do.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vostrel {
class Workspace;
}

namespace vostrel::cli {

// A mistake on the command line: the command prints it with a hint and exits with 2.
struct UsageError {
    std::string message;
};

// Runs the body of a command; a UsageError is printed with a hint to the command's --help
// and gives the exit status 2.
int WithUsageErrors(const std::string& command, const std::function<int()>& body);

// One argument of a command line; "--name=value" gives the name and its inline value.
struct CommandArgument {
    std::string name;
    std::optional<std::string> inlineValue;
};
CommandArgument SplitArgument(const std::string& arg);
// The option's value: its inline value, else the next argument (i moves on to it).
std::string OptionValue(const Arguments& args, std::size_t& i, const CommandArgument& option);

bool AllDigits(const std::string& text);

// A column by its name, or by its 1-based number when no column has that name.
int FindColumn(const Workspace& ws, const std::string& token);
// The columns of a comma-separated list, in column order, each once.
std::vector<int> FindColumns(const Workspace& ws, const std::string& list,
                             const std::string& option);

double NumberOption(const std::string& text, const std::string& option);

// --missing "REL VALUE" (at most two), as the Missing Values dialog.
void ApplyMissing(Workspace& ws, const std::vector<std::string>& rules);
// --process-if "COLUMN REL VALUE" (at most two) and --or, as the Process If dialog.
void ApplyProcessIf(Workspace& ws, const std::vector<std::string>& conditions, bool orJoin);
// --transform "KIND A B C", as the Transform dialog.
void ApplyTransformOption(Workspace& ws, const std::string& text);

struct RuleOptions {
    std::vector<std::string> missing, processIf;
    bool orJoin = false;
    std::optional<std::string> transform;
};
void ApplyRuleOptions(Workspace& ws, const RuleOptions& rules);

}  // namespace vostrel::cli
