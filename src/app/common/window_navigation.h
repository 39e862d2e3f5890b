#pragma once
// Moving between the program's windows: the order in which they were last active, "Next
// Visible Form" / "Next Open Form", and hiding every window but one.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace vostrel::app {

class WindowNavigation : public QObject {
    Q_OBJECT
  public:
    // Watches the application for windows becoming active.
    explicit WindowNavigation(QObject* parent = nullptr);

    // The program's windows, the most recently active first (then those never active).
    std::vector<QWidget*> WindowsByActivation() const;
    // Restores and shows the window chosen by NextFormIndex; false when there is none.
    bool ShowNextForm(bool visibleOnly);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QPointer<QWidget>> order_;  // most recently active first
};

// The top-level windows of the program that a user can move to (no menus, tooltips or
// other popups).
std::vector<QWidget*> ProgramWindows();

// Makes every window of the program but `keep` invisible, so that nothing computed from
// earlier settings stays on screen.
void HideOtherWindows(const QWidget* keep);

// Restores a window from minimized, shows it and brings it to the front.
void RestoreAndShow(QWidget* window);

}  // namespace vostrel::app
