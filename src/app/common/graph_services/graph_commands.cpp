#include "app/common/graph_services/graph_commands.h"

#include <qcustomplot.h>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/common/graph_services/graph_image.h"
#include "app/common/graph_services/jpeg_quality_dialog.h"
#include "app/common/graph_services/notice_window.h"
#include "engine/core/user_interface.h"

namespace vostrel::app {

namespace {

// The hourglass for the lifetime of the object, whatever happens in between.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void PrintGraph(QCustomPlot& plot, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QApplication::applicationDisplayName());
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&plot](QPrinter* target) { PaintPlotOnPrinter(plot, *target); });
    preview.exec();
}

void CopyGraph(QCustomPlot& plot) {
    {
        WaitCursor busy;
        auto* data = new QMimeData;
        data->setImageData(PlotToImage(plot));
        data->setData(QStringLiteral("image/svg+xml"), PlotToSvg(plot));
        QGuiApplication::clipboard()->setMimeData(data);
    }
    ShowNotice(QString::fromLatin1(GraphCopiedNotice), 2);
}

bool SaveGraphAs(QCustomPlot& plot, const QString& path, GraphFormats offered, UserInterface& ui,
                 QWidget* parent) {
    const GraphFileFormat format = GraphFileFormatFor(path.toStdString(), offered);
    if (format == GraphFileFormat::Invalid) {
        ui.ErrorBox(std::string(FileExtensionNotValid));
        return false;
    }
    int quality = -1;
    if (format == GraphFileFormat::Jpeg) {
        const std::optional<int> chosen = AskJpegQuality(parent);
        if (!chosen) return false;
        quality = *chosen;
    }
    QString error;
    {
        WaitCursor busy;
        error = WritePlotFile(plot, path, format, {}, quality);
    }
    if (!error.isEmpty()) {
        ui.ErrorBox(error.toStdString());
        return false;
    }
    return true;
}

bool SaveGraph(QCustomPlot& plot, GraphFormats offered, UserInterface& ui, QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Save Graph As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(
        QString::fromLatin1(GraphSaveFilter(offered)).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("svg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return SaveGraphAs(plot, dialog.selectedFiles().constFirst(), offered, ui, parent);
}

}  // namespace vostrel::app
