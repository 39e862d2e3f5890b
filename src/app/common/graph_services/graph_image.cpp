#include "app/common/graph_services/graph_image.h"

#include <qcustomplot.h>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace vostrel::app {

namespace {

QSize SizeOr(QCustomPlot& plot, QSize size) {
    if (size.isValid() && !size.isEmpty()) return size;
    const QSize own = plot.viewport().size();
    return own.isEmpty() ? QSize(640, 480) : own;
}

// Draws the plot at the size on a painter that paints vectors (no cached layers).
void DrawVectorized(QCustomPlot& plot, QPaintDevice& device, QSize size, QRect target) {
    QCPPainter painter;
    painter.begin(&device);
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setViewport(target);
    painter.setWindow(QRect(QPoint(0, 0), size));
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    plot.toPainter(&painter, size.width(), size.height());
    painter.end();
}

QByteArray PdfBytes(QCustomPlot& plot, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Vostrel"));
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        DrawVectorized(plot, pdf, size, QRect(QPoint(0, 0), size));
    }
    return bytes;
}

QByteArray RasterBytes(QCustomPlot& plot, QSize size, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!PlotToImage(plot, size).save(&buffer, format, quality)) return {};
    return bytes;
}

QByteArray FileBytes(QCustomPlot& plot, GraphFileFormat format, QSize size, int jpegQuality) {
    switch (format) {
        case GraphFileFormat::Svg:
            return PlotToSvg(plot, size);
        case GraphFileFormat::Pdf:
            return PdfBytes(plot, size);
        case GraphFileFormat::Png:
            return RasterBytes(plot, size, "PNG", -1);
        case GraphFileFormat::Bmp:
            return RasterBytes(plot, size, "BMP", -1);
        case GraphFileFormat::Jpeg:
            return RasterBytes(plot, size, "JPG", jpegQuality);
        case GraphFileFormat::Invalid:
            break;
    }
    return {};
}

}  // namespace

QImage PlotToImage(QCustomPlot& plot, QSize size) {
    size = SizeOr(plot, size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QCPPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    plot.toPainter(&painter, size.width(), size.height());
    painter.end();
    return image;
}

QByteArray PlotToSvg(QCustomPlot& plot, QSize size) {
    size = SizeOr(plot, size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Vostrel graph"));
    DrawVectorized(plot, svg, size, QRect(QPoint(0, 0), size));
    return bytes;
}

QString WritePlotFile(QCustomPlot& plot, const QString& path, GraphFileFormat format, QSize size,
                      int jpegQuality) {
    if (format == GraphFileFormat::Invalid) {
        return QString::fromLatin1(FileExtensionNotValid.data(),
                                   static_cast<int>(FileExtensionNotValid.size()));
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        return QStringLiteral("The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    const QByteArray bytes = FileBytes(plot, format, SizeOr(plot, size), jpegQuality);
    if (bytes.isEmpty()) return QStringLiteral("The picture could not be drawn.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("Cannot write %1: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return {};
}

void PaintPlotOnPrinter(QCustomPlot& plot, QPrinter& printer) {
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect paper(QPoint(0, 0), page.size());
    const int marginX = paper.width() * 5 / 100;
    const int marginY = paper.height() * 5 / 100;
    const QRect target = paper.adjusted(marginX, marginY, -marginX, -marginY);
    DrawVectorized(plot, printer, SizeOr(plot, {}), target);
}

}  // namespace vostrel::app
