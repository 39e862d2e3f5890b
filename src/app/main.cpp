// Vostrel, the desktop program.

#include <QApplication>
#include <QTimer>

#include <memory>

#include "app/data/editor/crash_recovery.h"
#include "app/data/open_data_dialog.h"
#include "app/data/save_table_dialog.h"
#include "app/program_windows.h"
#include "app/main_window/about_box.h"
#include "app/common/display_text.h"
#include "app/main_window/performance_form.h"
#include "app/main_window/program_options.h"
#include "app/common/qsettings_store.h"
#include "app/common/qt_user_interface.h"
#include "app/common/window_directory.h"
#include "engine/control_charts/control_test_settings.h"
#include "engine/workspace.h"

namespace {

// How long the splash window stays before the main window shows: three seconds, or what
// VOSTREL_SPLASH_MS says (0 skips it, for scripts and measurements).
int SplashMilliseconds() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VOSTREL_SPLASH_MS", &ok);
    return ok && ms >= 0 ? ms : 3000;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = vostrel::app::AnswerProgramOptions(argc, argv); status >= 0)
        return status;
    using namespace vostrel;
    using namespace vostrel::app;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZQX Zudizuzo"));
    QApplication::setApplicationName(QStringLiteral("Vostrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("VOSTREL"));
    QApplication::setQuitOnLastWindowClosed(false);  // the main window decides when to end

    QtUserInterface ui;
    QSettingsStore settings;
    Workspace ws(ui, settings);
    ws.report.UseUserLocale();  // reports use the user's separators and short date
    LoadTestDefaults(ws.settings, ws.chart.TestSettings);

    const int splashMs = SplashMilliseconds();
    std::unique_ptr<TSplashForm> splash;
    if (splashMs > 0) {
        splash = std::make_unique<TSplashForm>();
        splash->show();
    }

    WindowDirectory windows;
    TPerformanceForm form(ws, windows);
    ui.SetParent(&form);
    ui.SetSaveAsHandler([&] { return SaveTableAs(ws, &form); });
    ui.SetOpenFileHandler([&] { return FromDisplayText(ChooseDataFile(ws, &form)); });
    RegisterProgramWindows(ws, windows);
    QObject::connect(&form, &TPerformanceForm::ProgramEnds, &app, &QApplication::quit);

    // The one optional argument: a file to open, or "@LAST".
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) form.SetCommandLineArgument(args.at(1));

    QTimer::singleShot(splashMs, &form, [&] {
        splash.reset();
        OfferRecovery(ws);  // the unsaved table of a run that crashed
        form.show();
    });
    return QApplication::exec();
}
