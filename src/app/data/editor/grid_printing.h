#pragma once
// Printing a grid of the data editor: the print dialog (offering "Selection" when more than
// one cell is selected), a print preview, and the job around the engine's grid layout.

#include <QPrinter>

#include <string>

#include "engine/data/data_table.h"
#include "engine/report/report_writer.h"

class QWidget;

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

struct GridPrintJob {
    const TextGrid* Grid = nullptr;
    GridRect All;        // every data cell
    GridRect Selection;  // what "Selection" prints
    std::string Header;  // the page header's left text
    std::string Title;   // above the columns of every page
};

// Prints on a printer the caller has set up (a real one or a PDF file). Returns why
// printing failed, or an empty text.
std::string PrintGridOn(QPrinter& printer, Workspace& ws, const GridPrintJob& job,
                        const GridRect& range);

// The print command: the dialog starts with the remembered orientation and remembers the
// one chosen; cancel prints nothing.
void PrintGridWithDialog(QWidget* parent, Workspace& ws, const GridPrintJob& job,
                         PageOrientation& orientation);
void PreviewGrid(QWidget* parent, Workspace& ws, const GridPrintJob& job,
                 PageOrientation& orientation);

}  // namespace vostrel::app
