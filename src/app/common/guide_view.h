#pragma once
// A page of the user guide: Markdown shown by QTextBrowser. Links to other pages and to
// headings ("page.md#heading-anchor", with the anchors Markdown renderers give headings)
// open here; links to web pages open in the user's browser.

#include <QTextBrowser>
#include <QUrl>

namespace vostrel::app {

class GuideView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit GuideView(QWidget* parent = nullptr);

    // Shows the page, at the heading named by the address's fragment when it has one.
    void Open(const QUrl& address);
    // Puts the heading with this anchor at the top and the caret on it; false when the
    // page has no such heading.
    bool ScrollToHeading(const QString& anchor);

  private:
    void LinkClicked(const QUrl& link);
};

}  // namespace vostrel::app
