#include "app/data/editor/grid_printing.h"

#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "app/common/qt_print_canvas.h"
#include "engine/data/grid/grid_print.h"
#include "engine/workspace.h"

namespace vostrel::app {

namespace {

PageOrientation OrientationOf(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                        : PageOrientation::Portrait;
}

void Prepare(QPrinter& printer, PageOrientation orientation) {
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    printer.setDocName(QApplication::applicationDisplayName());
}

}  // namespace

std::string PrintGridOn(QPrinter& printer, Workspace& ws, const GridPrintJob& job,
                        const GridRect& range) {
    QPainter painter;
    if (!painter.begin(&printer)) return "The printer could not start printing.";
    QtPrintCanvas canvas(painter, printer);
    PrintGrid(ws.report.printer, canvas, *job.Grid, range, OrientationOf(printer), job.Header,
              job.Title);
    if (!painter.end()) return "The printer could not finish printing.";
    return std::string();
}

void PrintGridWithDialog(QWidget* parent, Workspace& ws, const GridPrintJob& job,
                         PageOrientation& orientation) {
    QPrinter printer(QPrinter::HighResolution);
    Prepare(printer, orientation);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, job.Selection.MoreThanOneCell());
    if (dialog.exec() != QDialog::Accepted) return;
    orientation = OrientationOf(printer);
    const bool selection = printer.printRange() == QPrinter::Selection;
    const std::string error = PrintGridOn(printer, ws, job, selection ? job.Selection : job.All);
    if (!error.empty()) ws.ui.ErrorBox(error);
}

void PreviewGrid(QWidget* parent, Workspace& ws, const GridPrintJob& job,
                 PageOrientation& orientation) {
    QPrinter printer(QPrinter::HighResolution);
    Prepare(printer, orientation);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent,
                     [&](QPrinter* target) { PrintGridOn(*target, ws, job, job.All); });
    preview.exec();
    orientation = OrientationOf(printer);
}

}  // namespace vostrel::app
