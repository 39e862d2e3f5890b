#include "engine/data/rule_descriptions.h"

#include "engine/data/case_rules.h"
#include "engine/data/transform.h"
#include "engine/helpers/text_helpers.h"

namespace vostrel {

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
    result.FileModString = JoinStrings(items, "\n");
    result.FileModStringTab = JoinStrings(items, "\n\t");
    result.FileModStringLine = JoinStrings(items, "  ");
    return result;
}

}  // namespace vostrel
