#pragma once
// The axes' tick labels of a control chart: values in the chosen number format, point
// labels at whole positions, and the test codes above the points.

#include <QPointer>
#include <QString>
#include <QVector>

#include <qcustomplot.h>

#include <utility>
#include <vector>

#include "engine/report/report_locale.h"

namespace vostrel::app {

// "#,##0.#########" or "#,##0." with the decimals, in the report's number locale.
class ValueTicker : public QCPAxisTicker {
  public:
    ValueTicker(const NumberLocale& locale, int decimals) : locale_(locale), decimals_(decimals) {}

  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

  private:
    NumberLocale locale_;
    int decimals_;
};

// The label of each position; ticks only at whole positions, as many as fit the axis.
class PointLabelTicker : public QCPAxisTicker {
  public:
    PointLabelTicker(QCPAxis* axis, std::vector<QString> labels, bool rotated);
    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override;

  protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double /*tickStep*/) override { return 0; }
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

  private:
    QPointer<QCPAxis> axis_;
    std::vector<QString> labels_;
    int spacing_ = 40;  // pixels a label needs along the axis
};

// The codes of the positions that have any, as many as fit without overlapping.
class CodeTicker : public QCPAxisTicker {
  public:
    CodeTicker(QCPAxis* axis, std::vector<std::pair<double, QString>> codes)
        : axis_(axis), codes_(std::move(codes)) {}
    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                  QVector<double>& ticks, QVector<double>* subTicks,
                  QVector<QString>* tickLabels) override;

  private:
    QPointer<QCPAxis> axis_;
    std::vector<std::pair<double, QString>> codes_;  // by position
};

}  // namespace vostrel::app
