#include "app/data/editor/data_editor_windows.h"

#include <QVariant>

#include <memory>

#include "app/data/editor/crash_recovery.h"
#include "app/data/editor/data_form.h"
#include "app/shell/window_directory.h"

namespace vostrel::app {

QString ReturnName(const QWidget* caller) {
    if (caller != nullptr) {
        const QVariant name = caller->property("returnName");
        if (name.isValid() && !name.toString().isEmpty()) return name.toString();
    }
    return QStringLiteral("Main Form");
}

void RegisterDataEditor(Workspace& ws, WindowDirectory& windows) {
    TDataForm* form = windows.Keep(new TDataForm(ws));
    // The timer goes with the directory, before the Workspace it reads.
    auto recovery = std::make_shared<RecoveryTimer>(ws, RecoveryFolder());
    form->SetSavedHook([recovery] { recovery->Discard(); });
    form->SetLinks(DataEditorLinks{});
    windows.Register(ProgramWindow::DataEditor, [form, recovery](QWidget* caller) -> QWidget* {
        form->ShowDataEditor(caller, ReturnName(caller));
        return form;
    });
}

TDataForm* DataEditor(const WindowDirectory& windows, QWidget* caller) {
    return qobject_cast<TDataForm*>(windows.Open(ProgramWindow::DataEditor, caller));
}

}  // namespace vostrel::app
