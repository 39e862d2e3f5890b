#include "engine/data/run_info.h"

namespace vostrel {

// Every field has its cleared value as its default.
void TRunInfo::InitRunInfo() { *this = TRunInfo(); }

}  // namespace vostrel
