#pragma once
// "Return to" navigation of a graph window: the window remembers who opened it and its
// name, names it on the Return button and menu item, and goes back to it; "Main Form" shows
// the main window and "Hide Form" hides the graph window.

#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;

namespace vostrel::app {

// The program's main window (the top-level window named "TPerformanceForm"), or nullptr.
QWidget* FindMainForm();

// Shows a window, restored when it was minimised, in front and active.
void ShowRestored(QWidget* window);

class GraphNavigation {
  public:
    inline static const QString MainFormName = QStringLiteral("Main Form");

    // returnButton (hint) and returnItem (caption) may be the same action, or missing.
    GraphNavigation(QWidget& window, QAction* returnButton, QAction* returnItem);

    // Remembers the caller and its name and shows the window.
    void Open(QWidget* caller, const QString& name);
    // Shows the caller (the main window when there is none) and forgets it.
    void Return();
    void ShowMainForm() const;
    void HideForm();

    QWidget* Caller() const { return caller_.data(); }
    QString CallerName() const { return name_; }

  private:
    void ShowName(const QString& name);

    QWidget& window_;
    QPointer<QAction> returnButton_;
    QPointer<QAction> returnItem_;
    QPointer<QWidget> caller_;
    QString name_ = MainFormName;
};

}  // namespace vostrel::app
