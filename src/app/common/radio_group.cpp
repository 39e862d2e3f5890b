#include "app/common/radio_group.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace vostrel::app {

QButtonGroup* GroupRadioButtons(QGroupBox* box) {
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (QRadioButton* button : box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        group->addButton(button, id++);
    return group;
}

}  // namespace vostrel::app
