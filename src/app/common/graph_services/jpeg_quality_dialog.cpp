#include "app/common/graph_services/jpeg_quality_dialog.h"

#include "ui_jpeg_quality_dialog.h"

namespace vostrel::app {

JpegQualityDialog::JpegQualityDialog(QWidget* parent)
    : QDialog(parent), ui_(new Ui::JpegQualityDialog) {
    ui_->setupUi(this);
}

JpegQualityDialog::~JpegQualityDialog() { delete ui_; }

int JpegQualityDialog::Quality() const { return ui_->SpinBox_Quality->value(); }

void JpegQualityDialog::SetQuality(int quality) { ui_->SpinBox_Quality->setValue(quality); }

std::optional<int> AskJpegQuality(QWidget* parent) {
    JpegQualityDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Quality();
}

}  // namespace vostrel::app
