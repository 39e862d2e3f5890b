// Vostrel, the desktop program.

#include <QApplication>
#include <QFileInfo>

#include "app/data/data_window.h"
#include "app/shell/program_options.h"
#include "app/shell/qsettings_store.h"
#include "app/shell/qt_user_interface.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/workspace.h"

int main(int argc, char** argv) {
    if (const int status = vostrel::app::AnswerProgramOptions(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZQX Zudizuzo"));
    QApplication::setApplicationName(QStringLiteral("Vostrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("VOSTREL"));

    vostrel::app::QtUserInterface ui;
    vostrel::app::QSettingsStore settings;
    vostrel::Workspace ws(ui, settings);
    ws.report.UseUserLocale();  // reports use the user's separators and short date
    vostrel::LoadTestDefaults(ws.settings, ws.chart.TestSettings);

    vostrel::app::DataWindow window(ws);
    ui.SetParent(&window);
    window.show();

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
