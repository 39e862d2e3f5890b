#include "engine/helpers/help_topics.h"

#include <array>
#include <cctype>

namespace vostrel {
namespace {

// Topic numbers of the windows and dialogs. The data editor, its save options, the rule and
// transform dialogs and the derived variables have numbers of this program's own (2000 to
// 2600).
constexpr std::array kTopics{
    HelpTopic{1000, "getting-started.md", ""},
    HelpTopic{2000, "data-editor.md", ""},
    HelpTopic{2200, "data-editor.md", "Saving the table"},
    HelpTopic{2300, "data-editor.md", "Missing values and Process If"},
    HelpTopic{2310, "data-editor.md", "Missing values and Process If"},
    HelpTopic{2400, "data-editor.md", "Transform equations"},
    HelpTopic{2600, "data-editor.md", "Derived variables"},
    HelpTopic{3000, "main-window.md", ""},
    HelpTopic{3100, "main-window.md", "User-set standard deviations"},
    HelpTopic{3700, "control-charts.md", "Setting up control charts"},
    HelpTopic{3750, "control-charts.md", "The chart window"},
    HelpTopic{3780, "control-charts.md", "Chart information"},
    HelpTopic{4100, "graphs.md", "Performance charts"},
    HelpTopic{4200, "graphs.md", "Box and whisker plots"},
    HelpTopic{4380, "control-charts.md", "Tests for statistical control"},
    HelpTopic{4400, "graphs.md", "Histogram"},
    HelpTopic{4500, "graphs.md", "Frequency plots"},
    HelpTopic{6000, "output-window.md", ""},
};

}  // namespace

HelpTopic FindHelpTopic(int number) {
    for (const HelpTopic& topic : kTopics) {
        if (topic.number == number) return topic;
    }
    return HelpTopic{number, kHelpContentsPage, ""};
}

const HelpTopic* HelpTopicsBegin() { return kTopics.data(); }
const HelpTopic* HelpTopicsEnd() { return kTopics.data() + kTopics.size(); }

std::string HeadingAnchor(std::string_view heading) {
    std::string anchor;
    for (const char c : heading) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '_' || byte >= 0x80) {
            anchor += static_cast<char>(std::tolower(byte));
        } else if (c == ' ') {
            anchor += '-';
        }
    }
    return anchor;
}

std::string UpdatePageAddress(std::string_view version) {
    return std::string(kWebSiteAddress) + "updates?version=" + std::string(version);
}

}  // namespace vostrel
