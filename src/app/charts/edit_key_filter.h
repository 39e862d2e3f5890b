#pragma once
// The program's numeric key filters on edit boxes: a key the rule refuses is dropped with a
// beep; a key the rule prepares for ("." typed into "0 ") first changes the box.

#include <QObject>

#include <functional>

#include "engine/helpers/key_filters.h"

class QLineEdit;

namespace vostrel::app {

enum class NumberKeys { SignedReal, PositiveReal, Digits };

class EditKeyFilter : public QObject {
    Q_OBJECT
  public:
    EditKeyFilter(QLineEdit& edit, NumberKeys keys);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit& edit_;
    NumberKeys keys_;
};

// Installs the filter on the box (the box owns it).
void FilterNumberKeys(QLineEdit& edit, NumberKeys keys);

}  // namespace vostrel::app
