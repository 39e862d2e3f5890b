#pragma once
// Help that works without a network: the user guide ships with the program as Markdown
// pages and opens in the program's own help browser at the section of a window's topic.
// Web pages of the maker open in the user's browser.

#include <QString>

class QWidget;

namespace vostrel::app {

// The guide's section for a window's help topic number (the contents for an unknown one).
void OpenHelpTopic(int topic, QWidget* parent);
void OpenHelpContents(QWidget* parent);

// Asks the desktop to open a file or a web address with its default program; false when
// it could not.
bool OpenDocument(const QString& pathOrAddress);

// The maker's web site and the page about newer versions; "WEB Site not accessible" when
// the desktop cannot open them.
void OpenWebSite(QWidget* parent);
void OpenUpdatePage(QWidget* parent);

// The folder of the guide: VOSTREL_GUIDE_DIR when set, the installed guide beside the
// program, or the guide of the source tree the program was built from. Empty when none
// of them holds it.
QString GuideFolder();

}  // namespace vostrel::app
