#pragma once
// The values the statistics library writes into StatContext::StatErrorCode, and the one
// way it tells the user that an iterative routine gave up.

#include <string>

#include "engine/stats/stat_context.h"

namespace vostrel {

inline constexpr int StatNoError = 0;
inline constexpr int StatInvalidArgument = 1;
inline constexpr int StatNoData = 2;
inline constexpr int StatNoConvergence = 10;
inline constexpr int StatOutsideDomain = 99;

// Sets the error code to StatNoConvergence and warns "Error in Statistical Routine "
// followed by the routine text (for example "- BETACF routine").
void StatError(StatContext& ctx, const std::string& routine);

}  // namespace vostrel
