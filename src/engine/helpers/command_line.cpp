#include "engine/helpers/command_line.h"

#include <cctype>

#include "engine/data/text_rules.h"
#include "engine/helpers/file_checks.h"

namespace vostrel {

namespace {

bool IsLastKeyword(const std::string& text) {
    static const std::string kLast = "@LAST";
    if (text.size() != kLast.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != kLast[i]) return false;
    return true;
}

}  // namespace

StartFile ResolveStartFile(const std::string& argument, const std::string& mostRecent) {
    StartFile start;
    std::string path(TrimSpaces(argument));
    if (path.empty()) return start;
    if (IsLastKeyword(path)) {
        if (mostRecent.empty()) {
            start.problem = "There is no recently used file to open (@LAST).";
            return start;
        }
        path = mostRecent;
    }
    start.problem = OpenFileProblem(path);
    if (start.problem.empty()) start.path = path;
    return start;
}

}  // namespace vostrel
