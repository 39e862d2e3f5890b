#include "app/data/editor/data_editor_windows.h"

#include <QVariant>

#include <memory>

#include "app/data/derived/derived_windows.h"
#include "app/data/editor/crash_recovery.h"
#include "app/data/editor/data_form.h"
#include "app/data/rules/missing_values_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/data/rules/transform_dialog.h"
#include "app/data/save_table_dialog.h"
#include "app/common/help.h"
#include "app/common/window_directory.h"

namespace vostrel::app {

namespace {

constexpr int kDataEditorTopic = 2000;

// The commands of the rule dialogs, the derived variables, saving and help that the
// editor's menus offer.
DataEditorLinks EditorLinks(Workspace& ws, WindowDirectory& windows, QWidget* form) {
    DataEditorLinks links;
    links.MissingValues = [&ws](QWidget* p) { return ExecMissingValuesDialog(ws, p); };
    links.ProcessIf = [&ws](QWidget* p) { return ExecProcessIfDialog(ws, p); };
    links.Transform = [&ws](QWidget* p) { return ExecTransformDialog(ws, p); };
    links.SaveAs = [&ws](QWidget* p) { return SaveTableAs(ws, p); };
    links.GenerateRunNumbers = [&ws](QWidget* p) { ExecRunNumbersDialog(ws, p); };
    links.AutoRecode = [&ws](QWidget* p) { ExecAutoRecodeDialog(ws, p); };
    links.WeightCases = [&ws](QWidget* p) { ExecWeightCasesDialog(ws, p); };
    links.ComputeVariables = [&ws, &windows](QWidget* p) { OpenComputeVariables(ws, windows, p); };
    links.HelpContents = [form] { OpenHelpContents(form); };
    links.HelpTopic = [form] { OpenHelpTopic(kDataEditorTopic, form); };
    return links;
}

}  // namespace

QString ReturnName(const QWidget* caller) {
    if (caller == nullptr || caller->objectName() == QLatin1String("TPerformanceForm"))
        return QStringLiteral("Main Form");
    const QVariant name = caller->property("returnName");
    if (name.isValid() && !name.toString().isEmpty()) return name.toString();
    const QWidget* window = caller->window();
    return window->windowTitle().isEmpty() ? QStringLiteral("Main Form") : window->windowTitle();
}

void RegisterDataEditor(Workspace& ws, WindowDirectory& windows) {
    TDataForm* form = windows.Keep(new TDataForm(ws));
    // The timer goes with the directory, before the Workspace it reads.
    auto recovery = std::make_shared<RecoveryTimer>(ws, RecoveryFolder());
    form->SetSavedHook([recovery] { recovery->Discard(); });
    form->SetLinks(EditorLinks(ws, windows, form));
    windows.Register(ProgramWindow::DataEditor, [form, recovery](QWidget* caller) -> QWidget* {
        form->ShowDataEditor(caller, ReturnName(caller));
        return form;
    });
}

TDataForm* DataEditor(const WindowDirectory& windows, QWidget* caller) {
    return qobject_cast<TDataForm*>(windows.Open(ProgramWindow::DataEditor, caller));
}

}  // namespace vostrel::app
