#include "app/common/graph_services/axis_decimals_menu.h"

#include <QAction>
#include <QActionGroup>

#include <algorithm>

#include "engine/graphics/axis_format.h"

namespace vostrel::app {

QAction* BindAxisDecimalsMenu(QObject& owner, QAction* floating, const QList<QAction*>& digits,
                              int decimals, const std::function<void(int)>& select) {
    auto* group = new QActionGroup(&owner);
    group->addAction(floating);
    QObject::connect(floating, &QAction::triggered, &owner,
                     [select] { select(FloatingAxisDecimals); });
    for (int d = 0; d < digits.size(); ++d) {
        group->addAction(digits[d]);
        QObject::connect(digits[d], &QAction::triggered, &owner, [select, d] { select(d); });
    }
    if (decimals < 0 || digits.isEmpty()) return floating;
    return digits[std::min(decimals, static_cast<int>(digits.size()) - 1)];
}

}  // namespace vostrel::app
