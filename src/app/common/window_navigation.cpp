#include "app/common/window_navigation.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>

#include <algorithm>

#include "engine/helpers/window_order.h"

namespace vostrel::app {

namespace {

bool IsProgramWindow(const QWidget* w) {
    if (!w->isWindow() || qobject_cast<const QMenu*>(w)) return false;
    const Qt::WindowType type = w->windowType();
    if (type != Qt::Window && type != Qt::Dialog) return false;
    // Qt keeps a few hidden helper windows of its own; ours all have a caption.
    return !w->windowTitle().isEmpty() || w->isVisible();
}

bool IsDialogStyle(const QWidget* w) {
    return qobject_cast<const QDialog*>(w) != nullptr || w->windowType() == Qt::Dialog;
}

}  // namespace

std::vector<QWidget*> ProgramWindows() {
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (IsProgramWindow(w)) windows.push_back(w);
    return windows;
}

void HideOtherWindows(const QWidget* keep) {
    for (QWidget* w : ProgramWindows())
        if (w != keep && w->isVisible() && !w->isModal()) w->hide();
}

void RestoreAndShow(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

WindowNavigation::WindowNavigation(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool WindowNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow()) {
            std::erase_if(order_, [w](const QPointer<QWidget>& p) { return p.isNull() || p == w; });
            order_.insert(order_.begin(), w);
        }
    }
    return QObject::eventFilter(watched, event);
}

std::vector<QWidget*> WindowNavigation::WindowsByActivation() const {
    const std::vector<QWidget*> all = ProgramWindows();
    std::vector<QWidget*> ordered;
    for (const QPointer<QWidget>& p : order_)
        if (p && std::find(all.begin(), all.end(), p.data()) != all.end()) ordered.push_back(p);
    for (QWidget* w : all)
        if (std::find(ordered.begin(), ordered.end(), w) == ordered.end()) ordered.push_back(w);
    return ordered;
}

bool WindowNavigation::ShowNextForm(bool visibleOnly) {
    const std::vector<QWidget*> windows = WindowsByActivation();
    std::vector<WindowState> states;
    for (const QWidget* w : windows) states.push_back({w->isVisible(), IsDialogStyle(w)});
    const int next = NextFormIndex(states, visibleOnly);
    if (next < 0) return false;
    RestoreAndShow(windows[static_cast<std::size_t>(next)]);
    return true;
}

}  // namespace vostrel::app
