#include "app/common/graph_services/graph_title_target.h"

#include <qcustomplot.h>

namespace vostrel::app {

namespace {

int PointSize(const QFont& font) { return static_cast<int>(font.pointSizeF() + 0.5); }

QFont Resized(QFont font, int size) {
    if (size > 0) font.setPointSize(size);
    return font;
}

void SetAxisTitleSize(QCPAxis* axis, int size) {
    if (axis != nullptr && size > 0) axis->setLabelFont(Resized(axis->labelFont(), size));
}

void SetAxisLabelSize(QCPAxis* axis, int size) {
    if (axis != nullptr && size > 0) axis->setTickLabelFont(Resized(axis->tickLabelFont(), size));
}

}  // namespace

GraphTitles PlotTitleTarget::Titles() const {
    GraphTitles titles;
    if (title_ != nullptr) titles.Chart = title_->text();
    if (left_ != nullptr) titles.Left = left_->label();
    if (bottom_ != nullptr) titles.Bottom = bottom_->label();
    if (extra_ != nullptr) titles.Extra = extra_->label();
    return titles;
}

void PlotTitleTarget::SetTitles(const GraphTitles& titles) {
    if (title_ != nullptr) title_->setText(titles.Chart);
    if (left_ != nullptr) left_->setLabel(titles.Left);
    if (bottom_ != nullptr) bottom_->setLabel(titles.Bottom);
    if (extra_ != nullptr && HasExtraAxis()) extra_->setLabel(titles.Extra);
    plot_.replot();
}

GraphTitleSizes PlotTitleTarget::Sizes() const {
    GraphTitleSizes sizes;
    if (title_ != nullptr) sizes.ChartTitle = PointSize(title_->font());
    if (left_ != nullptr) {
        sizes.LeftTitle = PointSize(left_->labelFont());
        sizes.LeftLabels = PointSize(left_->tickLabelFont());
    }
    if (bottom_ != nullptr) {
        sizes.BottomTitle = PointSize(bottom_->labelFont());
        sizes.BottomLabels = PointSize(bottom_->tickLabelFont());
    }
    return sizes;
}

void PlotTitleTarget::SetSizes(const GraphTitleSizes& sizes) {
    if (title_ != nullptr && sizes.ChartTitle > 0) {
        title_->setFont(Resized(title_->font(), sizes.ChartTitle));
    }
    SetAxisTitleSize(left_, sizes.LeftTitle);
    SetAxisTitleSize(extra_, sizes.LeftTitle);
    SetAxisTitleSize(bottom_, sizes.BottomTitle);
    SetAxisLabelSize(left_, sizes.LeftLabels);
    SetAxisLabelSize(extra_, sizes.LeftLabels);
    SetAxisLabelSize(bottom_, sizes.BottomLabels);
    plot_.replot();
}

bool PlotTitleTarget::HasExtraAxis() const {
    return extra_ != nullptr && extra_->visible() && !extra_->label().isEmpty();
}

}  // namespace vostrel::app
