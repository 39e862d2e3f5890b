#include "engine/stats/stat_error.h"

#include "engine/core/user_interface.h"

namespace vostrel {

void StatError(StatContext& ctx, const std::string& routine) {
    ctx.StatErrorCode = StatNoConvergence;
    if (ctx.ui != nullptr) ctx.ui->Warning("Error in Statistical Routine " + routine);
}

}  // namespace vostrel
