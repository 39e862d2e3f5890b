#pragma once
// Binds one of the program's numeric key filters to an edit box: a key the filter refuses
// is dropped with a beep, and pasted text that brings in other characters is refused.

#include "engine/helpers/key_filters.h"

class QLineEdit;

namespace vostrel::app {

// Installs the filter, or changes the kind of the one already installed.
void BindKeyFilter(QLineEdit* edit, KeyFilterKind kind);

}  // namespace vostrel::app
