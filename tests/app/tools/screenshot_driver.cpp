// Takes the pictures of the program's windows that the README and the user guide show.
// scripts/screenshots builds and runs it offscreen; it writes one PNG per shot into the
// folder named on its command line (docs/images/ by default).
//
// To add a window: write a function that brings it up from the Shots context and returns
// the widget to photograph (the main window has already opened the example configuration
// and pressed Action), and add one line to kShots below:
//
//     {"histogram", [](Shots& s) { return s.Open(ProgramWindow::Histogram); }},
//
// A dialog is shown without exec() (show() is enough for a picture) and closed again by
// the driver after the picture is taken. `vostrel_screenshots --list` prints the names;
// naming shots on the command line takes only those.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QTabWidget>

#include "app/data/editor/data_form.h"
#include "app/data/editor/find_dialog.h"
#include "app/data/editor/grid_model.h"
#include "app/data/editor/grid_view.h"
#include "app/data/rules/missing_values_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/data/rules/transform_dialog.h"
#include "app/program_windows.h"
#include "app/report/output_window.h"
#include "app/shell/about_box.h"
#include "app/shell/performance_form.h"
#include "app/shell/var_input_form.h"
#include "app/shell/window_directory.h"
#include "engine/settings_store.h"
#include "engine/user_interface.h"
#include "engine/workspace.h"

namespace {

using namespace vostrel;
using namespace vostrel::app;

// Everything a shot may use: the workspace, the window directory and the main window.
struct Shots {
    SilentUserInterface ui{Answer::No};
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    WindowDirectory windows;
    TPerformanceForm form{ws, windows};

    // Opens a registered window from the main window, as its command does.
    QWidget* Open(ProgramWindow window) { return windows.Open(window, &form); }
    // Keeps a dialog made for a picture until the driver ends.
    template <class Dialog>
    Dialog* Keep(Dialog* dialog) {
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
};

// The data editor on one of its pages, with a Process If condition and a missing-value
// rule active so that the picture shows their colours and status panels.
QWidget* DataEditorShot(Shots& s, int page) {
    auto* editor = qobject_cast<TDataForm*>(s.Open(ProgramWindow::DataEditor));
    if (editor == nullptr) return nullptr;
    s.ws.rules.SetProcessIfRule(1, 3, 1, "Head", 2);
    s.ws.rules.SetMissingRule(1, 2, "503", 503);
    s.ws.rules.Missing.Active = true;
    editor->resize(900, 520);
    editor->UpdateStatusBarInfo();
    editor->DataModel()->LooksChanged();
    editor->DataGrid()->SelectRect(GridRect{4, 3, 5, 4});
    editor->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    return editor;
}

// "Find and Replace" over the editor's data page.
QWidget* FindDialogShot(Shots& s) {
    auto* editor = qobject_cast<TDataForm*>(s.Open(ProgramWindow::DataEditor));
    if (editor == nullptr) return nullptr;
    TForm_Find* find = editor->FindDialog();
    find->findChild<QCheckBox*>(QStringLiteral("CheckBox_Replace"))->setChecked(true);
    find->show();
    return find;
}

struct Shot {
    const char* name;
    std::function<QWidget*(Shots&)> take;
};

const std::vector<Shot> kShots = {
    {"main_window", [](Shots& s) { return static_cast<QWidget*>(&s.form); }},
    {"output_window", [](Shots& s) { return static_cast<QWidget*>(s.form.OutputWindow()); }},
    {"user_set_dialog",
     [](Shots& s) {
         s.form.UserSetDialog()->show();
         return static_cast<QWidget*>(s.form.UserSetDialog());
     }},
    {"missing_values_dialog",
     [](Shots& s) { return static_cast<QWidget*>(s.Keep(new TMissingForm(s.ws, &s.form))); }},
    {"process_if_dialog",
     [](Shots& s) { return static_cast<QWidget*>(s.Keep(new TProcessIFForm(s.ws, &s.form))); }},
    {"transform_dialog",
     [](Shots& s) { return static_cast<QWidget*>(s.Keep(new TTransformForm(s.ws, &s.form))); }},
    {"data_editor", [](Shots& s) { return DataEditorShot(s, 0); }},
    {"data_editor_descriptions", [](Shots& s) { return DataEditorShot(s, 1); }},
    {"find_dialog", FindDialogShot},
    {"about_box", [](Shots& s) { return static_cast<QWidget*>(s.Keep(new TAboutBox(&s.form))); }},
};

bool Wanted(const QStringList& names, const char* name) {
    return names.isEmpty() || names.contains(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("--list"))) {
        for (const Shot& shot : kShots) std::printf("%s\n", shot.name);
        return 0;
    }
    QString folder = QStringLiteral("docs/images");
    const qsizetype out = args.indexOf(QStringLiteral("--out"));
    if (out >= 0 && out + 1 < args.size()) {
        folder = args.at(out + 1);
        args.remove(out, 2);
    }
    QDir().mkpath(folder);

    Shots s;
    RegisterProgramWindows(s.ws, s.windows);
    s.form.resize(720, 520);
    s.form.show();
    if (!QTest::qWaitForWindowExposed(&s.form)) return 1;
    s.form.OpenFile(QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.vos"));
    s.form.CalcButtonClick();
    QApplication::processEvents();

    int failures = 0;
    for (const Shot& shot : kShots) {
        if (!Wanted(args, shot.name)) continue;
        QWidget* window = shot.take(s);
        if (!window) {
            std::fprintf(stderr, "%s: nothing to photograph\n", shot.name);
            ++failures;
            continue;
        }
        if (!QTest::qWaitForWindowExposed(window))
            std::fprintf(stderr, "%s: the window did not come up\n", shot.name);
        QTest::qWait(50);
        const QString file =
            folder + QLatin1Char('/') + QString::fromLatin1(shot.name) + QStringLiteral(".png");
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "%s: cannot write %s\n", shot.name, qPrintable(file));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
        if (window != &s.form) window->close();
    }
    return failures == 0 ? 0 : 1;
}
