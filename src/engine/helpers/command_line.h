#pragma once
// The one optional argument of the desktop program: a file to open at start, or "@LAST"
// (in any case) for the most recently used file.

#include <string>

namespace vostrel {

struct StartFile {
    std::string path;     // the file to open; empty when there is none
    std::string problem;  // why nothing can be opened, for a message; empty when all is well
};

// The file named by the argument (trimmed of spaces); mostRecent is the first entry of the
// recently-used list. An empty argument opens nothing and is no problem.
StartFile ResolveStartFile(const std::string& argument, const std::string& mostRecent);

}  // namespace vostrel
