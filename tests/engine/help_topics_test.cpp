#include "engine/helpers/help_topics.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/core/version.h"

namespace vostrel {
namespace {

TEST(HelpTopics, HeadingAnchorsAreThoseOfMarkdownRenderers) {
    EXPECT_EQ(HeadingAnchor("Save, print and copy"), "save-print-and-copy");
    EXPECT_EQ(HeadingAnchor("Missing values, Process If and the transform"),
              "missing-values-process-if-and-the-transform");
    EXPECT_EQ(HeadingAnchor("Time(Control) and Pp(Stream)"), "timecontrol-and-ppstream");
    EXPECT_EQ(HeadingAnchor("User-set standard deviations"), "user-set-standard-deviations");
}

TEST(HelpTopics, EveryWindowHasItsTopicAndUnknownNumbersShowTheContents) {
    std::set<int> numbers;
    for (const HelpTopic* topic = HelpTopicsBegin(); topic != HelpTopicsEnd(); ++topic) {
        EXPECT_TRUE(numbers.insert(topic->number).second) << topic->number;
        EXPECT_EQ(FindHelpTopic(topic->number).page, topic->page);
    }
    for (int number : {1000, 2200, 2300, 2310, 2400, 3000, 3100, 3700, 3750, 3780, 4100, 4200, 4380,
                       4400, 4500, 6000})
        EXPECT_EQ(numbers.count(number), 1u) << number;
    EXPECT_EQ(FindHelpTopic(12).page, kHelpContentsPage);
    EXPECT_TRUE(FindHelpTopic(12).heading.empty());
}

TEST(HelpTopics, UpdatePageNamesTheVersion) {
    const std::string address = UpdatePageAddress(kProgramVersion);
    EXPECT_EQ(address.rfind(kWebSiteAddress, 0), 0u);
    EXPECT_NE(address.find(kProgramVersion), std::string::npos);
}

}  // namespace
}  // namespace vostrel
