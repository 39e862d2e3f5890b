#include "engine/data/rule_descriptions.h"

#include "engine/data/case_rules.h"
#include "engine/data/transform.h"

namespace vostrel {

namespace {

std::string Join(const std::vector<std::string>& items, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += separator;
        joined += items[i];
    }
    return joined;
}

}  // namespace

FileModStrings GetFileModString(const CaseRules& rules, const TransformRec& transform) {
    FileModStrings result;
    std::vector<std::string>& items = result.Items;
    if (rules.Missing.Active) {
        for (const std::string& text : {rules.Missing.MissingText1(), rules.Missing.MissingText2()})
            if (!text.empty()) items.push_back("Missing When: " + text);
    }
    if (rules.ProcessIf.Active) {
        const std::string t1 = rules.ProcessIf.ProcessIfText1();
        const std::string t2 = rules.ProcessIf.ProcessIfText2();
        if (!t1.empty()) {
            const char* join = t2.empty() ? "" : (rules.ProcessIf.AndOr == 1 ? " or" : " and");
            items.push_back("Process If: " + t1 + join);
        }
        if (!t2.empty()) items.push_back("Process If: " + t2);
    }
    if (transform.On()) items.push_back("Transform: " + TransformText(transform));
    result.FileModString = Join(items, "\n");
    result.FileModStringTab = Join(items, "\n\t");
    result.FileModStringLine = Join(items, "  ");
    return result;
}

}  // namespace vostrel
