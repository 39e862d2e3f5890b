#pragma once
// Printing the current report: the print dialog and the print job around the engine's
// report layout.

#include <QPrinter>
#include <string>

#include "engine/report/report_writer.h"
#include "engine/user_interface.h"

class QWidget;

namespace vostrel {

// Prints the writer's current document on a printer the caller has set up (the one the
// dialog chose, or a PDF file) and remembers its orientation for the next print. The job
// is always ended. Returns why printing failed, or an empty text.
std::string PrintReportOn(QPrinter& printer, ReportWriter& writer, const std::string& title);

// The Print command: the last orientation and the title go to the print dialog; cancel
// does nothing; a printer that cannot start is reported in an error box.
void PrintReport(QWidget* parent, ReportWriter& writer, UserInterface& ui,
                 const std::string& title);

}  // namespace vostrel
