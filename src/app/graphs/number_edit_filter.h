#pragma once
// The numeric key filters on a line edit: keys the filter refuses are dropped with a beep,
// and Enter runs the box's command.

#include <QObject>

#include <functional>

class QLineEdit;

namespace vostrel::app {

class NumberEditFilter : public QObject {
  public:
    // signedNumber: a sign is allowed (first midpoints); otherwise only unsigned numbers.
    NumberEditFilter(QLineEdit& edit, bool signedNumber, std::function<void()> enter);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit& edit_;
    bool signed_;
    std::function<void()> enter_;
};

}  // namespace vostrel::app
