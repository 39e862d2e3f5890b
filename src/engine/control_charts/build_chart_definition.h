#pragma once
// Turns the setup into the chart definition when Action is pressed, validating the
// known parameters, the user-defined limits and the standard error multiplier.

#include <optional>
#include <string_view>

#include "engine/control_charts/chart_definition.h"
#include "engine/control_charts/chart_setup_model.h"
#include "engine/stats/stat_context.h"
#include "engine/core/user_interface.h"

namespace vostrel {

inline constexpr std::string_view KnownSigmaNotValid = "Known Sigma Not Valid!";
inline constexpr std::string_view KnownMeanNotValid = "Known Location Parameter Not Valid!";
inline constexpr std::string_view UserLocLimitsNotValid = "User Defined Location Limits Not Valid!";
inline constexpr std::string_view UserDispLimitsNotValid =
    "User Defined Dispersion Limits Not Valid!";
inline constexpr std::string_view StdErrNotValid = "Standard Error Multiplier Not Valid!";

// An edit field's text read as a number: blanks around it are ignored, "." or a single ","
// is the decimal point, an exponent is accepted. Nothing for any other text.
std::optional<double> ReadSetupNumber(std::string_view text);

// Fills the definition and the run choice from the setup. On the first invalid field it
// shows the field's message, sets stat.StatErrorCode to 1 and returns false; the fields
// read before it keep their new values.
bool BuildChartDefinition(const ChartSetupModel& setup, UserInterface& ui, StatContext& stat,
                          ChartDefinition& definition, ChartRunChoice& run);

}  // namespace vostrel
