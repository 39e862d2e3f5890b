#include "app/common/help_button.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include "app/common/help.h"

namespace vostrel::app {

namespace {

// The window an action belongs to (a menu is a window of its own, so look past it).
QWidget* OwnerWindow(QAction* action) {
    auto* owner = qobject_cast<QWidget*>(action->parent());
    while (qobject_cast<QMenu*>(owner) != nullptr) owner = owner->parentWidget();
    return owner != nullptr ? owner->window() : nullptr;
}

void BindTopic(QAction* action, int topic) {
    if (action == nullptr) return;
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, action,
                     [action, topic] { OpenHelpTopic(topic, OwnerWindow(action)); });
}

}  // namespace

void BindHelpButton(QAbstractButton* button, int topic) {
    button->setEnabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, topic] { OpenHelpTopic(topic, button->window()); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, button->window());
    QObject::connect(f1, &QShortcut::activated, button, &QAbstractButton::click);
}

void BindHelpCommands(QAction* topicItem, QAction* topicButton, QAction* contents, int topic) {
    if (topicItem != nullptr && topicItem->shortcut().isEmpty())
        topicItem->setShortcut(QKeySequence::HelpContents);
    BindTopic(topicItem, topic);
    BindTopic(topicButton, topic);
    if (contents != nullptr) {
        contents->setEnabled(true);
        QObject::connect(contents, &QAction::triggered, contents,
                         [contents] { OpenHelpContents(OwnerWindow(contents)); });
    }
}

}  // namespace vostrel::app
