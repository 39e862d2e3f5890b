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

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/data/derived/add_file_variable_dialog.h"
#include "app/data/derived/bkb_dialogs.h"
#include "app/data/derived/compute_variables_window.h"
#include "app/data/derived/weight_cases_dialog.h"
#include "app/charts/chart_window.h"
#include "app/charts/setup_window.h"
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
#include "app/main_window/about_box.h"
#include "app/common/help.h"
#include "app/common/help_browser.h"
#include "app/common/help_button.h"
#include "app/main_window/performance_form.h"
#include "app/main_window/var_input_form.h"
#include "app/common/window_directory.h"
#include "engine/core/settings_store.h"
#include "engine/core/user_interface.h"
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
    // Triggers a command of the main window's menus and returns the window it brought up.
    QWidget* Command(const char* action, const char* window) {
        if (QAction* command = form.findChild<QAction*>(QString::fromLatin1(action)))
            command->trigger();
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (shown->objectName() == QLatin1String(window) && shown->isVisible()) return shown;
        return nullptr;
    }
    // Keeps a dialog made for a picture until the driver ends.
    template <class Dialog>
    Dialog* Keep(Dialog* dialog) {
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
};

// Clicks the child button of that name.
void Click(QWidget* window, const char* button) {
    window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// Selects the list's item of that text.
void Pick(QWidget* window, const char* list, const char* text) {
    auto* widget = window->findChild<QListWidget*>(QString::fromLatin1(list));
    const QList<QListWidgetItem*> items =
        widget->findItems(QString::fromLatin1(text), Qt::MatchExactly);
    if (items.isEmpty()) return;
    widget->clearSelection();
    widget->setCurrentItem(items.first());
}

// The compute-variables window with a statistic set up on the page.
QWidget* ComputeVariables(Shots& s, int page) {
    auto* form = s.Keep(new TBkbox_Form(s.ws, s.windows));
    form->resize(form->sizeHint());
    if (page == 0) {
        Pick(form, "DataVarList", "W1");
        Click(form, "SpeedButton_IndVar");
        Pick(form, "DataVarList", "Head");
        Click(form, "SpeedButton_Include");
        Click(form, "RadioButton9");
    } else {
        form->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        for (const char* name : {"W1", "W2", "W3"}) {
            Pick(form, "DataVarList2", name);
            Click(form, "SpeedButton_Include2");
        }
    }
    return form;
}

// The variable picker of run numbers or auto recode with one variable chosen.
QWidget* Picker(Shots& s, PickPurpose purpose) {
    auto* dialog = s.Keep(new TAddFileVariable(s.ws, purpose, &s.form));
    Pick(dialog, "SrcList", "Shift");
    Click(dialog, "SpeedButton_Include");
    return dialog;
}

SubgroupsQuestion ExampleSubgroups() {
    SubgroupsQuestion question;
    question.AverageText = "Avg Sample Size per Run = 25.0";
    question.MinimumText = "Min Sample Size per Run = 20";
    question.MaximumText = "Max Sample Size per Run = 30";
    question.Largest = 10;
    question.Proposed = 5;
    return question;
}

// The control chart windows, driven by their controls as a user would.
template <class T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) std::fprintf(stderr, "no control %s\n", name);
    return child;
}

void Trigger(QWidget* window, const char* action) {
    if (auto* item = Child<QAction>(window, action)) item->trigger();
}

void Check(QWidget* window, const char* action) {
    if (auto* item = Child<QAction>(window, action)) item->setChecked(true);
}

void Choose(QWidget* window, const char* list, const QStringList& names, const char* button) {
    auto* widget = Child<QListWidget>(window, list);
    widget->clearSelection();
    for (int i = 0; i < widget->count(); ++i) {
        if (names.contains(widget->item(i)->text())) widget->item(i)->setSelected(true);
    }
    Child<QPushButton>(window, button)->click();
}

TForm_VARsetup* ChartSetup(Shots& s) {
    auto* setup = qobject_cast<TForm_VARsetup*>(s.Open(ProgramWindow::ControlCharts));
    if (setup != nullptr) setup->ResetChartSetup();
    return setup;
}

// Jar weights as subgroups of five in rows, one chart per filling head.
TForm_VARsetup* MeanRangeSetup(Shots& s) {
    TForm_VARsetup* setup = ChartSetup(s);
    if (setup == nullptr) return nullptr;
    Choose(setup, "DataVarList", {"W1", "W2", "W3", "W4", "W5"}, "IncludeBtnMeasure");
    Child<QRadioButton>(setup, "RadioButton_Rows")->setChecked(true);
    Choose(setup, "DataVarList", {"Head"}, "IncludeBtnChart");
    return setup;
}

TVARchart_Form* MeanRangeChart(Shots& s) {
    TForm_VARsetup* setup = MeanRangeSetup(s);
    if (setup == nullptr) return nullptr;
    s.ws.graphWindows.BlackWhiteMode = false;
    setup->CalcButtonClick();
    TVARchart_Form* chart = setup->ChartWindow();
    if (chart == nullptr) return nullptr;
    chart->resize(1000, 680);
    Check(chart, "DisplayZones");
    Check(chart, "DisplayCodes");
    return chart;
}

// The first jar of every sample as individual values per filling head, the shifts as sets,
// and one weight of the first head missing so that its chart shows a break.
TVARchart_Form* IndividualsChart(Shots& s) {
    s.ws.table.DataGrid.SetCell(4, 61, "");
    ++s.ws.table.DataGeneration;
    s.ws.data.UpdateData();
    TForm_VARsetup* setup = ChartSetup(s);
    if (setup == nullptr) return nullptr;
    Choose(setup, "DataVarList", {"W1"}, "IncludeBtnMeasure");
    Choose(setup, "DataVarList", {"Head"}, "IncludeBtnChart");
    Choose(setup, "DataVarList", {"Shift"}, "SpeedButton_sets");
    s.ws.graphWindows.BlackWhiteMode = false;
    setup->CalcButtonClick();
    TVARchart_Form* chart = setup->ChartWindow();
    if (chart == nullptr) return nullptr;
    chart->resize(1000, 680);
    Check(chart, "ShowBreaks");
    return chart;
}

QWidget* InformationPage(Shots& s, int page) {
    TVARchart_Form* chart = MeanRangeChart(s);
    if (chart == nullptr) return nullptr;
    chart->show();
    Child<QPushButton>(chart, "Button_ChartInfo")->click();
    QWidget* info = QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("TForm_CChart_Info") && window->isVisible())
            info = window;
    }
    if (info == nullptr) return nullptr;
    info->resize(900, 640);
    Child<QTabWidget>(info, "PageControl1")->setCurrentIndex(page);
    return info;
}

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
    {"performance_charts", [](Shots& s) { return s.Command("Performance1", "TPPAChartForm"); }},
    {"box_plots", [](Shots& s) { return s.Command("Plots1", "TPlot_Form"); }},
    {"histogram",
     [](Shots& s) {
         QWidget* window = s.Command("Histogram1", "THistForm");
         if (auto* curve = window ? window->findChild<QCheckBox*>("CheckBox_NormCurve") : nullptr)
             curve->click();
         return window;
     }},
    {"frequency_plots", [](Shots& s) { return s.Command("FrequecyPlot1", "TFrequencyPlotForm"); }},
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
    {"about_box", [](Shots& s) { return static_cast<QWidget*>(s.Keep(new TAboutBox(&s.form))); }},
    {"help_browser",
     [](Shots& s) {
         OpenHelpTopic(kMainFormTopic, &s.form);
         QWidget* browser = nullptr;
         for (QWidget* window : QApplication::topLevelWidgets())
             if (qobject_cast<HelpBrowser*>(window)) browser = window;
         return browser;
     }},
    {"compute_variables", [](Shots& s) { return ComputeVariables(s, 0); }},
    {"compute_variables_across_rows", [](Shots& s) { return ComputeVariables(s, 1); }},
    {"run_numbers_dialog", [](Shots& s) { return Picker(s, PickPurpose::RunNumbers); }},
    {"auto_recode_dialog", [](Shots& s) { return Picker(s, PickPurpose::AutoRecode); }},
    {"weight_cases_dialog",
     [](Shots& s) {
         auto* dialog = s.Keep(new TForm_WeightCases(s.ws, &s.form));
         Click(dialog, "Button_Select");
         return static_cast<QWidget*>(dialog);
     }},
    {"subgroups_dialog",
     [](Shots& s) {
         return static_cast<QWidget*>(s.Keep(new TGetSubgroups_Form(ExampleSubgroups(), &s.form)));
     }},
    {"minimum_range_dialog",
     [](Shots& s) {
         return static_cast<QWidget*>(
             s.Keep(new TMinVar_Form(QStringLiteral("Zero Variance in Run Head 3"), &s.form)));
     }},
    {"chart_setup", [](Shots& s) { return static_cast<QWidget*>(MeanRangeSetup(s)); }},
    {"chart_mean_range", [](Shots& s) { return static_cast<QWidget*>(MeanRangeChart(s)); }},
    {"chart_black_white",
     [](Shots& s) {
         TVARchart_Form* chart = MeanRangeChart(s);
         if (chart != nullptr) Trigger(chart, "ColorBW1");
         return static_cast<QWidget*>(chart);
     }},
    {"chart_info_report", [](Shots& s) { return InformationPage(s, 0); }},
    {"chart_info_grid", [](Shots& s) { return InformationPage(s, 1); }},
    // It takes a weight out of the example: after the other windows.
    {"chart_individuals", [](Shots& s) { return static_cast<QWidget*>(IndividualsChart(s)); }},
    // The editor's pictures turn a Process If condition and a missing-value rule on.
    {"data_editor", [](Shots& s) { return DataEditorShot(s, 0); }},
    {"data_editor_descriptions", [](Shots& s) { return DataEditorShot(s, 1); }},
    {"find_dialog", FindDialogShot},
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
