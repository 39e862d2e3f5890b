#include "app/common/graph_services/graph_help.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

#include "app/common/help.h"

namespace vostrel::app {

void BindHelpCommands(QWidget& window, QAction* help, QAction* contents, int topic) {
    QWidget* parent = &window;
    if (help != nullptr)
        QObject::connect(help, &QAction::triggered, parent,
                         [parent, topic] { OpenHelpTopic(topic, parent); });
    if (contents != nullptr)
        QObject::connect(contents, &QAction::triggered, parent,
                         [parent] { OpenHelpContents(parent); });
}

void BindHelpCommand(QWidget& window, QAbstractButton* help, int topic) {
    QWidget* parent = &window;
    QObject::connect(help, &QAbstractButton::clicked, parent,
                     [parent, topic] { OpenHelpTopic(topic, parent); });
}

}  // namespace vostrel::app
