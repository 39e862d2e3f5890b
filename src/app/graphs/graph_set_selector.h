#pragma once
// The analysis set selector of the graph windows: shown only when the analysis uses sets,
// filled with "Set=All" and "Set=" + value, and choosing an entry makes it the current set.

#include <functional>

class QComboBox;
class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class GraphSetSelector {
  public:
    // changed is called after the user chose an entry and it became the current set.
    GraphSetSelector(Workspace& ws, QWidget& panel, QComboBox& box, std::function<void()> changed);
    // Shows or hides the panel, refills the entries and selects "Set=All" (all sets).
    void Refill();

  private:
    Workspace& ws_;
    QWidget& panel_;
    QComboBox& box_;
    bool filling_ = false;
};

}  // namespace vostrel::app
