#pragma once
// The options that describe an analysis, shared by the commands that run it (analyze and
// graph): a configuration file, or a data file with the measures, streams, sets, mode,
// user-set standard deviations, rules and transform; and how they enter a Workspace.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/rule_options.h"

namespace vostrel {
class Workspace;
}

namespace vostrel::cli {

struct AnalysisOptions {
    std::string file;
    std::optional<std::string> measures, streams, mode, sets, decimals, title;
    std::optional<std::string> userMeasurement, userPotential, userStream, transform;
    std::vector<std::string> missing, processIf;
    bool orJoin = false;
    bool help = false;

    bool HasDataSettings() const {
        return measures || streams || mode || sets || decimals || title || userMeasurement ||
               userPotential || userStream || transform || !missing.empty() || !processIf.empty() ||
               orJoin;
    }
};

// The option being read: its value (the next argument, or the text after "="), or the
// check that a flag was given none.
class OptionReader {
  public:
    OptionReader(const Arguments& args, std::size_t& i, std::string name,
                 std::optional<std::string> inlineValue)
        : args_(args), i_(i), name_(std::move(name)), inline_(std::move(inlineValue)) {}
    std::string Value();
    void Flag() const;
    const std::string& Name() const { return name_; }

  private:
    const Arguments& args_;
    std::size_t& i_;
    std::string name_;
    std::optional<std::string> inline_;
};

// A command's own options, asked first: takes the option and returns true, or returns
// false when it is not one of them.
using CommandOptions = std::function<bool(OptionReader& option)>;

// The analysis options and the one file, with the command's own options in between.
AnalysisOptions ParseAnalysisOptions(const Arguments& args, const CommandOptions& own);

// The help text of the settings options (data file only).
void PrintSettingsUsage(std::ostream& out);

// The configuration with its data file, or the data file with the settings options.
// False after a message on standard error.
bool LoadAnalysisSettings(Workspace& ws, const AnalysisOptions& o);


}  // namespace vostrel::cli
