#include "app/common/graph_services/graph_navigation.h"

#include <QAction>
#include <QApplication>

namespace vostrel::app {

QWidget* FindMainForm() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("TPerformanceForm")) return widget;
    }
    return nullptr;
}

void ShowRestored(QWidget* window) {
    if (window == nullptr) return;
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

GraphNavigation::GraphNavigation(QWidget& window, QAction* returnButton, QAction* returnItem)
    : window_(window), returnButton_(returnButton), returnItem_(returnItem) {
    ShowName(MainFormName);
}

void GraphNavigation::ShowName(const QString& name) {
    name_ = name;
    if (!returnButton_.isNull()) returnButton_->setToolTip(QStringLiteral("Return to ") + name);
    if (!returnItem_.isNull()) returnItem_->setText(QStringLiteral("&Return to ") + name);
}

void GraphNavigation::Open(QWidget* caller, const QString& name) {
    caller_ = caller;
    ShowName(name);
    ShowRestored(&window_);
}

void GraphNavigation::Return() {
    QWidget* target = caller_.isNull() ? FindMainForm() : caller_.data();
    caller_ = nullptr;
    ShowName(MainFormName);
    ShowRestored(target);
}

void GraphNavigation::ShowMainForm() const { ShowRestored(FindMainForm()); }

void GraphNavigation::HideForm() { window_.hide(); }

}  // namespace vostrel::app
