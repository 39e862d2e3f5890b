#include "app/charts/plot/chart_tickers.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/axis_format.h"

namespace vostrel::app {

QString ValueTicker::getTickLabel(double tick, const QLocale& /*locale*/, QChar /*formatChar*/,
                                  int /*precision*/) {
    return QString::fromStdString(FormatAxisValue(locale_, decimals_, tick));
}

PointLabelTicker::PointLabelTicker(QCPAxis* axis, std::vector<QString> labels, bool rotated)
    : axis_(axis), labels_(std::move(labels)) {
    setTickStepStrategy(tssReadability);
    const QFontMetrics metrics(axis->tickLabelFont());
    if (rotated) {
        spacing_ = metrics.height() + 4;
        return;
    }
    // The widest label decides; a long chart is measured on a sample of its labels.
    const std::size_t step = std::max<std::size_t>(1, labels_.size() / 2000);
    int widest = 0;
    for (std::size_t i = 0; i < labels_.size(); i += step) {
        widest = std::max(widest, metrics.horizontalAdvance(labels_[i]));
    }
    if (!labels_.empty()) widest = std::max(widest, metrics.horizontalAdvance(labels_.back()));
    spacing_ = widest + 12;
}

void PointLabelTicker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar,
                                int precision, QVector<double>& ticks, QVector<double>* subTicks,
                                QVector<QString>* tickLabels) {
    const int length = axis_.isNull() ? 400 : axis_->axisRect()->width();
    setTickCount(std::max(1, length / std::max(spacing_, 1)));
    QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
}

double PointLabelTicker::getTickStep(const QCPRange& range) {
    // Labels stand at whole positions only; every position when there is room.
    const double positions = range.size();
    const int length = axis_.isNull() ? 400 : axis_->axisRect()->width();
    if (positions * spacing_ <= length) return 1.0;
    return std::max(1.0, std::ceil(QCPAxisTicker::getTickStep(range)));
}

QString PointLabelTicker::getTickLabel(double tick, const QLocale& /*locale*/, QChar /*formatChar*/,
                                       int /*precision*/) {
    const double position = std::round(tick);
    if (std::fabs(tick - position) > 1e-6 || position < 0 ||
        position >= static_cast<double>(labels_.size())) {
        return {};
    }
    return labels_[static_cast<std::size_t>(position)];
}

void CodeTicker::generate(const QCPRange& range, const QLocale& /*locale*/, QChar /*formatChar*/,
                          int /*precision*/, QVector<double>& ticks, QVector<double>* subTicks,
                          QVector<QString>* tickLabels) {
    ticks.clear();
    if (subTicks != nullptr) subTicks->clear();
    if (tickLabels != nullptr) tickLabels->clear();
    if (axis_.isNull()) return;
    const double minimumGap = QFontMetrics(axis_->tickLabelFont()).height();
    auto it = std::lower_bound(codes_.begin(), codes_.end(), range.lower,
                               [](const auto& code, double key) { return code.first < key; });
    double lastPixel = -1e9;
    for (; it != codes_.end() && it->first <= range.upper; ++it) {
        const double pixel = axis_->coordToPixel(it->first);
        if (std::fabs(pixel - lastPixel) < minimumGap) continue;
        lastPixel = pixel;
        ticks.append(it->first);
        if (tickLabels != nullptr) tickLabels->append(it->second);
    }
}

}  // namespace vostrel::app
