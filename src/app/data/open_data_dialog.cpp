#include "app/data/open_data_dialog.h"

#include <QFileDialog>

#include "app/common/display_text.h"
#include "engine/workspace.h"

namespace vostrel::app {

QString ChooseDataFile(Workspace& ws, QWidget* parent) {
    static const QString kFilter = QStringLiteral(
        "Data Files (*.dat *.zqx *.zqxs);;ZQXstats Data Files (*.zqx);;ZQXspc Data Files (*.zqxs);;"
        "Data Files (*.dat);;Text Files (*.txt);;All Files (*)");
    const QString start = ToDisplayText(ws.mru.LastPath());
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), start, kFilter);
}

}  // namespace vostrel::app
