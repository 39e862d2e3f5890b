#pragma once
// Printing a report: the print dialog or the print preview and the print job around the
// engine's report layout.

#include <QPrinter>
#include <string>

#include "engine/report/report_writer.h"
#include "engine/core/user_interface.h"

class QWidget;

namespace vostrel {

// Prints the document on a printer the caller has set up (the one the dialog chose, or a
// PDF file) and remembers its orientation for the next print. The job is always ended.
// Returns why printing failed, or an empty text.
std::string PrintReportOn(QPrinter& printer, ReportWriter& writer, const ReportDocument& document,
                          const std::string& title);
inline std::string PrintReportOn(QPrinter& printer, ReportWriter& writer,
                                 const std::string& title) {
    return PrintReportOn(printer, writer, writer.Target(), title);
}

// The Print command: the last orientation and the title go to the print dialog; cancel
// does nothing; a printer that cannot start is reported in an error box.
void PrintReport(QWidget* parent, ReportWriter& writer, const ReportDocument& document,
                 UserInterface& ui, const std::string& title);
inline void PrintReport(QWidget* parent, ReportWriter& writer, UserInterface& ui,
                        const std::string& title) {
    PrintReport(parent, writer, writer.Target(), ui, title);
}

// The pages as they will print, in a preview window that can also print them.
void PreviewReport(QWidget* parent, ReportWriter& writer, const ReportDocument& document,
                   UserInterface& ui, const std::string& title);

}  // namespace vostrel
