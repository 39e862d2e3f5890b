#include "app/common/print_report.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "app/common/qt_print_canvas.h"
#include "engine/report/report_print.h"

namespace vostrel {
namespace {

void SetUpPrinter(QPrinter& printer, const ReportWriter& writer, const std::string& title) {
    printer.setPageOrientation(writer.PrintOrientation == PageOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setDocName(ReportTextToQString(title));
}

}  // namespace

std::string PrintReportOn(QPrinter& printer, ReportWriter& writer, const ReportDocument& document,
                          const std::string& title) {
    writer.printer.InitMPrinter();
    QPainter painter;  // ends the job when it goes, also on an error
    if (!painter.begin(&printer)) return "The printer could not start printing.";
    writer.PrintOrientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                                  ? PageOrientation::Landscape
                                  : PageOrientation::Portrait;
    QtPrintCanvas canvas(painter, printer);
    PrintReportDocument(writer.printer, canvas, document, title, writer.PrintOrientation);
    if (!painter.end()) return "The printer could not finish printing.";
    return std::string();
}

void PrintReport(QWidget* parent, ReportWriter& writer, const ReportDocument& document,
                 UserInterface& ui, const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, writer, title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string error = PrintReportOn(printer, writer, document, title);
    if (!error.empty()) ui.ErrorBox(error);
}

void PreviewReport(QWidget* parent, ReportWriter& writer, const ReportDocument& document,
                   UserInterface& ui, const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, writer, title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print Preview"));
    std::string error;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        error = PrintReportOn(*target, writer, document, title);
    });
    dialog.exec();
    if (!error.empty()) ui.ErrorBox(error);
}

}  // namespace vostrel
