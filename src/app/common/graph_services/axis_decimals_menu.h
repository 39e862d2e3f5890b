#pragma once
// The Axis Decimal Places menu of a chart or graph window: Floating and 0..9 decimals, one of
// them checked at a time.

#include <QList>

#include <functional>

class QAction;
class QObject;

namespace vostrel::app {

// Makes the items one exclusive group owned by `owner`; choosing one calls select with its
// decimals (FloatingAxisDecimals for Floating). Returns the item of `decimals`.
QAction* BindAxisDecimalsMenu(QObject& owner, QAction* floating, const QList<QAction*>& digits,
                              int decimals, const std::function<void(int)>& select);

}  // namespace vostrel::app
