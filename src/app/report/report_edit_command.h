#pragma once
// The edit commands that report windows share: Undo, Cut, Copy, Paste, Delete and Select
// All, named as their menu items are ("Undo1", "Cut1", "Copy1", "Paste1", "Delete1",
// "Select1"). They act on a report (QTextEdit) or on a one-line edit box, so that a
// window's Edit menu serves whichever of its controls has the focus.

#include <QString>

class QMenu;
class QTextEdit;
class QWidget;

namespace vostrel::app {

// Runs the command named by the item on the control; false when the name is not one of
// the commands or the control is neither a report nor an edit box.
bool ReportEditCommand(const QString& itemName, QWidget* control);

// Which commands make sense now: Undo when the control can undo, Paste when the clipboard
// holds text, Copy, Cut and Delete when something is selected.
bool ReportEditCommandEnabled(const QString& itemName, QWidget* control);

// The context menu of a report control: Undo, Cut, Copy, Paste, Delete, Select All, each
// enabled as it opens; it replaces the control's own.
QMenu* AttachReportPopupMenu(QTextEdit* report);

}  // namespace vostrel::app
