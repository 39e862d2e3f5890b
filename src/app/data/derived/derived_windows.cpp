#include "app/data/derived/derived_windows.h"

#include <QApplication>
#include <QWidget>

#include "app/data/derived/add_file_variable_dialog.h"
#include "app/data/derived/compute_variables_window.h"
#include "app/data/derived/weight_cases_dialog.h"
#include "app/common/window_directory.h"
#include "engine/workspace.h"

namespace vostrel::app {

namespace {

// The open compute-variables window of this workspace, if there is one.
TBkbox_Form* FindComputeVariables(const Workspace& ws) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<TBkbox_Form*>(widget);
        if (form != nullptr && &form->Ws() == &ws) return form;
    }
    return nullptr;
}

}  // namespace

void OpenComputeVariables(Workspace& ws, WindowDirectory& windows, QWidget* caller) {
    TBkbox_Form* form = FindComputeVariables(ws);
    if (form == nullptr) {
        // Closing destroys the window: the next opening lists the variables afresh.
        form = windows.Keep(new TBkbox_Form(ws, windows));
        form->setAttribute(Qt::WA_DeleteOnClose);
    }
    form->SetCaller(caller);
    form->show();
    form->raise();
    form->activateWindow();
    form->FormActivate();
}

bool ExecRunNumbersDialog(Workspace& ws, QWidget* parent) {
    TAddFileVariable dialog(ws, PickPurpose::RunNumbers, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ExecAutoRecodeDialog(Workspace& ws, QWidget* parent) {
    TAddFileVariable dialog(ws, PickPurpose::AutoRecode, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ExecWeightCasesDialog(Workspace& ws, QWidget* parent) {
    TForm_WeightCases dialog(ws, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vostrel::app
