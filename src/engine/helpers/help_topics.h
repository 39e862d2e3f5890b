#pragma once
// Where the user guide answers a window's help topic, and the maker's web addresses.
// The guide is a folder of Markdown pages; a topic is a page and a heading on it.

#include <string>
#include <string_view>

namespace vostrel {

struct HelpTopic {
    int number = 0;
    std::string_view page;     // a file of the guide folder
    std::string_view heading;  // the heading that starts the topic's section; empty for the top
};

inline constexpr std::string_view kHelpContentsPage = "index.md";

// The topic of a number; the contents page when the number is not known.
HelpTopic FindHelpTopic(int number);

// Every topic, in the order of their numbers.
const HelpTopic* HelpTopicsBegin();
const HelpTopic* HelpTopicsEnd();

// The anchor of a heading as Markdown renderers make it: lower case, spaces as "-",
// punctuation left out ("Save, print and copy" becomes "save-print-and-copy").
std::string HeadingAnchor(std::string_view heading);

// The maker's web site, and the page that tells whether a newer version exists.
inline constexpr char kWebSiteAddress[] = "https://www.zudizuzo.example/vostrel/";
std::string UpdatePageAddress(std::string_view version);

}  // namespace vostrel
