#include "app/report/report_edit_command.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextEdit>

namespace vostrel::app {
namespace {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Delete, SelectAll };

EditCommand CommandNamed(const QString& name) {
    if (name == QLatin1String("Undo1")) return EditCommand::Undo;
    if (name == QLatin1String("Cut1")) return EditCommand::Cut;
    if (name == QLatin1String("Copy1")) return EditCommand::Copy;
    if (name == QLatin1String("Paste1")) return EditCommand::Paste;
    if (name == QLatin1String("Delete1")) return EditCommand::Delete;
    if (name == QLatin1String("Select1")) return EditCommand::SelectAll;
    return EditCommand::None;
}

bool ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

void RunOn(QLineEdit& edit, EditCommand command) {
    switch (command) {
        case EditCommand::Undo:
            edit.undo();
            break;
        case EditCommand::Cut:
            edit.cut();
            break;
        case EditCommand::Copy:
            edit.copy();
            break;
        case EditCommand::Paste:
            edit.paste();
            break;
        case EditCommand::Delete:
            edit.del();
            break;
        case EditCommand::SelectAll:
            edit.selectAll();
            break;
        case EditCommand::None:
            break;
    }
}

void RunOn(QTextEdit& report, EditCommand command) {
    switch (command) {
        case EditCommand::Undo:
            report.undo();
            break;
        case EditCommand::Cut:
            report.cut();
            break;
        case EditCommand::Copy:
            report.copy();
            break;
        case EditCommand::Paste:
            report.paste();
            break;
        case EditCommand::Delete:
            if (!report.isReadOnly()) report.textCursor().removeSelectedText();
            break;
        case EditCommand::SelectAll:
            report.selectAll();
            break;
        case EditCommand::None:
            break;
    }
}

bool Enabled(EditCommand command, bool canUndo, bool hasSelection, bool readOnly) {
    switch (command) {
        case EditCommand::Undo:
            return canUndo && !readOnly;
        case EditCommand::Cut:
        case EditCommand::Delete:
            return hasSelection && !readOnly;
        case EditCommand::Copy:
            return hasSelection;
        case EditCommand::Paste:
            return ClipboardHasText() && !readOnly;
        case EditCommand::SelectAll:
            return true;
        case EditCommand::None:
            break;
    }
    return false;
}

}  // namespace

bool ReportEditCommand(const QString& itemName, QWidget* control) {
    const EditCommand command = CommandNamed(itemName);
    if (command == EditCommand::None) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        RunOn(*edit, command);
        return true;
    }
    if (auto* report = qobject_cast<QTextEdit*>(control)) {
        RunOn(*report, command);
        return true;
    }
    return false;
}

bool ReportEditCommandEnabled(const QString& itemName, QWidget* control) {
    const EditCommand command = CommandNamed(itemName);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return Enabled(command, edit->isUndoAvailable(), edit->hasSelectedText(),
                       edit->isReadOnly());
    }
    if (auto* report = qobject_cast<QTextEdit*>(control)) {
        return Enabled(command, report->document()->isUndoAvailable(),
                       report->textCursor().hasSelection(), report->isReadOnly());
    }
    return false;
}

QMenu* AttachReportPopupMenu(QTextEdit* report) {
    auto* menu = new QMenu(report);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    const auto add = [menu, report](const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, report,
                         [report, action] { ReportEditCommand(action->objectName(), report); });
    };
    add("Undo1", QObject::tr("&Undo"));
    menu->addSeparator();
    add("Cut1", QObject::tr("Cu&t"));
    add("Copy1", QObject::tr("&Copy"));
    add("Paste1", QObject::tr("&Paste"));
    add("Delete1", QObject::tr("&Delete"));
    menu->addSeparator();
    add("Select1", QObject::tr("Select &All"));

    QObject::connect(menu, &QMenu::aboutToShow, report, [menu, report] {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                action->setEnabled(ReportEditCommandEnabled(action->objectName(), report));
        }
        report->setFocus();
    });
    report->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(report, &QWidget::customContextMenuRequested, menu, [menu, report](QPoint at) {
        menu->popup(report->viewport()->mapToGlobal(at));
    });
    return menu;
}

}  // namespace vostrel::app
