#pragma once
// The options that only ask about the program, answered before anything needs a display:
// "vostrel --version" and "vostrel --help" work on a server and for man-page generation.

#include <ostream>

namespace vostrel::app {

// Prints the version or the usage when the command line asks for it. Returns the exit
// status when the program should end now, or -1 when it should start.
int AnswerProgramOptions(int argc, const char* const* argv, std::ostream& out);
// The same on standard output.
int AnswerProgramOptions(int argc, const char* const* argv);

}  // namespace vostrel::app
