#pragma once
// The help window: the user guide with Back, Forward, Contents and Find, all by keyboard
// as well (Alt+Left, Alt+Right, Alt+Home, Ctrl+F and F3, Esc closes).

#include <QString>
#include <QWidget>

#include <memory>

#include "engine/helpers/help_topics.h"

namespace Ui {
class HelpBrowser;
}

namespace vostrel::app {

class GuideView;

class HelpBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit HelpBrowser(const QString& guideFolder, QWidget* parent = nullptr);
    ~HelpBrowser() override;

    void ShowTopic(const HelpTopic& topic);
    void ShowContents();
    GuideView* View() const;

  private:
    void BindKeys();
    void FindNext(bool backward);
    QUrl PageAddress(std::string_view page) const;

    std::unique_ptr<Ui::HelpBrowser> ui_;
    QString folder_;
};

}  // namespace vostrel::app
