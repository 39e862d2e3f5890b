// Vostrel, the desktop program.

#include <QApplication>
#include <QFileInfo>

#include "app/data/editor/crash_recovery.h"
#include "app/data/editor/data_editor_windows.h"
#include "app/data/editor/data_form.h"
#include "app/program_windows.h"
#include "app/shell/qsettings_store.h"
#include "app/shell/qt_user_interface.h"
#include "app/shell/window_directory.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/workspace.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZQX Zudizuzo"));
    QApplication::setApplicationName(QStringLiteral("Vostrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("VOSTREL"));

    vostrel::app::QtUserInterface ui;
    vostrel::app::QSettingsStore settings;
    vostrel::Workspace ws(ui, settings);
    ws.report.UseUserLocale();  // reports use the user's separators and short date
    vostrel::LoadTestDefaults(ws.settings, ws.chart.TestSettings);

    vostrel::app::WindowDirectory windows;
    vostrel::app::RegisterProgramWindows(ws, windows);
    vostrel::app::OfferRecovery(ws);  // the unsaved table of a run that crashed
    vostrel::app::TDataForm& window = *vostrel::app::DataEditor(windows, nullptr);
    ui.SetParent(&window);

    // An optional file on the command line, or "@LAST" for the most recent one.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        QString path = args.at(1).trimmed();
        if (path.compare(QStringLiteral("@LAST"), Qt::CaseInsensitive) == 0)
            path = QString::fromStdString(ws.mru.Flist[0]);
        if (QFileInfo::exists(path)) window.OpenFile(path);
    }
    return QApplication::exec();
}
