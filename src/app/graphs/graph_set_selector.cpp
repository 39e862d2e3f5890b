#include "app/graphs/graph_set_selector.h"

#include <QComboBox>

#include "app/graphs/plot_frame.h"
#include "engine/graphs/graph_text.h"
#include "engine/workspace.h"

namespace vostrel::app {

GraphSetSelector::GraphSetSelector(Workspace& ws, QWidget& panel, QComboBox& box,
                                   std::function<void()> changed)
    : ws_(ws), panel_(panel), box_(box) {
    QObject::connect(&box_, &QComboBox::currentIndexChanged, &box_,
                     [this, changed = std::move(changed)](int index) {
                         if (filling_ || index < 0) return;
                         SelectAnalysisSet(ws_.data, index);
                         changed();
                     });
}

void GraphSetSelector::Refill() {
    filling_ = true;
    box_.clear();
    for (const std::string& entry : SetSelectorEntries(ws_.data, ws_.report.numberLocale))
        box_.addItem(ToQString(entry));
    box_.setCurrentIndex(box_.count() > 0 ? 0 : -1);
    panel_.setVisible(box_.count() > 0);
    SelectAnalysisSet(ws_.data, 0);
    filling_ = false;
}

}  // namespace vostrel::app
