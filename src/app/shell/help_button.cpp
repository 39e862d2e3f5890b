#include "app/shell/help_button.h"

#include <QAbstractButton>

namespace vostrel::app {

void BindHelpButton(QAbstractButton* button, int /*topic*/) {
    // The help browser is not part of the program yet.
    button->setEnabled(false);
    button->setToolTip(QStringLiteral("Not available yet"));
}

}  // namespace vostrel::app
