#include "app/charts/point_label_dialog.h"

#include <algorithm>

#include "ui_point_label_dialog.h"

namespace vostrel::app {

TForm_PointLabel::TForm_PointLabel(const QString& text, const QString& lastText, QWidget* parent)
    : QDialog(parent), ui_(new Ui::TForm_PointLabel) {
    ui_->setupUi(this);
    ui_->Edit1->setText(text);
    ui_->Edit1->selectAll();
    ui_->SpeedButton1->setToolTip(lastText);
    connect(ui_->SpeedButton1, &QToolButton::clicked, this,
            [this, lastText] { ui_->Edit1->setText(lastText); });
}

TForm_PointLabel::~TForm_PointLabel() { delete ui_; }

QString TForm_PointLabel::Text() const { return ui_->Edit1->text(); }

void TForm_PointLabel::PlaceAt(const QPoint& globalPointer) {
    adjustSize();
    const int top = std::max(globalPointer.y() - height() - 20, 0);
    const int left = std::max(globalPointer.x() - width() / 2, 0);
    move(left, top);
}

}  // namespace vostrel::app
