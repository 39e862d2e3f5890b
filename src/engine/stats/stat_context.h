#pragma once
// The program's last-error code and the way the statistics library reports a routine
// that did not converge. One instance lives in the Workspace; functions that can fail
// take it as their first argument, so nothing is global.

namespace vostrel {

class UserInterface;

struct StatContext {
    // 0 no error; 1 invalid argument; 2 no data; 10 no convergence; 99 outside the domain.
    // Callers reset it to 0 and test it right after the call they care about.
    int StatErrorCode = 0;
    // Where "Error in Statistical Routine ..." warnings go; none in silent use.
    UserInterface* ui = nullptr;
};

}  // namespace vostrel
