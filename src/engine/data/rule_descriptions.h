#pragma once
// The one-line description of the active rules shown under graphs and in reports.

#include <string>
#include <vector>

namespace vostrel {

struct CaseRules;
struct TransformRec;

struct FileModStrings {
    std::vector<std::string> Items;  // "Missing When: ...", "Process If: ...", "Transform: ..."
    std::string FileModString;       // items separated by line breaks
    std::string FileModStringTab;    // by a line break and a tab
    std::string FileModStringLine;   // by two spaces
    bool Any() const { return !Items.empty(); }
};

FileModStrings GetFileModString(const CaseRules& rules, const TransformRec& transform);

}  // namespace vostrel
